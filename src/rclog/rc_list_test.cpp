#include "rclog/rc_list.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "fixture/fixture_tree.h"
#include "fixture/rc_log_writer.h"
#include "rclog/rc_test_support.h"
#include "support/screen_harness.h"

namespace rcv {
namespace {

// The user-mode lines of numbered records newest down to oldest (below 20)
// of a NumberedRcLog.
std::string UserLines(int newest, int oldest) {
  std::string lines;
  for (int n = newest; n >= oldest; --n) {
    char line[80];
    std::snprintf(line, sizeof line, "01/09/09 01:46:%02d     01 0203 04 %08X 0A0B0C0D\n", 40 + n, n);
    lines += line;
  }
  return lines;
}

class RcListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree_.WriteSetup();
    tree_.Activate();
  }
  void WriteLog(const fixture::RcLogValues& log) { fixture::WriteRcLog(tree_, log); }
  int Show(fixture::ScreenHarness& harness) {
    Screen screen = harness.screen();
    return ShowRcList(screen, FakeRcLookup);
  }

  fixture::FixtureTree tree_;
};

TEST_F(RcListTest, PagesOfSixteenAndOnlyQuitLeavesTheLastPage) {
  WriteLog(fixture::NumberedRcLog(17));
  fixture::ScreenHarness harness("\nx\n\nquit\n", ViewMode::kUser);
  EXPECT_EQ(1, Show(harness));
  EXPECT_EQ(std::string(kUserHeadingText) + UserLines(16, 1) + "-- more (q:quit) --\n\n" + kUserHeadingText +
                UserLines(0, 0) + "--- End of data. ---\n-- (q:quit) --\n\n-- (q:quit) --\n\n-- (q:quit) --\n\n",
            harness.shown());
}

TEST_F(RcListTest, EndOfInputLeavesTheList) {
  WriteLog(fixture::NumberedRcLog(40));
  fixture::ScreenHarness harness("\n", ViewMode::kUser);
  EXPECT_EQ(1, Show(harness));
  EXPECT_EQ(2u, CountOf(harness.shown(), "-- more (q:quit) --\n"));
}

TEST_F(RcListTest, LevelStampAndNameColumnsOfBothModes) {
  const std::pair<std::uint32_t, std::string> records[] = {{1'000'000'000, "U1"},
                                                           {0, "A2"},
                                                           {0x20000001, "\xFF\xFF"},
                                                           {0xFFFFFFFF, std::string("\0\0", 2)},
                                                           {1'234'567'890, "B"}};
  fixture::RcLogValues log;
  for (std::uint32_t n = 0; n < std::size(records); ++n) {
    fixture::AppendRcRecord(log,
                            {.timestamp = records[n].first, .level = records[n].second, .rc = fixture::NumberedRc(n)});
  }
  WriteLog(log);
  // In CE mode a level cut short by a zero byte shows what comes before the
  // zero and one blank; 0xFF 0xFF shows three blanks.
  const std::pair<ViewMode, std::string> screens[] = {
      {ViewMode::kUser, std::string(kUserHeadingText) + "09/02/13 23:31:30     01 0203 04 00000004 0A0B0C0D\n"
                                                        "pre init timestamp    01 0203 04 00000003 0A0B0C0D\n"
                                                        "87/01/05 18:48:33     01 0203 04 00000002 0A0B0C0D\n"
                                                        "pre init timestamp    01 0203 04 00000001 0A0B0C0D\n"
                                                        "01/09/09 01:46:40  ** 01 0203 04 00000000 0A0B0C0D\n"},
      {ViewMode::kCe, std::string(kCeHeadingText) +
                          "09/02/13 23:31:30  B 01 0203 04 00000004 0A0B0C0D   RC_NAME_4\n"
                          "pre init timestamp  01 0203 04 00000003 0A0B0C0D   LMON_DETECTION_FAILURE\n"
                          "87/01/05 18:48:33     01 0203 04 00000002 0A0B0C0D   LMON_DETECTION_FAILURE\n"
                          "pre init timestamp A2 01 0203 04 00000001 0A0B0C0D   LMON_DETECTION_FAILURE\n"
                          "01/09/09 01:46:40  U1 01 0203 04 00000000 0A0B0C0D   RC_NAME_0\n"}};
  for (const auto& [mode, lines] : screens) {
    fixture::ScreenHarness harness("q\n", mode);
    Show(harness);
    EXPECT_EQ(lines + "--- End of data. ---\n-- (q:quit) --\n\n", harness.shown());
  }
}

}  // namespace
}  // namespace rcv
