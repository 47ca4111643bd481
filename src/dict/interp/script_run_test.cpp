#include "dict/interp/script_run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "dict/interp/control_statements.h"
#include "support/run_resources.h"

namespace rcv {
namespace {

constexpr std::string_view kRc = "4701A0B2C3D4E5F6";
constexpr RunMode kBoth = RunFru | RunComment;

constexpr std::string_view kDir = "/dict/";

// Scripts in a folder of their own, held in memory, run for an RC; the
// outcome in one text: "result|name|unit/fru/act/weight ...|comment".
class ScriptRunTest : public ::testing::Test {
 protected:
  std::string Write(std::string_view name, std::string_view text) {
    const std::string path = std::string(kDir).append(name);
    resources_.files.Put(path, std::string(text));
    return path;
  }

  std::string Run(std::string_view script, RunMode mode = kBoth) { return RunPath(Write("main.csv", script), mode); }

  std::string RunPath(const std::string& path, RunMode mode = kBoth) {
    ScriptOutput output;
    std::string comment = "<none>";
    SearchContext context;
    resources_.Lend(context);
    const int result = RunTopLevelScript(kRc, path, &output, &comment, mode, context);
    std::ostringstream text;
    text << result << "|" << output.rcName << "|";
    for (const FruRow& row : output.rows) {
      text << row.unitMnemonic << "/" << row.fruMnemonic << "/" << row.actionCode << "/" << row.weight << " ";
    }
    text << "|" << comment;
    return text.str();
  }

