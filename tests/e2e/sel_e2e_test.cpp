// Display SEL through the menu and the SEL export of "-o ds".
#include <gtest/gtest.h>

#include <filesystem>

#include "fixture/demo_tree.h"
#include "fixture/fixture_tree.h"
#include "fixture/sel_log_writer.h"
#include "run_viewer.h"

namespace rcv::e2e {
namespace {

constexpr std::string_view kHeading =
    "date/time           RID  RT GID  ER ST/# ET Event \n"
    "------------------  ---- -- ---- -- ---- -- ------\n";

class SelE2eTest : public ::testing::Test {
 protected:
  void SetUp() override { tree_.WriteSetup(); }
  void WriteLog(const fixture::SelLogValues& values) {
    tree_.WriteFile(tree_.VrkLogDir() / "sel.log", fixture::BuildSelLog(values));
  }
  ViewerRun Run(const std::vector<std::string>& args, const std::string& input = "") {
    return RunViewer(tree_.root().string(), args, input);
  }
  fixture::FixtureTree tree_;
};

TEST_F(SelE2eTest, ExportWritesTheWholeWrappedRingToTheFile) {
  WriteLog(fixture::DemoSelLog());
  const std::string file = (tree_.root() / "sel.txt").string();
  const ViewerRun run = Run({kCeAccessCode, "-o", "ds", "-f", file});
  EXPECT_EQ("\n\n", run.screen);
  EXPECT_EQ(1, run.exitStatus);
  const std::string text = tree_.ReadFile(file);
  EXPECT_TRUE(text.starts_with(kHeading));
  EXPECT_TRUE(text.ends_with("--- End of data. ---\n"));
  EXPECT_EQ(2 + 512 + 1, std::count(text.begin(), text.end(), '\n'));
  // Every line has the same width: 51 bytes with its line feed.
  EXPECT_EQ((2 + 512) * 51 + 21, text.size());
}

TEST_F(SelE2eTest, ExportToAFullDiskSaysSo) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP();
  WriteLog(fixture::DemoSelLog());
  const ViewerRun run = Run({kCeAccessCode, "-o", "ds", "-f", "/dev/full"});
  EXPECT_EQ("\nSEL LOG save file write failed.\n\n", run.screen);
  EXPECT_EQ(1, run.exitStatus);
}

TEST_F(SelE2eTest, ExportWithoutFileListsOnTheTerminalWithoutPause) {
  fixture::SelLogValues values;
  values.newestIndex = 0;
  values.slots = {{.recordId = 0x0001, .timestamp = 0x20000001}};
  WriteLog(values);
  const ViewerRun run = Run({kCeAccessCode, "-o", "ds"});
  EXPECT_EQ("\n" + std::string(kHeading) + "87/01/05 18:48:33   0100 02 2000 04 0000 00 000000\n" +
                "--- End of data. ---\n\n",
            run.screen);
  EXPECT_EQ(1, run.exitStatus);
}

TEST_F(SelE2eTest, FailedExportKeepsTheEarlierExport) {
  const std::string file = (tree_.root() / "sel.txt").string();
  tree_.WriteFile(file, "earlier export\n");
  const ViewerRun missing = Run({kCeAccessCode, "-o", "ds", "-f", file});
  EXPECT_EQ("\nSEL LOG open failed.\n\n", missing.screen);
  EXPECT_EQ(1, missing.exitStatus);
  tree_.WriteFile(tree_.VrkLogDir() / "sel.log", "short");
  const ViewerRun cut = Run({kCeAccessCode, "-o", "ds", "-f", file});
  EXPECT_EQ("\nSEL LOG read failed.\n\n", cut.screen);
  EXPECT_EQ("earlier export\n", tree_.ReadFile(file));
}

TEST_F(SelE2eTest, MenuRunShowsTheListAndPausesOnFailure) {
  const ViewerRun run = Run({kCeAccessCode}, "ds\n0\n\nq\nq\n");
  EXPECT_NE(std::string::npos,
            run.screen.find("(0, [q]) : \n\nSEL LOG open failed.\nPRESS ENTER KEY\n\n-------- Display SEL Menu"));
  EXPECT_EQ(1, run.exitStatus);
}

TEST_F(SelE2eTest, GarbageLogsNeverCrash) {
  for (std::size_t size : {std::size_t{13312}, std::size_t{20000}}) {
    std::vector<std::uint8_t> junk(size);
    for (std::size_t i = 0; i < size; ++i) junk[i] = static_cast<std::uint8_t>(i * 2654435761u >> 13);
    junk[8] = 0xFF;  // valid mark, so the index decides
    tree_.WriteFile(tree_.VrkLogDir() / "sel.log", junk);
    const ViewerRun run = Run({kCeAccessCode, "-o", "ds"});
    EXPECT_EQ(1, run.exitStatus);
  }
}

}  // namespace
}  // namespace rcv::e2e
