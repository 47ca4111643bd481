#include "sel/display_sel.h"

#include <gtest/gtest.h>

#include "fixture/fixture_tree.h"
#include "fixture/sel_log_writer.h"
#include "sel/sel_log.h"
#include "support/screen_harness.h"

namespace rcv {
namespace {

constexpr std::string_view kHeading =
    "date/time           RID  RT GID  ER ST/# ET Event \n"
    "------------------  ---- -- ---- -- ---- -- ------\n";
constexpr std::string_view kMenu =
    "-------- Display SEL Menu --------\n"
    " 0 . Display SEL history\n"
    " q . quit\n"
    "\n"
    "(0, [q]) : ";
constexpr std::string_view kTitle = "\n<<Display SELs- Display SEL history.>>\n\n";

class DisplaySelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree_.WriteSetup();
    tree_.Activate();
  }

  void WriteLog(const fixture::SelLogValues& values) {
    tree_.WriteFile(tree_.VrkLogDir() / "sel.log", fixture::BuildSelLog(values));
  }

  static fixture::SelLogValues TwoEntries() {
    fixture::SelLogValues values;
    values.newestIndex = 1;
    values.slots.resize(2);
    values.slots[0] = {.recordId = 0x0001, .timestamp = 1000000000, .sensorType = 0x01};
    values.slots[1] = {.recordId = 0x0002, .timestamp = 1000000060, .sensorType = 0x02};
    return values;
  }

  // The single command "ds" with "-f" naming `file` in the tree.
  void SetUpExport(fixture::ScreenHarness& harness, std::string_view file) const {
    harness.options.singleCommand = true;
    harness.options.selRun = true;
    harness.options.outputFile = (tree_.root() / file).string();
  }

  fixture::FixtureTree tree_;
};

constexpr std::string_view kTwoLines =
    "01/09/09 01:47:40   0200 02 2000 04 0200 00 000000\n"
    "01/09/09 01:46:40   0100 02 2000 04 0100 00 000000\n";

TEST_F(DisplaySelTest, EndOfInputLeavesTheMenu) {
  fixture::ScreenHarness harness("");
  Screen screen = harness.screen();
  EXPECT_EQ(1, DisplaySel(screen));
  EXPECT_EQ(std::string(kTitle) + std::string(kMenu) + "\n", harness.shown());
}

// A log whose header fails its checks pauses and says so (the open and read
// failures: sel_e2e_test).
TEST_F(DisplaySelTest, InvalidLogPausesAndSaysSo) {
  fixture::SelLogValues never = TwoEntries(), badMark = TwoEntries(), outside = TwoEntries();
  never.newestIndex = 0xFFFFFFFF;
  badMark.validity = 0x00;
  outside.newestIndex = 512;
  for (const fixture::SelLogValues& values : {never, badMark, outside}) {
    WriteLog(values);
    fixture::ScreenHarness harness("\n");
    Screen screen = harness.screen();
    EXPECT_EQ(-1, ShowSelHistory(screen));
    EXPECT_EQ("SEL LOG invalid.\nPRESS ENTER KEY\n\n", harness.shown());
  }
}

TEST_F(DisplaySelTest, ExportGoesToTheFileWithItsEndLine) {
  WriteLog(TwoEntries());
  fixture::ScreenHarness harness("");
  SetUpExport(harness, "sel.txt");
  Screen screen = harness.screen();
  EXPECT_EQ(1, DisplaySel(screen));
  EXPECT_EQ("\n", harness.shown());
  EXPECT_EQ(std::string(kHeading) + std::string(kTwoLines) + "--- End of data. ---\n", tree_.ReadFile("sel.txt"));
}

// A file that can't be opened, and a device that takes nothing.
TEST_F(DisplaySelTest, UnopenableOrUnwritableExportFileIsReported) {
  WriteLog(TwoEntries());
  for (const auto& [file, shown] : {std::pair{"no/such/dir/sel.txt", "SEL LOG save file open failed.\n\n"},
                                    std::pair{"/dev/full", "SEL LOG save file write failed.\n\n"}}) {
    fixture::ScreenHarness harness("");
    SetUpExport(harness, file);
    Screen screen = harness.screen();
    EXPECT_EQ(-1, ShowSelHistory(screen)) << file;
    EXPECT_EQ(shown, harness.shown()) << file;
  }
}

}  // namespace
}  // namespace rcv
