// The exports of "-o sr" and "-o ds": the SEL export listed on the terminal
// without a file, and exports that fail half-way, where the earlier export
// stays byte for byte and no temporary file is left. For a failed write the
// viewer runs with a file size limit, so that a write past it fails (EFBIG)
// as on a full disk.
#include <gtest/gtest.h>

#include <filesystem>

#include "fixture/fixture_tree.h"
#include "fixture/rc_log_writer.h"
#include "fixture/sel_log_writer.h"
#include "run_viewer.h"
#include "support/file_size_limit.h"

namespace rcv::e2e {
namespace {

namespace fs = std::filesystem;

// Large enough for the screen and the input, too small for either export.
constexpr rlim_t kFileSizeLimit = 2048;

using ExportE2eTest = ViewerTest;

TEST_F(ExportE2eTest, AFailedExportLeavesTheEarlierOneAsItWas) {
  fixture::WriteRcLog(tree_, fixture::NumberedRcLog(200));
  fixture::SelLogValues sel;
  sel.newestIndex = 511;
  sel.wrapMark = 0xFF;
  sel.slots.resize(512);
  tree_.WriteFile(tree_.VrkLogDir() / "sel.log", fixture::BuildSelLog(sel));
  const fs::path exportDir = tree_.root() / "exports";
  const std::string target = (exportDir / "out.txt").string();
  const struct {
    std::vector<std::string> args;
    std::string input;
    std::string_view shown;
  } kCases[] = {
      {{kCeAccessCode, "-o", "sr", "-f", target}, "", "\nRC LOG save file write failed.\n"},
      {{kCeAccessCode, "-o", "ds", "-f", target}, "", "\nSEL LOG save file write failed.\n\n"},
      {{kCeAccessCode, "-f", target}, "sr\ny\n\nq\n", "\nRC LOG save file write failed.\nPRESS ENTER KEY\n"},
  };
  for (const auto& c : kCases) {
    for (const bool earlier : {true, false}) {
      fs::remove_all(exportDir);
      fs::create_directories(exportDir);
      if (earlier) tree_.WriteFile(target, "last week's export\n");
      const ViewerRun run = [&] {
        const fixture::FileSizeLimit limit(kFileSizeLimit);
        return Run(c.args, c.input);
      }();
      EXPECT_NE(std::string::npos, run.screen.find(c.shown)) << c.args[2] << run.screen;
      EXPECT_EQ(1, run.exitStatus) << c.args[2];
      EXPECT_EQ(earlier ? "last week's export\n" : "", fs::exists(target) ? tree_.ReadFile(target) : "") << c.args[2];
      EXPECT_EQ(earlier ? 1 : 0, std::distance(fs::directory_iterator(exportDir), fs::directory_iterator()))
          << c.args[2];
    }
  }
}

constexpr std::string_view kHeading =
    "date/time           RID  RT GID  ER ST/# ET Event \n"
    "------------------  ---- -- ---- -- ---- -- ------\n";

TEST_F(ExportE2eTest, SelExportWithoutFileListsOnTheTerminalWithoutPause) {
  fixture::SelLogValues values;
  values.newestIndex = 0;
  values.slots = {{.recordId = 0x0001, .timestamp = 0x20000001}};
  tree_.WriteFile(tree_.VrkLogDir() / "sel.log", fixture::BuildSelLog(values));
  EXPECT_EQ((ViewerRun{"\n" + std::string(kHeading) + "87/01/05 18:48:33   0100 02 2000 04 0000 00 000000\n" +
                           "--- End of data. ---\n\n",
                       "", 1}),
            Run({kCeAccessCode, "-o", "ds"}));
}

TEST_F(ExportE2eTest, FailedSelReadKeepsTheEarlierExport) {
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

}  // namespace
}  // namespace rcv::e2e
