#include "dict/script_run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "dict/control_statements.h"
#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

constexpr std::string_view kRc = "4701A0B2C3D4E5F6";

// Scripts in a folder of their own, run for an RC; the outcome in one text:
// "result|name|unit/fru/act/weight ...|comment".
class ScriptRunTest : public ::testing::Test {
 protected:
  std::string Write(std::string_view name, std::string_view text) {
    tree_.WriteFile(name, text);
    return (tree_.root() / name).string();
  }

  std::string Run(std::string_view script, std::string_view rc = kRc, RunMode mode = RunFru | RunComment) {
    return RunPath(Write("main.csv", script), rc, mode);
  }

  std::string RunPath(const std::string& path, std::string_view rc = kRc,
                      RunMode mode = RunFru | RunComment) {
    ScriptOutput output;
    std::string comment = "<none>";
    const int result = RunScript(rc, path, &output, &comment, mode, nullptr);
    std::ostringstream text;
    text << result << "|" << output.rcName << "|";
    for (const FruRow& row : output.rows) {
      text << row.unitMnemonic << "/" << row.fruMnemonic << "/" << row.actionCode << "/" << row.weight << " ";
    }
    text << "|" << comment;
    return text.str();
  }

  fixture::FixtureTree tree_;
};

TEST_F(ScriptRunTest, EmptyScriptHasNoEntry) { EXPECT_EQ("-3|||", Run("")); }

TEST_F(ScriptRunTest, NamesUnitsAndCommentFromTheRecords) {
  EXPECT_EQ("2|CPU fault|CPU0/P1/A/1 MEM1/D2/B/2 |fault\nline one\nline two\n",
            Run("RC-CODE,47\n"
                "SET,%RC-NAME,CPU fault\n"
                "COMMENT,%UNIT,CPU0\nCOMMENT,%UNIT,MEM1\n"
                "COMMENT,%FRU,P1\nCOMMENT,%FRU,D2\n"
                "COMMENT,%ACT,A\nCOMMENT,%ACT,B\n"
                "COMMENT,%WEIGHT,1\nCOMMENT,%WEIGHT,2\n"
                "SET,%RC-NAME2,fault\n"
                "COMMENT,%MSG,line one\nCOMMENT,%MSG,line two\n"));
}

TEST_F(ScriptRunTest, MismatchUnknownKeywordAndExitEndTheRun) {
  EXPECT_EQ("-3|||", Run("RC-CODE,48\nSET,%RC-NAME,x\n"));
  EXPECT_EQ("0|x||x\n", Run("SET,%RC-NAME,x\nSET,%RC-NAME2,x\nrem\nSET,%RC-NAME,y\n"));
  EXPECT_EQ("0|x||x\n", Run("SET,%RC-NAME,x\nSET,%RC-NAME2,x\nEXIT\nSET,%RC-NAME,y\n"));
  EXPECT_EQ("0|y||", Run("REM,a\n,empty keyword\n\nSET,%RC-NAME,y\n"));
}

TEST_F(ScriptRunTest, ExitEndsAScriptOfAnyLength) {
  std::string script = "SET,%RC-NAME,early\nEXIT\n";
  for (int i = 0; i < 33000; ++i) script += "REM\n";
  EXPECT_EQ("0|early||", Run(script + "SET,%RC-NAME,late\n"));
}

TEST_F(ScriptRunTest, CapturedVariablesFeedConditionsAndValues) {
  EXPECT_EQ("0|unit 01||", Run("RC-CODE,47GH\nIFDEF,$GH = 01\nSET,%RC-NAME,unit {GH}\n\\IFDEF\n"));
}

TEST_F(ScriptRunTest, TrueIfdefRunsUpToElseThenGoesOnAfterItsEnd) {
  const std::string script =
      "IFDEF,{cond}\nCOMMENT,%MSG,true\nELSE\nCOMMENT,%MSG,false\n\\IFDEF\nCOMMENT,%MSG,after\n"
      "SET,%RC-NAME,n\n";
  auto with = [&](std::string_view condition) {
    std::string text = script;
    text.replace(text.find("{cond}"), 6, condition);
    return Run(text, kRc, RunComment);
  };
  EXPECT_EQ("-99|||true\nafter\n", with("1 = 1"));
  EXPECT_EQ("-99|||false\nafter\n", with("1 = 2"));
  // only an exact 1 is true
  EXPECT_EQ("-99|||false\nafter\n", with("2 + 3"));
  EXPECT_EQ("-99|||after\n", Run("IFDEF,1 = 2\nCOMMENT,%MSG,no\n\\IFDEF\nCOMMENT,%MSG,after\n", kRc, RunComment));
}

