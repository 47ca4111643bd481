// The RC log screens in the built program: the user run, the single Save RC
// run with its options, and the erase from the CE menu.
#include <gtest/gtest.h>

#include "fixture/fixture_tree.h"
#include "fixture/rc_log_writer.h"
#include "run_viewer.h"

namespace rcv::e2e {
namespace {

// Knows the fixture's numbered RC 99 only.
constexpr std::string_view kDictionary = "RC-CODE,0102030400000063\nSET,%RC-NAME,FAN_STOP\n";

class RcLogE2eTest : public ViewerTest {
 protected:
  void SetUp() override {
    ViewerTest::SetUp();
    tree_.WriteFile(tree_.DictionaryDir() / "rcdicttbl.csv", kDictionary);
    fixture::WriteRcLog(tree_, fixture::NumberedRcLog(100));
  }
  std::string OutputFile() const { return (tree_.root() / "rc.txt").string(); }
};

TEST_F(RcLogE2eTest, UserRunShowsTheListOnceAndEnds) {
  fixture::WriteRcLog(tree_, fixture::NumberedRcLog(2));
  EXPECT_EQ((ViewerRun{"\n" + std::string(kIdentity) +
                           "date/time          Lv RE UID  EC Failure  Additional\n"
                           "------------------ -- -- ---- -- -------- ----------\n"
                           "01/09/09 01:46:41     01 0203 04 00000001 0A0B0C0D\n"
                           "01/09/09 01:46:40     01 0203 04 00000000 0A0B0C0D\n"
                           "--- End of data. ---\n"
                           "-- (q:quit) --\n"
                           "\n",
                       "", 1}),
            Run({}, "q\nsr\n"));
}

// The RCs the dictionary doesn't know are named by its failure text.
TEST_F(RcLogE2eTest, SingleSaveRunWritesTheNewestWithNames) {
  EXPECT_EQ((ViewerRun{"\n", "", 1}), Run({kCeAccessCode, "-o", "sr", "-c", "3", "-f", OutputFile()}));
  EXPECT_EQ(std::string(kIdentity) +
                "date/time          Lv RE UID  EC Failure  Additional RC Name\n"
                "------------------ -- -- ---- -- -------- ---------- --------------------\n"
                "01/09/09 01:48:19  01 01 0203 04 00000063 0A0B0C0D   FAN_STOP\n"
                "01/09/09 01:48:18  01 01 0203 04 00000062 0A0B0C0D   LMON_DETECTION_FAILURE\n"
                "01/09/09 01:48:17  01 01 0203 04 00000061 0A0B0C0D   LMON_DETECTION_FAILURE\n"
                "--- End of data. ---\n",
            fixture::ReadWholeFile(OutputFile()));
}

// What the dictionary prints while it names an RC stands after the RC's
// columns and before its name.
TEST_F(RcLogE2eTest, DictionaryOutputStandsBetweenTheColumnsAndTheName) {
  tree_.WriteFile(tree_.DictionaryDir() / "rcdicttbl.csv", "RC-CODE,4A01\nSET,BAD,x\nSET,%RC-NAME,NAME-4A01\n");
  fixture::RcLogValues log;
  fixture::AppendRcRecord(log, {.timestamp = 1000000000,
                                .level = "U1",
                                .rc = {0x4A, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B}});
  fixture::WriteRcLog(tree_, log);
  const ViewerRun run = Run({kCeAccessCode}, "dr\n0\nq\nq\nq\n");
  EXPECT_NE(std::string::npos, run.screen.find("01/09/09 01:46:40  U1 4A 0102 03 04050607 08090A0B   "
                                               "Ra_search cmdSet() Unexpected string [BAD]\nNAME-4A01\n"))
      << run.screen;
}

// A tree deep below the file system's root behaves as at the real roots:
// the relocation prefix neither counts against the dictionary's 79-character
// message paths nor is folded to lower case.
TEST_F(RcLogE2eTest, DeeplyRelocatedTreeFindsItsMessageFiles) {
  fixture::FixtureTree deep(tree_.root() / "Relocated-Tree-Under-A-Folder-Deep-Enough-To-Pass-The-Path-Limits");
  deep.WriteSetup();
  deep.WriteFile(deep.DictionaryDir() / "rcdicttbl.csv",
                 "RC-CODE,01020304GHIJKLMN\n"
                 "IFDEF,$N = 0\n"
                 "DSPCMT,%RC-NAME,Dsp\\Name.TXT\n"
                 "ELSE\n"
                 "GETRCMSG,%RC-NAME,MSG\\Names.txt,1\n"
                 "\\IFDEF\n");
  deep.WriteFile(deep.DictionaryDir() / "dsp" / "name.txt", "DISPLAYED\n");
  deep.WriteFile(deep.DictionaryDir() / "msg" / "names.txt", "/*S1*/\nMESSAGED\n/*E*/\n");
  fixture::WriteRcLog(deep, fixture::NumberedRcLog(2));
  const std::string output = (deep.root() / "rc.txt").string();
  EXPECT_EQ((ViewerRun{"\n", "", 1}),
            RunProgram("rcviewer", deep.root().string(), {kCeAccessCode, "-o", "sr", "-f", output}));
  const std::string saved = fixture::ReadWholeFile(output);
  EXPECT_NE(std::string::npos, saved.find("01 0203 04 00000001 0A0B0C0D   MESSAGED\n")) << saved;
  EXPECT_NE(std::string::npos, saved.find("01 0203 04 00000000 0A0B0C0D   DISPLAYED\n")) << saved;
}

TEST_F(RcLogE2eTest, EraseFromTheMenuResetsTheHeaderOnly) {
  const std::filesystem::path log = tree_.VrkLogDir() / "rc.log";
  std::string expected = fixture::ReadWholeFile(log);
  expected.replace(2, 4, std::string(4, '\0'));
  const ViewerRun run = Run({kCeAccessCode}, "dr\n2\ny\n\n0\n\nq\nq\n");
  EXPECT_EQ(1, run.exitStatus);
  EXPECT_NE(std::string::npos,
            run.screen.find("\n--- RC Log Erase ---\n\nErase RC LOG ? (y/[n]) : \nRC LOG erased.\nPRESS ENTER KEY\n"));
  EXPECT_NE(std::string::npos, run.screen.find("RC is 0 cases.\n\nPRESS ENTER KEY\n"));
  EXPECT_EQ(expected, fixture::ReadWholeFile(log));
}

}  // namespace
}  // namespace rcv::e2e
