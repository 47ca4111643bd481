// The RC screens through the handlers that the command table calls, against
// a real dictionary file.
#include "rclog/display_rc.h"

#include <gtest/gtest.h>

#include "fixture/fixture_tree.h"
#include "fixture/rc_log_writer.h"
#include "fixture/screen_harness.h"
#include "rclog/rc_test_support.h"
#include "rclog/save_rc.h"

namespace rcv {
namespace {

// Knows the fixture's numbered RC 0 only.
constexpr const char* kDictionary =
    "RC-CODE,0102030400000000\n"
    "SET,%RC-NAME,FAN_STOP\n"
    "COMMENT,%UNIT,FAN\n"
    "COMMENT,%FRU,FANUNIT\n"
    "COMMENT,%ACT,R\n"
    "COMMENT,%WEIGHT,90\n"
    "COMMENT,%MSG,Fan stopped.\n";

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

TEST_F(DisplayRcTest, UserModeShowsTheListOnceWithoutMenu) {
  EXPECT_EQ(std::string(kUserHeadingText) +
                "01/09/09 01:46:41     01 0203 04 00000001 0A0B0C0D\n"
                "01/09/09 01:46:40     01 0203 04 00000000 0A0B0C0D\n"
                "--- End of data. ---\n-- (q:quit) --\n\n",
            Display("q\n0\n", ViewMode::kUser, -1));
}

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

TEST_F(DisplayRcTest, ErasedLogListsNoCases) {
  EXPECT_EQ(kFirstMenu + "\n--- RC Log Erase ---\n\nErase RC LOG ? (y/[n]) : \nRC LOG erased.\nPRESS ENTER KEY\n\n" +
                kMenu + "\n\nRC is 0 cases.\n\nPRESS ENTER KEY\n\n" + kMenu + "\n\n",
            Display("2\ny\n\n0\n\nq\n"));
  EXPECT_EQ(fixture::kRcLogImageSize, fixture::ReadWholeFile(tree_.VrkLogDir() / "rc.log").size());
}

TEST_F(DisplayRcTest, DictionaryReferenceShowsTheEntry) {
  EXPECT_EQ(kFirstMenu +
                "Enter RC ([quit]) :\n\n"
                "RC      : 01 0203 04 00000000 FFFFFFFF\n"
                "RC NAME : FAN_STOP\n"
                "--- COMMENT ---\n"
                "Fan stopped.\n"
                "\n"
                "FRU(1/1) +---------+-----------------+--------+----------+\n"
                "         |   UNIT  |  FRU MNIMONIC   | ACTION | PRIORITY |\n"
                "         +---------+-----------------+--------+----------+\n"
                "         | FAN     | FANUNIT         |  R     |   90     |\n"
                "         +---------+-----------------+--------+----------+\n"
                "---------- End of data ----------\n"
                "PRESS ENTER KEY\n\n" +
                kMenu + "\n\n",
            Display("1\n01 0203 04 00000000 FFFFFFFF\n\nq\n"));
}

TEST_F(DisplayRcTest, UnknownRcAndMissingDictionary) {
  const std::pair<const char*, const char*> cases[] = {
      {"1\n01 0203 04 00000001 0A0B0C0D\n\nq\n", "RC Not Hit. ( 01 0203 04 00000001 0A0B0C0D )\n"},
      {"1\n01 0203 04 00000000 0A0B0C0D\n\nq\n", "RC Search error. ( 01 0203 04 00000000 0A0B0C0D )\n"}};
  // The second runs without the dictionary file.
  for (const auto& [input, failure] : cases) {
    EXPECT_EQ(kFirstMenu + "Enter RC ([quit]) :\n" + failure + "PRESS ENTER KEY\n\n" + kMenu + "\n\n", Display(input));
    std::filesystem::remove(tree_.DictionaryDir() / "rcdicttbl.csv");
  }
}

TEST_F(DisplayRcTest, SavedTextCarriesTheNames) {
  fixture::ScreenHarness harness("", ViewMode::kCe);
  harness.options.singleCommand = true;
  harness.options.saveRcRun = true;
  harness.options.outputFile = (tree_.root() / "rc.txt").string();
  Screen screen = harness.screen();
  EXPECT_EQ(1, SaveRc(screen));
  EXPECT_EQ("", harness.shown());
  const std::string saved = fixture::ReadWholeFile(tree_.root() / "rc.txt");
  EXPECT_NE(std::string::npos,
            saved.find(std::string(kCeHeadingText) +
                       "01/09/09 01:46:41  01 01 0203 04 00000001 0A0B0C0D   LMON_DETECTION_FAILURE\n"
                       "01/09/09 01:46:40  01 01 0203 04 00000000 0A0B0C0D   FAN_STOP\n"
                       "--- End of data. ---\n"))
      << saved;
}

}  // namespace
}  // namespace rcv
