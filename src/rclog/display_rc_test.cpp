// The Display RC menu's answers; its list and dictionary reference are shown
// whole from the menu by the terminal test.
#include "rclog/display_rc.h"

#include <gtest/gtest.h>

#include "fixture/fixture_tree.h"
#include "support/screen_harness.h"

namespace rcv {
namespace {

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
  }
  std::string Display(const std::string& input) {
    fixture::ScreenHarness harness(input, ViewMode::kCe);
    Screen screen = harness.screen();
    EXPECT_EQ(1, DisplayRc(screen)) << input;
    return harness.shown();
  }

  fixture::FixtureTree tree_;
};

TEST_F(DisplayRcTest, EveryOtherAnswerAndTheEndOfInputLeaveTheMenu) {
  for (const char* input : {"3\n", "q\n", "x\n", "\n", "00\n", " 0\n"}) EXPECT_EQ(kFirstMenu, Display(input)) << input;
  EXPECT_EQ(kFirstMenu.substr(0, kFirstMenu.size() - 1), Display(""));
}

}  // namespace
}  // namespace rcv
