// The RC screens against a real dictionary file, through the handlers that
// the command table calls.
#include <gtest/gtest.h>

#include "fixture/fixture_tree.h"
#include "fixture/rc_log_writer.h"
#include "fixture/screen_harness.h"
#include "rclog/display_rc.h"
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

class RcDictionaryNamesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree_.WriteSetup();
    tree_.Activate();
    fixture::WriteRcLog(tree_, fixture::NumberedRcLog(2));
  }
  void WriteDictionary() { tree_.WriteFile(tree_.DictionaryDir() / "rcdicttbl.csv", std::string(kDictionary)); }

  fixture::FixtureTree tree_;
};

TEST_F(RcDictionaryNamesTest, ListNamesKnownRcsOnly) {
  WriteDictionary();
  fixture::ScreenHarness harness("0\nq\nq\n", ViewMode::kCe);
  Screen screen = harness.screen();
  EXPECT_EQ(1, DisplayRc(screen));
  EXPECT_EQ(std::string(kDisplayRcTitleText) + kDisplayRcMenuText + "\n\n" + kCeHeadingText +
                "01/09/09 01:46:41  01 01 0203 04 00000001 0A0B0C0D   LMON_DETECTION_FAILURE\n"
                "01/09/09 01:46:40  01 01 0203 04 00000000 0A0B0C0D   FAN_STOP\n"
                "--- End of data. ---\n-- (q:quit) --\n\n" +
                kDisplayRcMenuText + "\n\n",
            harness.shown());
}

TEST_F(RcDictionaryNamesTest, DictionaryReferenceShowsTheEntry) {
  WriteDictionary();
  fixture::ScreenHarness harness("1\n01 0203 04 00000000 FFFFFFFF\n\nq\n", ViewMode::kCe);
  Screen screen = harness.screen();
  EXPECT_EQ(1, DisplayRc(screen));
  EXPECT_EQ(std::string(kDisplayRcTitleText) + kDisplayRcMenuText + "\n\nEnter RC ([quit]) :\n\n" +
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
                kDisplayRcMenuText + "\n\n",
            harness.shown());
}

TEST_F(RcDictionaryNamesTest, UnknownRcAndMissingDictionary) {
  WriteDictionary();
  {
    fixture::ScreenHarness harness("1\n01 0203 04 00000001 0A0B0C0D\n\nq\n", ViewMode::kCe);
    Screen screen = harness.screen();
    DisplayRc(screen);
    EXPECT_NE(std::string::npos, harness.shown().find("\nRC Not Hit. ( 01 0203 04 00000001 0A0B0C0D )\nPRESS"));
  }
  std::filesystem::remove(tree_.DictionaryDir() / "rcdicttbl.csv");
  fixture::ScreenHarness harness("1\n01 0203 04 00000000 0A0B0C0D\n\nq\n", ViewMode::kCe);
  Screen screen = harness.screen();
  DisplayRc(screen);
  EXPECT_NE(std::string::npos, harness.shown().find("\nRC Search error. ( 01 0203 04 00000000 0A0B0C0D )\nPRESS"));
}

TEST_F(RcDictionaryNamesTest, SavedTextCarriesTheNames) {
  WriteDictionary();
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
