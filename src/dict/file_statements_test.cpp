#include "dict/file_statements.h"

#include <gtest/gtest.h>

#include "dict/placeholder.h"
#include "dict/record_statements.h"
#include "dict/script_path.h"
#include "dict/statement_test_context.h"
#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

using Lines = std::vector<std::string>;

// A dictionary folder with companion files; statements run as if the
// script stood in it.
class FileStatementTest : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = (tree_.root() / "d").string() + "/"; }
  void Write(const std::string& name, std::string_view text) { tree_.WriteFile("d/" + name, text); }
  StatementTestContext Script(const Lines& lines, RunMode mode = kRcInfoRunMode) {
    return StatementTestContext(lines, dir_, mode);
  }
  // How the statements name a file of the folder that they could open
  // (lower-case names only): the folded path, or on a temporary folder with
  // capitals the folder as it is.
  std::string Opened(const std::string& name) const { return dir_ + name; }
  // How they name a file that they could not open.
  std::string Folded(const std::string& name) const {
    std::string path = dir_ + name;
    FoldPath(path);
    return path;
  }

  fixture::FixtureTree tree_;
  std::string dir_;
};

TEST_F(FileStatementTest, FileSpreadsTheKeyedRowOverTheNamedRecords) {
  Write("units.csv", "4600,MEM0,y,DIMM\n4701,CPU0,x,PROC_CARD\n4701,CPU9,z,OTHER\n");
  auto script = Script({"FILE,units.csv,4701,%UNIT,-,%FRU", "FILE,units.csv,4600,%UNIT,,%FRU"});
  script.Run(0);
  // The unquoted last field keeps its line end.
  EXPECT_EQ((Lines{"\"%UNIT\",\"CPU0\"", "\"%FRU\",\"PROC_CARD\n\""}), script.Records());
  script.Run(1);
  EXPECT_EQ((Lines{"\"%UNIT\",\"CPU0\",\"MEM0\"", "\"%FRU\",\"PROC_CARD\n\""}), script.Records());
}

TEST_F(FileStatementTest, FileKeyTakesCapturedDigitsAndBitFields) {
  Write("t.csv", "47,\"by dollar\"\nA,\"by bits\"\n");
  auto script = Script(
      {"SET,$G,4", "SET,$H,7", "FILE,t.csv,$GH,%A", "FILE,t.csv,A5(0-3),%A", "FILE,t.csv,$GQ,%A"});
  for (std::size_t i = 0; i < 5; ++i) script.Run(i);
  EXPECT_EQ((Lines{"\"%A\",\"by dollar\",\"by bits\""}), script.Records());
}

TEST_F(FileStatementTest, FileWithoutTableOrRowAddsNothing) {
  Write("t.csv", "1,a\n");
  auto script = Script({"FILE,none.csv,1,%A", "FILE,t.csv,2,%A", "FILE,T.CSV,1,%A"});
  for (std::size_t i = 0; i < 3; ++i) script.Run(i);
  EXPECT_TRUE(script.Records().empty());
}

TEST_F(FileStatementTest, FileValuesAndNamesAreCutToTheirBuffers) {
  Write("t.csv", "1,\"" + std::string(100, 'v') + "\"\n");
  auto script = Script({"FILE,t.csv,1,%" + std::string(30, 'N')});
  script.Run(0);
  EXPECT_EQ(std::string(kFileValueMax, 'v'),
            GetPlaceholder("%" + std::string(kFileRecordNameMax - 1, 'N'), 1, script.context));
}

const char kCommentFile[] =
    "/*CPU*/\n"
    "CPU line 1\r\n"
    "\n"
    "/*E*/\n"
    "  /*MEM*/  \n"
    "Memory line\n"
    "/*E*/\n";

TEST_F(FileStatementTest, CmtFileTakesTheSectionOfTheFirstTrueRow) {
  Write("cmt.txt", kCommentFile);
  auto script = Script({"CMTFILE,CMT.TXT,%MSG", "REC,1=2,MEM", "REM,passed over", "REC,1=1,CPU",
                        "REC,1=1,MEM", "\\CMTFILE", "REM,after"});
  EXPECT_EQ(5u, script.Run(0));
  EXPECT_EQ((Lines{"\"%MSG\",\"CPU line 1\",\"\""}), script.Records());
}

