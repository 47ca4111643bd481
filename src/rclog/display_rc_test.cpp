#include "rclog/display_rc.h"

#include <gtest/gtest.h>

#include "fixture/fixture_tree.h"
#include "fixture/rc_log_writer.h"
#include "fixture/screen_harness.h"
#include "rclog/rc_test_support.h"

namespace rcv {
namespace {

// The menu answer is echoed, then an empty line follows.
constexpr const char* kAnswered = "\n\n";

class DisplayRcTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree_.WriteSetup();
    tree_.Activate();
    fixture::WriteRcLog(tree_, fixture::NumberedRcLog(2));
  }
  int Display(const std::string& input, ViewMode mode) {
    fixture::ScreenHarness harness(input, mode);
    Screen screen = harness.screen();
    const int result = DisplayRc(screen, FakeRcLookup);
    shown_ = harness.shown();
    return result;
  }

  fixture::FixtureTree tree_;
  std::string shown_;
};

TEST_F(DisplayRcTest, UserModeShowsTheListOnceWithoutMenu) {
  EXPECT_EQ(-1, Display("q\n0\n", ViewMode::kUser));
  EXPECT_EQ(std::string(kUserHeadingText) +
                "01/09/09 01:46:41     01 0203 04 00000001 0A0B0C0D\n"
                "01/09/09 01:46:40     01 0203 04 00000000 0A0B0C0D\n"
                "--- End of data. ---\n-- (q:quit) --\n\n",
            shown_);
}

TEST_F(DisplayRcTest, CeModeListsAndComesBackToTheMenu) {
  EXPECT_EQ(1, Display("0\nq\nq\n", ViewMode::kCe));
  EXPECT_EQ(std::string(kDisplayRcTitleText) + kDisplayRcMenuText + kAnswered + kCeHeadingText +
                "01/09/09 01:46:41  01 01 0203 04 00000001 0A0B0C0D   LMON_DETECTION_FAILURE\n"
                "01/09/09 01:46:40  01 01 0203 04 00000000 0A0B0C0D   RC_NAME_0\n"
                "--- End of data. ---\n-- (q:quit) --\n\n" +
                kDisplayRcMenuText + kAnswered,
            shown_);
}

TEST_F(DisplayRcTest, EveryOtherAnswerLeavesTheMenu) {
  for (const char* input : {"3\n", "q\n", "x\n", "\n", "00\n", " 0\n"}) {
    EXPECT_EQ(1, Display(input, ViewMode::kCe)) << input;
    EXPECT_EQ(std::string(kDisplayRcTitleText) + kDisplayRcMenuText + kAnswered, shown_) << input;
  }
}

TEST_F(DisplayRcTest, EndOfInputLeavesTheMenu) {
  EXPECT_EQ(1, Display("", ViewMode::kCe));
  EXPECT_EQ(std::string(kDisplayRcTitleText) + kDisplayRcMenuText + "\n", shown_);
}

TEST_F(DisplayRcTest, ErasedLogListsNoCases) {
  EXPECT_EQ(1, Display("2\ny\n\n0\n\nq\n", ViewMode::kCe));
  EXPECT_EQ(std::string(kDisplayRcTitleText) + kDisplayRcMenuText + kAnswered + "\n--- RC Log Erase ---\n\n" +
                "Erase RC LOG ? (y/[n]) : \nRC LOG erased.\nPRESS ENTER KEY\n\n" + kDisplayRcMenuText + kAnswered +
                "RC is 0 cases.\n\nPRESS ENTER KEY\n\n" + kDisplayRcMenuText + kAnswered,
            shown_);
  EXPECT_EQ(fixture::kRcLogImageSize, fixture::ReadWholeFile(tree_.VrkLogDir() / "rc.log").size());
}

TEST_F(DisplayRcTest, DictionaryItemAsksForAnRc) {
  EXPECT_EQ(1, Display("1\nq\nq\n", ViewMode::kCe));
  EXPECT_EQ(std::string(kDisplayRcTitleText) + kDisplayRcMenuText + kAnswered + "Enter RC ([quit]) :\n\n" +
                kDisplayRcMenuText + kAnswered,
            shown_);
}

}  // namespace
}  // namespace rcv
