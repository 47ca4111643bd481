// The RC screens through the handlers that the command table calls, against
// a real dictionary file.
#include "rclog/display_rc.h"

#include <gtest/gtest.h>

#include "fixture/fixture_tree.h"
#include "fixture/rc_log_writer.h"
#include "rclog/rc_test_support.h"
#include "support/screen_harness.h"

namespace rcv {
namespace {

// Knows the fixture's numbered RC 0 only.
constexpr const char* kDictionary = "RC-CODE,0102030400000000\nSET,%RC-NAME,FAN_STOP\n";

const std::string kMenu =
    "-------- Display RC Menu --------\n"
    " 0 . RC List Display. (history)\n"
    " 1 . RC DICT Refer.\n"
    " 2 . RC LOG Erase.\n"
    " q . quit\n"
    "\n"
    "(0-2, [q]) : ";
// The title, the menu, the echoed line end of the answer and an empty line.
const std::string kFirstMenu = "\n<<Display RCs- Display Reference Code log and detail RCs>>\n\n" + kMenu + "\n\n";

class DisplayRcTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree_.WriteSetup();
    tree_.Activate();
    fixture::WriteRcLog(tree_, fixture::NumberedRcLog(2));
    tree_.WriteFile(tree_.DictionaryDir() / "rcdicttbl.csv", std::string(kDictionary));
  }
  std::string Display(const std::string& input, ViewMode mode = ViewMode::kCe, int result = 1) {
    fixture::ScreenHarness harness(input, mode);
    Screen screen = harness.screen();
    EXPECT_EQ(result, DisplayRc(screen)) << input;
    return harness.shown();
  }

  fixture::FixtureTree tree_;
};

TEST_F(DisplayRcTest, ListNamesKnownRcsOnlyAndComesBackToTheMenu) {
  EXPECT_EQ(kFirstMenu + kCeHeadingText +
                "01/09/09 01:46:41  01 01 0203 04 00000001 0A0B0C0D   LMON_DETECTION_FAILURE\n"
                "01/09/09 01:46:40  01 01 0203 04 00000000 0A0B0C0D   FAN_STOP\n"
                "--- End of data. ---\n-- (q:quit) --\n\n" +
                kMenu + "\n\n",
            Display("0\nq\nq\n"));
}

TEST_F(DisplayRcTest, EveryOtherAnswerAndTheEndOfInputLeaveTheMenu) {
  for (const char* input : {"3\n", "q\n", "x\n", "\n", "00\n", " 0\n"}) EXPECT_EQ(kFirstMenu, Display(input)) << input;
  EXPECT_EQ(kFirstMenu.substr(0, kFirstMenu.size() - 1), Display(""));
}

}  // namespace
}  // namespace rcv
