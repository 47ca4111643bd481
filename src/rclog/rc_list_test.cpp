#include "rclog/rc_list.h"

#include <gtest/gtest.h>

#include "fixture/fixture_tree.h"
#include "fixture/rc_log_writer.h"
#include "fixture/screen_harness.h"
#include "rclog/rc_test_support.h"

namespace rcv {
namespace {

// The user-mode line of numbered record n (n below 20) of a NumberedRcLog.
std::string UserLine(int n) {
  char line[80];
  std::snprintf(line, sizeof line, "01/09/09 01:46:%02d     01 0203 04 %08X 0A0B0C0D\n", 40 + n, n);
  return line;
}

std::string UserLines(int newest, int oldest) {
  std::string lines;
  for (int n = newest; n >= oldest; --n) lines += UserLine(n);
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

TEST_F(RcListTest, UnwrappedLogOnOnePageNewestFirst) {
  WriteLog(fixture::NumberedRcLog(3));
  fixture::ScreenHarness harness("q\n", ViewMode::kUser);
  EXPECT_EQ(1, Show(harness));
  EXPECT_EQ(std::string(kUserHeadingText) + UserLines(2, 0) + "--- End of data. ---\n-- (q:quit) --\n\n",
            harness.shown());
}

TEST_F(RcListTest, PagesOfSixteenAndOnlyQuitLeavesTheLastPage) {
  WriteLog(fixture::NumberedRcLog(17));
  fixture::ScreenHarness harness("\nx\n\nquit\n", ViewMode::kUser);
  EXPECT_EQ(1, Show(harness));
  EXPECT_EQ(std::string(kUserHeadingText) + UserLines(16, 1) + "-- more (q:quit) --\n\n" + kUserHeadingText +
                UserLine(0) + "--- End of data. ---\n-- (q:quit) --\n\n-- (q:quit) --\n\n-- (q:quit) --\n\n",
            harness.shown());
}

TEST_F(RcListTest, ExactlySixteenRecordsEndOnTheFirstPage) {
  WriteLog(fixture::NumberedRcLog(16));
  fixture::ScreenHarness harness("Q\n", ViewMode::kUser);
  EXPECT_EQ(1, Show(harness));
  EXPECT_EQ(std::string(kUserHeadingText) + UserLines(15, 0) + "--- End of data. ---\n-- (q:quit) --\n\n",
            harness.shown());
}

TEST_F(RcListTest, WrappedRingStartsBeforeTheNextSlotAndWrapsBelowSlotZero) {
  fixture::RcLogValues log = fixture::NumberedRcLog(5);
  // Move the five records to slots 0, 2047, 2046, 2045, 2044.
  log.slots = {{0, log.slots.at(4)},
               {2047, log.slots.at(3)},
               {2046, log.slots.at(2)},
               {2045, log.slots.at(1)},
               {2044, log.slots.at(0)}};
  log.nextSlot = 1;
  WriteLog(log);
  fixture::ScreenHarness harness("q\n", ViewMode::kUser);
  Show(harness);
  EXPECT_EQ(std::string(kUserHeadingText) + UserLines(4, 0) + "--- End of data. ---\n-- (q:quit) --\n\n",
            harness.shown());
}

TEST_F(RcListTest, FullRingIsOneHundredTwentyEightPages) {
  WriteLog(fixture::NumberedRcLog(2048));
  fixture::ScreenHarness harness(std::string(127, '\n') + "q\n", ViewMode::kUser);
  EXPECT_EQ(1, Show(harness));
  const std::string shown = harness.shown();
  EXPECT_EQ(128u, CountOf(shown, "date/time"));
  EXPECT_EQ(127u, CountOf(shown, "-- more (q:quit) --\n"));
  EXPECT_EQ(2048u, CountOf(shown, " 0A0B0C0D\n"));
  EXPECT_EQ(1u, CountOf(shown, "--- End of data. ---\n-- (q:quit) --\n\n"));
}

TEST_F(RcListTest, CountAboveTheRingListsOnlyTheNewest2048) {
  WriteLog(fixture::NumberedRcLog(5000));
  fixture::ScreenHarness harness(std::string(200, '\n'), ViewMode::kUser);
  EXPECT_EQ(1, Show(harness));
  const std::string shown = harness.shown();
  EXPECT_EQ(2048u, CountOf(shown, " 0A0B0C0D\n"));
  EXPECT_EQ(0u, shown.find(std::string(kUserHeadingText) + "01/09/09 03:09:59     01 0203 04 00001387 0A0B0C0D\n"))
      << shown.substr(0, 200);
  EXPECT_NE(std::string::npos, shown.find(" 00000B88 0A0B0C0D\n--- End of data. ---\n"));
}

TEST_F(RcListTest, EmptyAndNegativeCountsShowNoCases) {
  for (std::uint16_t count : {std::uint16_t{0}, std::uint16_t{0x8000}, std::uint16_t{0xFFFF}}) {
    fixture::RcLogValues log = fixture::NumberedRcLog(3);
    log.recordCount = count;
    WriteLog(log);
    fixture::ScreenHarness harness("\n", ViewMode::kCe);
    EXPECT_EQ(1, Show(harness));
    EXPECT_EQ("RC is 0 cases.\n\nPRESS ENTER KEY\n\n", harness.shown()) << count;
  }
}

TEST_F(RcListTest, MissingLogShowsNoCases) {
  fixture::ScreenHarness harness("", ViewMode::kUser);
  EXPECT_EQ(1, Show(harness));
  EXPECT_EQ("RC is 0 cases.\n\nPRESS ENTER KEY\n\n", harness.shown());
}

TEST_F(RcListTest, ShortLogFailsWithoutPause) {
  std::vector<std::uint8_t> image = fixture::RcLogBytes(fixture::NumberedRcLog(3));
  image.pop_back();
  tree_.WriteFile(tree_.VrkLogDir() / "rc.log", image);
  fixture::ScreenHarness harness("q\n", ViewMode::kUser);
  EXPECT_EQ(-1, Show(harness));
  EXPECT_EQ("RC LOG read failed.\n", harness.shown());
}

TEST_F(RcListTest, EndOfInputLeavesTheList) {
  WriteLog(fixture::NumberedRcLog(40));
  fixture::ScreenHarness harness("\n", ViewMode::kUser);
  EXPECT_EQ(1, Show(harness));
  EXPECT_EQ(2u, CountOf(harness.shown(), "-- more (q:quit) --\n"));
}

// Levels and stamps as both modes show them.
fixture::RcLogValues MixedLog() {
  fixture::RcLogValues log;
  const std::array<std::pair<std::uint32_t, const char*>, 5> records = {{
      {1'000'000'000, "U1"},
      {0, "A2"},
      {0x20000001, "\xFF\xFF"},
      {0xFFFFFFFF, std::string("\0\0", 2).c_str()},
      {1'234'567'890, "B"},
  }};
  for (std::size_t n = 0; n < records.size(); ++n) {
    fixture::RcLogRecordValues record;
    record.timestamp = records[n].first;
    record.level = n == 3 ? std::string("\0\0", 2) : records[n].second;
    record.rc = fixture::NumberedRc(static_cast<std::uint32_t>(n));
    fixture::AppendRcRecord(log, record);
  }
  return log;
}

TEST_F(RcListTest, UserModeMarksLevelsBeginningWithU) {
  WriteLog(MixedLog());
  fixture::ScreenHarness harness("q\n", ViewMode::kUser);
  Show(harness);
  EXPECT_EQ(std::string(kUserHeadingText) +
                "09/02/13 23:31:30     01 0203 04 00000004 0A0B0C0D\n"
                "pre init timestamp    01 0203 04 00000003 0A0B0C0D\n"
                "87/01/05 18:48:33     01 0203 04 00000002 0A0B0C0D\n"
                "pre init timestamp    01 0203 04 00000001 0A0B0C0D\n"
                "01/09/09 01:46:40  ** 01 0203 04 00000000 0A0B0C0D\n"
                "--- End of data. ---\n-- (q:quit) --\n\n",
            harness.shown());
}

TEST_F(RcListTest, CeModeShowsLevelsAndNames) {
  WriteLog(MixedLog());
  fixture::ScreenHarness harness("q\n", ViewMode::kCe);
  Show(harness);
  // A level cut short by a zero byte shows what comes before the zero and
  // one blank; 0xFF 0xFF shows three blanks.
  EXPECT_EQ(std::string(kCeHeadingText) +
                "09/02/13 23:31:30  B 01 0203 04 00000004 0A0B0C0D   RC_NAME_4\n"
                "pre init timestamp  01 0203 04 00000003 0A0B0C0D   LMON_DETECTION_FAILURE\n"
                "87/01/05 18:48:33     01 0203 04 00000002 0A0B0C0D   LMON_DETECTION_FAILURE\n"
                "pre init timestamp A2 01 0203 04 00000001 0A0B0C0D   LMON_DETECTION_FAILURE\n"
                "01/09/09 01:46:40  U1 01 0203 04 00000000 0A0B0C0D   RC_NAME_0\n"
                "--- End of data. ---\n-- (q:quit) --\n\n",
            harness.shown());
}

}  // namespace
}  // namespace rcv
