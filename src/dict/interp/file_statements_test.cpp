#include "dict/interp/file_statements.h"

#include <gtest/gtest.h>

#include "dict/expr/placeholder.h"
#include "dict/interp/record_statements.h"
#include "dict/source/script_path.h"
#include "support/statement_test_context.h"

namespace rcv {
namespace {

using Lines = std::vector<std::string>;

// A dictionary folder with companion files in memory; statements run as
// if the script stood in it.
class FileStatementTest : public ::testing::Test {
 protected:
  void Write(const std::string& name, std::string_view text) { resources_.files.Put(dir_ + name, std::string(text)); }
  StatementTestContext Script(const std::vector<std::string>& lines, const std::string& dir = "/d/") {
    return StatementTestContext(lines, dir, kRcInfoRunMode, &resources_);
  }
  // Carries out every line in turn; returns what they reported.
  std::string RunAll(StatementTestContext& script, std::size_t count) {
    resources_.diagnostics.str("");
    for (std::size_t i = 0; i < count; ++i) script.Run(i);
    return resources_.diagnostics.str();
  }

  RunResources resources_;
  const std::string dir_ = "/d/";
};

TEST_F(FileStatementTest, FileSpreadsTheKeyedRowOverTheNamedRecords) {
  const std::string key19(19, 'K');
  Write("units.csv",
        "4701\n4600,MEM0,y,DIMM\n4701,CPU0,x,PROC_CARD\n4701,CPU9,z,OTHER\n47,\"by dollar\"\nA,\"by bits\"\n" + key19 +
            "Z,long key\n");
  StatementTestContext script =
      Script({"FILE,units.csv,4701,%UNIT,-,%FRU", "FILE,units.csv,4600,%UNIT,,%FRU", "SET,$G,4", "SET,$H,7",
              "FILE,units.csv,$GH,%A", "FILE,units.csv,A5(0-3),%A", "FILE,units.csv,$GQ,%A", "FILE,none.csv,4701,%A",
              "FILE,units.csv,2,%A", "FILE,UNITS.CSV,4701,%A", "FILE,units.csv," + key19 + ",%K",
              "FILE,units.csv," + key19 + "Z,%K"});
  RunAll(script, 12);
  // An unquoted last field keeps its line end, so a one-field row "4701\n" has
  // no key 4701; the key field is compared in its first 19 characters.
  EXPECT_EQ((Lines{"\"%UNIT\",\"CPU0\",\"MEM0\"", "\"%FRU\",\"PROC_CARD\n\"", "\"%A\",\"by dollar\",\"by bits\"",
                   "\"%K\",\"long key\n\""}),
            script.Records());
}

TEST_F(FileStatementTest, FileValuesAndNamesAreCutToTheirBuffers) {
  Write("t.csv", "1,\"" + std::string(100, 'v') + "\"\n");
  StatementTestContext script = Script({"FILE,t.csv,1,%" + std::string(30, 'N')});
  script.Run(0);
  EXPECT_EQ(std::string(kFileValueMax, 'v'),
            GetPlaceholder("%" + std::string(kFileRecordNameMax - 1, 'N'), 1, script.context));
}

const char kCommentFile[] = "/*CPU*/\nCPU line 1\r\n\n/*E*/\n  /*MEM*/  \nMemory line\n/*E*/\n";

TEST_F(FileStatementTest, CmtFileTakesTheSectionOfTheFirstTrueRow) {
  Write("cmt.txt", kCommentFile);
  StatementTestContext script =
      Script({"CMTFILE,CMT.TXT,%MSG", "REC,1=2,MEM", "REM,passed over", "REC,1=1,CPU", "REC,1=1,MEM", "\\CMTFILE",
              "SET,%UNIT,MEM", "CMTFILE,cmt.txt,%C", "REC,1,{%UNIT}", "\\CMTFILE"});
  EXPECT_EQ(5u, script.Run(0));
  // The marker has its brace terms expanded.
  script.Run(6);
  EXPECT_EQ(9u, script.Run(7));
  EXPECT_EQ((Lines{"\"%MSG\",\"CPU line 1\",\"\"", "\"%UNIT\",\"MEM\"", "\"%C\",\"Memory line\""}), script.Records());
}

TEST_F(FileStatementTest, CmtFileWithoutItsFileEndOrTrueRow) {
  StatementTestContext missing = Script({"CMTFILE,cmt.txt,%MSG", "REC,0,MEM", "REC,1,CPU", "REC,1,MEM", "\\CMTFILE"});
  EXPECT_EQ(2u, missing.Run(0));  // stops on the true row
  Write("cmt.txt", kCommentFile);
  StatementTestContext unended = Script({"CMTFILE,cmt.txt,%MSG", "REC,0,CPU", "REC,1,NONE"});
  EXPECT_EQ(kBlockLineLimit + 1, unended.Run(0));
  EXPECT_TRUE(missing.Records().empty());
  EXPECT_TRUE(unended.Records().empty());
}

const char kMessageFile[] =
    "/*S101*/\nUnit %1 failed at %2\nagain %1 and %3\n/*E*/\n"
    "   /*S102*/\r\nSecond\r\n/*E*/\r\n"
    "/*S103*/\nunterminated\n";

TEST_F(FileStatementTest, GetRcMsgFillsArgumentMarkersAppendsToMsgAndReplacesOtherRecords) {
  Write("msg.txt", kMessageFile);
  StatementTestContext script =
      Script({"GETRCMSG,%MSG,msg.txt,101,U1,P3", "GETRCMSG,%MSG,msg.txt,102", "GETRCMSG,%X,msg.txt,102",
              "GETRCMSG,%X,msg.txt,101,B,C", "SET,$G,1", "SET,%UNIT,CPU0", "GETRCMSG,%Y,msg.txt,10{G},{%UNIT},{G}F"});
  EXPECT_EQ("", RunAll(script, 7));
  EXPECT_EQ((Lines{"\"%MSG\",\"Unit U1 failed at P3\",\"again U1 and %3\",\"Second\"",
                   "\"%X\",\"Unit B failed at C\",\"again B and %3\"", "\"%UNIT\",\"CPU0\"",
                   "\"%Y\",\"Unit CPU0 failed at 1F\",\"again CPU0 and %3\""}),
            script.Records());
  EXPECT_EQ("0", script.Variable("_N"));
}

TEST_F(FileStatementTest, GetRcMsgReportsAMissingFileAMissingSectionAndAnUnendedOne) {
  Write("msg.txt", kMessageFile);
  StatementTestContext script = Script({"SET,$_N,7", "GETRCMSG,%MSG,Gone.txt,101"});
  std::string gone = dir_ + "Gone.txt";
  FoldPath(gone);
  EXPECT_EQ("Ra_serch:GetRcMsg() Can't open file [" + gone + "]\n", RunAll(script, 2));
  EXPECT_EQ("7", script.Variable("_N"));
  StatementTestContext missing = Script({"SET,%X,kept", "GETRCMSG,%X,msg.txt,999"});
  EXPECT_EQ("Ra_serch:GetRcMsg() Can't find [/*S999*/] in [" + dir_ + "msg.txt]\n", RunAll(missing, 2));
  EXPECT_EQ("1", missing.Variable("_N"));
  EXPECT_EQ((Lines{"\"%X\",\"kept\""}), missing.Records());
  StatementTestContext unended = Script({"GETRCMSG,%MSG,msg.txt,103"});
  EXPECT_EQ("Ra_serch:GetRcMsg() Unexpected EOF in [" + dir_ + "msg.txt]\n", RunAll(unended, 1));
  EXPECT_EQ((Lines{"\"%MSG\",\"unterminated\""}), unended.Records());
  EXPECT_EQ("0", unended.Variable("_N"));
}

TEST_F(FileStatementTest, GetRcMsgPathIsCutToItsBuffer) {
  const std::string name(kGetRcMsgPathMax, 'm');
  Write(name.substr(0, kGetRcMsgPathMax - dir_.size()), kMessageFile);
  StatementTestContext script = Script({"GETRCMSG,%MSG," + name + ",102"});
  EXPECT_EQ("", RunAll(script, 1));
  EXPECT_EQ((Lines{"\"%MSG\",\"Second\""}), script.Records());
}

TEST_F(FileStatementTest, DspCmtTakesEveryLineAndReplacesOtherRecordsEvenWithNothing) {
  Write("dsp.txt", "a\r\nb\n\nc");
  Write("empty.txt", "");
  StatementTestContext script =
      Script({"DSPCMT,%MSG,DSP.TXT", "DSPCMT,%MSG,dsp.txt", "SET,%X,old", "DSPCMT,%X,missing.txt"});
  RunAll(script, 4);
  EXPECT_EQ((Lines{"\"%MSG\",\"a\r\",\"b\",\"\",\"c\",\"a\r\",\"b\",\"\",\"c\"", "\"%X\",\"old\""}), script.Records());
  StatementTestContext empty = Script({"SET,%X,old", "DSPCMT,%X,empty.txt"});
  RunAll(empty, 2);
  EXPECT_TRUE(empty.Records().empty());
}

}  // namespace
}  // namespace rcv