TEST_F(FileStatementTest, CmtFileMarkerHasItsBraceTermsExpanded) {
  Write("cmt.txt", kCommentFile);
  auto script = Script({"SET,%UNIT,MEM", "CMTFILE,cmt.txt,%C", "REC,1,{%UNIT}", "\\CMTFILE"});
  script.Run(0);
  EXPECT_EQ(3u, script.Run(1));
  EXPECT_EQ((Lines{"\"%UNIT\",\"MEM\"", "\"%C\",\"Memory line\""}), script.Records());
}

TEST_F(FileStatementTest, CmtFileWithoutItsFileStopsOnTheTrueRow) {
  auto script =
      Script({"CMTFILE,cmt.txt,%MSG", "REC,0,MEM", "REC,1,CPU", "REC,1,MEM", "\\CMTFILE"});
  EXPECT_EQ(2u, script.Run(0));
  EXPECT_TRUE(script.Records().empty());
}

TEST_F(FileStatementTest, CmtFileWithoutEndOrTrueRow) {
  Write("cmt.txt", kCommentFile);
  auto script = Script({"CMTFILE,cmt.txt,%MSG", "REC,0,CPU", "REC,1,NONE"});
  EXPECT_EQ(kBlockLineLimit + 1, script.Run(0));
  EXPECT_TRUE(script.Records().empty());
}

const char kMessageFile[] =
    "/*S101*/\n"
    "Unit %1 failed at %2\n"
    "again %1 and %3\n"
    "/*E*/\n"
    "   /*S102*/\r\n"
    "Second\r\n"
    "/*E*/\r\n"
    "/*S103*/\n"
    "unterminated\n";

TEST_F(FileStatementTest, GetRcMsgFillsArgumentMarkers) {
  Write("msg.txt", kMessageFile);
  auto script = Script({"GETRCMSG,%MSG,msg.txt,101,U1,P3"});
  testing::internal::CaptureStdout();
  script.Run(0);
  EXPECT_EQ("", testing::internal::GetCapturedStdout());
  EXPECT_EQ((Lines{"\"%MSG\",\"Unit U1 failed at P3\",\"again U1 and %3\""}), script.Records());
  EXPECT_EQ("0", script.Variable("_N"));
}

TEST_F(FileStatementTest, GetRcMsgAppendsToMsgAndReplacesOtherRecords) {
  Write("msg.txt", kMessageFile);
  auto script = Script({"GETRCMSG,%MSG,msg.txt,102", "GETRCMSG,%MSG,msg.txt,101,A",
                        "GETRCMSG,%X,msg.txt,102", "GETRCMSG,%X,msg.txt,101,B,C"});
  for (std::size_t i = 0; i < 4; ++i) script.Run(i);
  EXPECT_EQ((Lines{"\"%MSG\",\"Second\",\"Unit A failed at %2\",\"again A and %3\"",
                   "\"%X\",\"Unit B failed at C\",\"again B and %3\""}),
            script.Records());
}

TEST_F(FileStatementTest, GetRcMsgArgumentsAndSectionTakeBraceTerms) {
  Write("msg.txt", kMessageFile);
  auto script = Script({"SET,$G,1", "SET,%UNIT,CPU0", "GETRCMSG,%MSG,msg.txt,10{G},{%UNIT},{G}F"});
  for (std::size_t i = 0; i < 3; ++i) script.Run(i);
  EXPECT_EQ("Unit CPU0 failed at 1F", GetPlaceholder("%MSG", 1, script.context));
}

TEST_F(FileStatementTest, GetRcMsgOpensTheFoldedPath) {
  tree_.WriteFile("d/sub/msg.txt", kMessageFile);
  auto script = Script({"GETRCMSG,%MSG,SUB\\MSG.TXT,102"});
  script.Run(0);
  EXPECT_EQ((Lines{"\"%MSG\",\"Second\""}), script.Records());
}

