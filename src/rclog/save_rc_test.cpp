#include "rclog/save_rc.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fixture/fixture_tree.h"
#include "fixture/rc_log_writer.h"
#include "rclog/rc_test_support.h"
#include "support/screen_harness.h"

namespace rcv {
namespace {

constexpr const char* kIdentity =
    "MODEL CODE : QX2400 / PRODUCT No. : PQ240-0001\n"
    "MODEL NAME : QX-2400 Enterprise\n"
    "MODEL FRU  : QX24MB01\n"
    "RC DICT    : rcdict/1.23\n"
    "\n";
constexpr const char* kAsked = "\n<<Save RCs- Save Reference Code log>>\n\nSave RC LOG ? (y/[n]) : \n";
constexpr const char* kEndLine = "--- End of data. ---\n";

class SaveRcTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree_.WriteSetup();
    tree_.Activate();
    output_ = (tree_.root() / "saved.txt").string();
  }
  void WriteLog(const fixture::RcLogValues& log) { fixture::WriteRcLog(tree_, log); }

  // An interactive Save RC, or with `limit` the single "sr" run. The
  // interactive one carries a record limit of 10 too, which it must ignore.
  int Save(const std::string& input, ViewMode mode, const std::string& file, std::optional<std::int32_t> limit = {}) {
    fixture::ScreenHarness harness(input, mode);
    harness.options.outputFile = file;
    harness.options.recordLimit = limit.value_or(10);
    harness.options.singleCommand = limit.has_value();
    harness.options.saveRcRun = limit.has_value();
    Screen screen = harness.screen();
    const int result = SaveRc(screen, FakeRcLookup);
    shown_ = harness.shown();
    return result;
  }
  std::string Saved() const { return fixture::ReadWholeFile(output_); }

  fixture::FixtureTree tree_;
  std::string output_;
  std::string shown_;
};

// A wrapped log of 3000 records holds its newest 2048; the single run
// writes the newest COUNT of them, the interactive one all.
TEST_F(SaveRcTest, RecordLimitOfTheSingleRunOnly) {
  WriteLog(fixture::NumberedRcLog(3000));
  const std::pair<std::optional<std::int32_t>, std::uint32_t> cases[] = {
      {10, 10}, {0, 2048}, {-5, 1}, {5000, 2048}, {std::nullopt, 2048}};
  for (const auto& [limit, lines] : cases) {
    Save(limit ? "" : "y\n\n", ViewMode::kUser, output_, limit);
    EXPECT_EQ(limit ? "" : kAsked + std::string("\nRC LOG saved.(file : ") + output_ + ")\nPRESS ENTER KEY\n", shown_);
    const std::string saved = Saved();
    EXPECT_EQ(lines, CountOf(saved, " 0A0B0C0D\n")) << lines;
    EXPECT_EQ(0u, saved.find(std::string(kIdentity) + kUserHeadingText + "01/09/09 02:36:39     01 0203 04 00000BB7"));
    char last[40];
    std::snprintf(last, sizeof last, " %08X 0A0B0C0D\n", 3000 - lines);
    const std::string tail = last + std::string(kEndLine);
    EXPECT_EQ(tail, saved.substr(saved.size() - tail.size())) << lines;
  }
}

TEST_F(SaveRcTest, NotConfirmedWritesNothing) {
  WriteLog(fixture::NumberedRcLog(3));
  for (const char* input : {"n\n", "yes\n", "\n", ""}) {
    EXPECT_EQ(1, Save(input, ViewMode::kCe, output_)) << input;
    EXPECT_FALSE(std::filesystem::exists(output_)) << input;
  }
}

TEST_F(SaveRcTest, MissingAndEmptyLogsSaveNoCasesAndTheDefaultFileIsReplaced) {
  const std::filesystem::path defaultFile = tree_.VrkLogDir() / "rclog.txt";
  tree_.WriteFile(defaultFile, std::string(5000, 'x'));
  EXPECT_EQ(1, Save("y\n\n", ViewMode::kUser, ""));
  EXPECT_EQ(std::string(kAsked) + "\nRC LOG saved.(file : " + defaultFile.string() + ")\nPRESS ENTER KEY\n", shown_);
  EXPECT_EQ(std::string(kIdentity) + "RC is 0 cases.\n", fixture::ReadWholeFile(defaultFile));
  fixture::RcLogValues negative = fixture::NumberedRcLog(3);
  negative.recordCount = 0x8000;
  WriteLog(negative);
  EXPECT_EQ(1, Save("", ViewMode::kCe, output_, 0));
  EXPECT_EQ(std::string(kIdentity) + "RC is 0 cases.\n", Saved());
}

// A file that can't be created, or a device that takes nothing, is not
// reported as saved (a write error on a file: export_e2e_test).
TEST_F(SaveRcTest, FileThatCannotBeCreatedOrWritten) {
  WriteLog(fixture::NumberedRcLog(200));
  const std::string file = (tree_.root() / "no-such-folder" / "rc.txt").string();
  EXPECT_EQ(1, Save("y\n\n", ViewMode::kCe, file));
  EXPECT_EQ(kAsked + std::string("\nRC LOG save file open failed.\nPRESS ENTER KEY\n"), shown_);
  EXPECT_EQ(1, Save("", ViewMode::kUser, file, 0));
  EXPECT_EQ("RC LOG save file open failed.\n", shown_);
  EXPECT_EQ(1, Save("", ViewMode::kUser, "/dev/full", 0));
  EXPECT_EQ("RC LOG save file write failed.\n", shown_);
}

}  // namespace
}  // namespace rcv