TEST_F(ScriptRunTest, SkippingCountsNestedBlocks) {
  EXPECT_EQ("-99|||else\n",
            Run("IFDEF,1 = 2\nIFDEF,1 = 1\nCOMMENT,%MSG,inner\n\\IFDEF\nELSE\nCOMMENT,%MSG,else\n\\IFDEF\n",
                kRc, RunComment));
  // an ELSE of a nested block being skipped also closes a level
  EXPECT_EQ("-99|||stop\n",
            Run("IFDEF,1 = 2\nIFDEF,1 = 1\nCOMMENT,%MSG,a\nELSE\nCOMMENT,%MSG,b\n\\IFDEF\nCOMMENT,%MSG,stop\n"
                "\\IFDEF\n",
                kRc, RunComment));
  // ELSE met from a true branch counts no nesting: the first \IFDEF ends it
  EXPECT_EQ("-99|||t\nx\n",
            Run("IFDEF,1 = 1\nCOMMENT,%MSG,t\nELSE\nIFDEF,1 = 1\n\\IFDEF\nCOMMENT,%MSG,x\n\\IFDEF\n", kRc,
                RunComment));
  // a quoted keyword is the keyword: quotes are no part of the field
  EXPECT_EQ("-99|||\n", Run("\"IFDEF\",1 = 2\nCOMMENT,%MSG,no\n\\IFDEF\nSET,%RC-NAME2,\n", kRc, RunComment));
  // no \IFDEF: the rest of the script is skipped
  EXPECT_EQ("-99|||", Run("IFDEF,1 = 2\nCOMMENT,%MSG,no\n", kRc, RunComment));
}

TEST_F(ScriptRunTest, ExecHandsOverAndNeverComesBack) {
  Write("next.csv", "COMMENT,%UNIT,U2\nSET,%RC-NAME,from next\n");
  EXPECT_EQ("1|from next|U2/%FRU/%AC/%WE |", Run("SET,%RC-NAME,main\nEXEC,next.csv\nSET,%RC-NAME,back\n"));
  EXPECT_EQ("1|from next|U2/%FRU/%AC/%WE |", Run("EXEC,1 = 1,next.csv\nSET,%RC-NAME,back\n"));
  EXPECT_EQ("0|stayed||", Run("EXEC,1 = 2,next.csv\nSET,%RC-NAME,stayed\n"));
}

TEST_F(ScriptRunTest, ExecFoldsTheNameAndRunsWithoutComment) {
  Write("unit/cpu.csv", "SET,%RC-NAME,cpu\nSETLANG,$L\nSET,%RC-NAME2,{L}\nCMTFILE,x.txt,%MSG\nSET,%RC-NAME,late\n");
  EXPECT_EQ("0|cpu||2\n", Run("EXEC,UNIT\\CPU.CSV\n", kRc, RunFru | RunComment | RunLangJp));
}

TEST_F(ScriptRunTest, ExecOfAMissingScriptFailsTheWholeChain) {
  Write("mid.csv", "SET,%RC-NAME,mid\nEXEC,gone.csv\n");
  EXPECT_EQ("-2|||<none>", Run("SET,%RC-NAME,main\nEXEC,mid.csv\n"));
  EXPECT_EQ("-2|||<none>", RunPath((tree_.root() / "absent.csv").string()));
  // the per-call context recovers for the next lookup
  EXPECT_EQ("0|ok||", Run("SET,%RC-NAME,ok\n"));
}

TEST_F(ScriptRunTest, ExecChainThatReachesItselfEnds) {
  EXPECT_EQ("-2|||<none>", Run("COMMENT,%MSG,again\nEXEC,main.csv\n"));
  // a chain within the limit runs to its end
  Write("c1.csv", "EXEC,c2.csv\n");
  Write("c2.csv", "SET,%RC-NAME,deep\n");
  EXPECT_EQ("0|deep||", Run("EXEC,c1.csv\n"));
}

TEST_F(ScriptRunTest, CmtfileEndsARunWithoutComment) {
  EXPECT_EQ("0|before||<none>", Run("SET,%RC-NAME,before\nCMTFILE,c.txt,%MSG\n\\CMTFILE\nSET,%RC-NAME,after\n", kRc, RunFru));
}

TEST_F(ScriptRunTest, LongLineSplitsAndTheRestRunsOnItsOwn) {
  const std::string padding(1023 - std::string("SET,%RC-NAME,").size(), 'n');
  EXPECT_EQ("0|nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn||", Run("SET,%RC-NAME," + padding + "EXIT\nSET,%RC-NAME,x\n"));
  EXPECT_EQ("0|x||", Run("SET,%RC-NAME," + padding + "REM\nSET,%RC-NAME,x\n"));
}

TEST_F(ScriptRunTest, FailedPlaceholderReadEmptiesTheNameButKeepsRows) {
  EXPECT_EQ("1||U/F/%AC/%WE |", Run("SET,%RC-NAME,name\nCOMMENT,%UNIT,U\nCOMMENT,%FRU,F\nSET,$V,{%NOPE}\n"));
}

TEST_F(ScriptRunTest, FullDumpListsTheRecords) {
  testing::internal::CaptureStdout();
  Run("SET,%RC-NAME,n\nFULLDUMP\n");
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(std::string::npos, out.find("\"%RC-NAME\",\"n\"\n")) << out;
}

}  // namespace
}  // namespace rcv