TEST_F(FileStatementTest, GetRcMsgFallsBackToTheDirectoryAsItIs) {
  tree_.WriteFile("Dict/msg.txt", kMessageFile);
  StatementTestContext script({"GETRCMSG,%MSG,Msg.Txt,102"},
                              (tree_.root() / "Dict").string() + "/");
  script.Run(0);
  EXPECT_EQ((Lines{"\"%MSG\",\"Second\""}), script.Records());
}

TEST_F(FileStatementTest, GetRcMsgReportsAMissingFile) {
  auto script = Script({"SET,$_N,7", "GETRCMSG,%MSG,Gone.txt,101"});
  script.Run(0);
  testing::internal::CaptureStdout();
  script.Run(1);
  EXPECT_EQ("Ra_serch:GetRcMsg() Can't open file [" + Folded("gone.txt") + "]\n",
            testing::internal::GetCapturedStdout());
  EXPECT_EQ("7", script.Variable("_N"));
}

TEST_F(FileStatementTest, GetRcMsgReportsAMissingSection) {
  Write("msg.txt", kMessageFile);
  auto script = Script({"SET,%X,kept", "GETRCMSG,%X,msg.txt,999"});
  script.Run(0);
  testing::internal::CaptureStdout();
  script.Run(1);
  EXPECT_EQ("Ra_serch:GetRcMsg() Can't find [/*S999*/] in [" + Opened("msg.txt") + "]\n",
            testing::internal::GetCapturedStdout());
  EXPECT_EQ("1", script.Variable("_N"));
  EXPECT_EQ((Lines{"\"%X\",\"kept\""}), script.Records());
}

TEST_F(FileStatementTest, GetRcMsgKeepsTheLinesOfAnUnendedSection) {
  Write("msg.txt", kMessageFile);
  auto script = Script({"GETRCMSG,%MSG,msg.txt,103"});
  testing::internal::CaptureStdout();
  script.Run(0);
  EXPECT_EQ("Ra_serch:GetRcMsg() Unexpected EOF in [" + Opened("msg.txt") + "]\n",
            testing::internal::GetCapturedStdout());
  EXPECT_EQ((Lines{"\"%MSG\",\"unterminated\""}), script.Records());
  EXPECT_EQ("0", script.Variable("_N"));
}

TEST_F(FileStatementTest, GetRcMsgPathIsCutToItsBuffer) {
  const std::string name(kGetRcMsgPathMax, 'm');
  Write(name.substr(0, kGetRcMsgPathMax - dir_.size()), kMessageFile);
  auto script = Script({"GETRCMSG,%MSG," + name + ",102"});
  testing::internal::CaptureStdout();
  script.Run(0);
  EXPECT_EQ("", testing::internal::GetCapturedStdout());
  EXPECT_EQ((Lines{"\"%MSG\",\"Second\""}), script.Records());
}

TEST_F(FileStatementTest, DspCmtTakesEveryLine) {
  Write("dsp.txt", "a\r\nb\n\nc");
  auto script = Script({"DSPCMT,%MSG,DSP.TXT", "DSPCMT,%MSG,dsp.txt"});
  script.Run(0);
  EXPECT_EQ((Lines{"\"%MSG\",\"a\r\",\"b\",\"\",\"c\""}), script.Records());
  script.Run(1);
  EXPECT_EQ((Lines{"\"%MSG\",\"a\r\",\"b\",\"\",\"c\",\"a\r\",\"b\",\"\",\"c\""}),
            script.Records());
}

TEST_F(FileStatementTest, DspCmtReplacesOtherRecordsEvenWithNothing) {
  Write("empty.txt", "");
  auto script = Script({"SET,%X,old", "DSPCMT,%X,missing.txt", "DSPCMT,%X,empty.txt"});
  script.Run(0);
  script.Run(1);
  EXPECT_EQ((Lines{"\"%X\",\"old\""}), script.Records());
  script.Run(2);
  EXPECT_TRUE(script.Records().empty());
}

}  // namespace
}  // namespace rcv