  RunResources resources_;
};

TEST_F(ScriptRunTest, Scripts) {
  Write("next.csv", "COMMENT,%UNIT,U2\nSET,%RC-NAME,from next\n");
  Write("unit/cpu.csv", "SET,%RC-NAME,cpu\nSETLANG,$L\nSET,%RC-NAME2,{L}\nCMTFILE,x.txt,%MSG\nSET,%RC-NAME,late\n");
  Write("mid.csv", "SET,%RC-NAME,mid\nEXEC,gone.csv\n");
  Write("c1.csv", "EXEC,c2.csv\n");
  Write("c2.csv", "SET,%RC-NAME,deep\n");
  const std::string padding(1023 - std::string("SET,%RC-NAME,").size(), 'n');
  std::string longScript = "SET,%RC-NAME,early\nEXIT\n";
  for (int i = 0; i < 33000; ++i) longScript += "REM\n";
  struct Case {
    std::string script;
    RunMode mode;
    std::string expected;
  };
  const Case cases[] = {
      {"", kBoth, "-3|||"},
      {"RC-CODE,47\nSET,%RC-NAME,CPU fault\nCOMMENT,%UNIT,CPU0\nCOMMENT,%UNIT,MEM1\nCOMMENT,%FRU,P1\n"
       "COMMENT,%FRU,D2\nCOMMENT,%ACT,A\nCOMMENT,%ACT,B\nCOMMENT,%WEIGHT,1\nCOMMENT,%WEIGHT,2\n"
       "SET,%RC-NAME2,fault\nCOMMENT,%MSG,line one\nCOMMENT,%MSG,line two\n",
       kBoth, "2|CPU fault|CPU0/P1/A/1 MEM1/D2/B/2 |fault\nline one\nline two\n"},
      // a mismatch, an unknown keyword and EXIT end the run
      {"RC-CODE,48\nSET,%RC-NAME,x\n", kBoth, "-3|||"},
      {"SET,%RC-NAME,x\nSET,%RC-NAME2,x\nrem\nSET,%RC-NAME,y\n", kBoth, "0|x||x\n"},
      {"SET,%RC-NAME,x\nSET,%RC-NAME2,x\nEXIT\nSET,%RC-NAME,y\n", kBoth, "0|x||x\n"},
      {"REM,a\n,empty keyword\n\nSET,%RC-NAME,y\n", kBoth, "0|y||"},
      {longScript + "SET,%RC-NAME,late\n", kBoth, "0|early||"},  // EXIT ends a script of any length
      {"RC-CODE,47GH\nIFDEF,$GH = 01\nSET,%RC-NAME,unit {GH}\n\\IFDEF\n", kBoth, "0|unit 01||"},
      // a true IFDEF runs up to its ELSE, then goes on after its end; only an exact 1 is true
      {"IFDEF,1 = 1\nCOMMENT,%MSG,true\nELSE\nCOMMENT,%MSG,false\n\\IFDEF\nCOMMENT,%MSG,after\n", RunComment,
       "-99|||true\nafter\n"},
      {"IFDEF,1 = 2\nCOMMENT,%MSG,true\nELSE\nCOMMENT,%MSG,false\n\\IFDEF\nCOMMENT,%MSG,after\n", RunComment,
       "-99|||false\nafter\n"},
      {"IFDEF,2 + 3\nCOMMENT,%MSG,true\nELSE\nCOMMENT,%MSG,false\n\\IFDEF\nCOMMENT,%MSG,after\n", RunComment,
       "-99|||false\nafter\n"},
      {"IFDEF,1 = 2\nCOMMENT,%MSG,no\n\\IFDEF\nCOMMENT,%MSG,after\n", RunComment, "-99|||after\n"},
      // skipping counts nested blocks
      {"IFDEF,1 = 2\nIFDEF,1 = 1\nCOMMENT,%MSG,inner\n\\IFDEF\nELSE\nCOMMENT,%MSG,else\n\\IFDEF\n", RunComment,
       "-99|||else\n"},
      // an ELSE of a nested block being skipped also closes a level
      {"IFDEF,1 = 2\nIFDEF,1 = 1\nCOMMENT,%MSG,a\nELSE\nCOMMENT,%MSG,b\n\\IFDEF\nCOMMENT,%MSG,stop\n\\IFDEF\n",
       RunComment, "-99|||stop\n"},
      // ELSE met from a true branch counts no nesting: the first \IFDEF ends it
      {"IFDEF,1 = 1\nCOMMENT,%MSG,t\nELSE\nIFDEF,1 = 1\n\\IFDEF\nCOMMENT,%MSG,x\n\\IFDEF\n", RunComment,
       "-99|||t\nx\n"},
      // a quoted keyword is the keyword: quotes are no part of the field
      {"\"IFDEF\",1 = 2\nCOMMENT,%MSG,no\n\\IFDEF\nSET,%RC-NAME2,\n", RunComment, "-99|||\n"},
      {"IFDEF,1 = 2\nCOMMENT,%MSG,no\n", RunComment, "-99|||"},  // no \IFDEF: the rest is skipped
      // EXEC hands over and never comes back
      {"SET,%RC-NAME,main\nEXEC,next.csv\nSET,%RC-NAME,back\n", kBoth, "1|from next|U2/%FRU/%AC/%WE |"},
      {"EXEC,1 = 1,next.csv\nSET,%RC-NAME,back\n", kBoth, "1|from next|U2/%FRU/%AC/%WE |"},
      {"EXEC,1 = 2,next.csv\nSET,%RC-NAME,stayed\n", kBoth, "0|stayed||"},
      // the EXEC'd path is folded and runs without comment or language
      {"EXEC,UNIT\\CPU.CSV\n", RunFru | RunComment | RunLangJp, "0|cpu||2\n"},
      // a missing script fails the whole chain; the per-call context recovers for the next lookup
      {"SET,%RC-NAME,main\nEXEC,mid.csv\n", kBoth, "-2|||<none>"},
      {"SET,%RC-NAME,ok\n", kBoth, "0|ok||"},
      // a chain that reaches itself ends; one within the limit runs to its end
      {"COMMENT,%MSG,again\nEXEC,main.csv\n", kBoth, "-2|||<none>"},
      {"EXEC,c1.csv\n", kBoth, "0|deep||"},
      {"SET,%RC-NAME,before\nCMTFILE,c.txt,%MSG\n\\CMTFILE\nSET,%RC-NAME,after\n", RunFru, "0|before||<none>"},
      // a long line splits and its rest runs on its own
      {"SET,%RC-NAME," + padding + "EXIT\nSET,%RC-NAME,x\n", kBoth, "0|" + std::string(32, 'n') + "||"},
      {"SET,%RC-NAME," + padding + "REM\nSET,%RC-NAME,x\n", kBoth, "0|x||"},
      // a failed placeholder read empties the name but keeps the rows
      {"SET,%RC-NAME,name\nCOMMENT,%UNIT,U\nCOMMENT,%FRU,F\nSET,$V,{%NOPE}\n", kBoth, "1||U/F/%AC/%WE |"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, Run(c.script, c.mode)) << c.script.substr(0, 200);
  EXPECT_EQ("-2|||<none>", RunPath(std::string(kDir) + "absent.csv"));
}

TEST_F(ScriptRunTest, FullDumpListsTheRecordsOnTheDiagnostics) {
  Run("SET,%RC-NAME,n\nFULLDUMP\n");
  EXPECT_NE(std::string::npos, resources_.diagnostics.str().find("\"%RC-NAME\",\"n\"\n"))
      << resources_.diagnostics.str();
}

}  // namespace
}  // namespace rcv
