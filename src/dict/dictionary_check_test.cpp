#include "dict/dictionary_check.h"

#include <gtest/gtest.h>

#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

// The findings of a dictionary whose top script is `top`, with companion
// files a.csv (an EXEC target) and msg.txt beside it, as "LINE severity:
// message" lines.
std::vector<std::string> Findings(std::string_view top, std::string_view execTarget = "REM\n") {
  fixture::FixtureTree tree;
  tree.WriteFile("d/top.csv", top);
  tree.WriteFile("d/a.csv", execTarget);
  tree.WriteFile("d/msg.txt", "/*S1*/\n/*E*/\n");
  std::vector<std::string> lines;
  for (const CheckFinding& finding : CheckDictionary((tree.root() / "d/top.csv").string())) {
    std::string message = finding.message;
    // The paths tried lie in the temporary tree.
    if (const std::size_t open = message.find(" ("); open != std::string::npos) message.resize(open);
    lines.push_back(std::to_string(finding.line) + " " + std::string(SeverityName(finding.severity)) + ": " + message);
  }
  return lines;
}

using Lines = std::vector<std::string>;

TEST(DictionaryCheckTest, CleanDictionaryHasNoFindings) {
  EXPECT_EQ(Lines{}, Findings("RC-CODE,47GH\nIFDEF,$GH = 01 & $G < 3\nEXEC,a.csv\nELSE\nGETRCMSG,%MSG,MSG.TXT,1\n"
                              "\\IFDEF\nDEFINE,,%UNIT\nREC,$G = 1,U1\nREC,*,MB\n\n\\DEFINE\nCMTFILE,msg.txt,%MSG\n"
                              "REC,1,X\nanything\n\\CMTFILE\nSET,%RC-NAME,N\n"));
}

TEST(DictionaryCheckTest, StructureErrors) {
  const std::pair<std::string, Lines> cases[] = {
      {"IFDEF,1\nREM\n", {"1 error: IFDEF block is never closed"}},
      {"ELSE\n\\IFDEF\n\\DEFINE\n",
       {"1 error: ELSE without IFDEF", "2 error: \\IFDEF without IFDEF", "3 error: \\DEFINE without its opening line"}},
      {"DEFINE,,%A\nREC,1,x\nSET,%A,b\n",
       {"3 error: \"SET\" inside a DEFINE block is no REC row: it ends the block without \\DEFINE"}},
      {"DEFINE,,%A\nRECC,1,x\nREC,*,y\n\\DEFINE\n",
       {"2 error: \"RECC\" inside a DEFINE block is no REC row: it ends the block without \\DEFINE",
        "3 error: \"REC\" outside a DEFINE block is an unknown keyword and ends the run",
        "4 error: \\DEFINE without its opening line"}},
      {"CMTFILE,msg.txt,%MSG\nREC,1,S\n", {"1 error: CMTFILE block is never closed"}},
      {"rem,lower case\n", {"1 error: unknown keyword \"rem\" ends the run"}},
      {"IFDEF,1 + + 2\n\\IFDEF\nIFDEF,1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n\\IFDEF\n",
       {"1 error: condition \"1 + + 2\": an operator lacks two values",
        "3 error: condition \"1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\": more than 16 values at once"}},
  };
  for (const auto& [script, expected] : cases) EXPECT_EQ(expected, Findings(script)) << script;
}

TEST(DictionaryCheckTest, FilesChainsAndWhatThePreloadedRoadLoses) {
  const std::pair<std::string, Lines> cases[] = {
      {"EXEC,b.csv\nFILE,tbl.csv,$GH,%A\nCMTFILE,c.txt,%MSG\n\\CMTFILE\nDSPCMT,%MSG,d.txt\n",
       {"1 error: EXEC target \"b.csv\" can't be opened", "2 error: FILE file \"tbl.csv\" can't be opened",
        "3 error: CMTFILE file \"c.txt\" can't be opened", "5 error: DSPCMT file \"d.txt\" can't be opened"}},
      {"GETRCMSG,%MSG,m{MN}.txt,1\nRC-CODE,47 \nSET,NAME,x\n",
       {"1 note: GETRCMSG file name \"m{MN}.txt\" is built from variables and can't be checked",
        "2 warning: RC-CODE pattern ending in blanks never matches",
        "3 warning: SET name \"NAME\" begins neither with $ nor with %"}},
      {"REM,\x83\x41\nREM," + std::string(1100, 'x') + "\nEXIT",
       {"1 warning: bytes of 0x80 and above are dropped by the preloaded dictionary",
        "2 warning: line longer than 1023 bytes is cut into several lines",
        "2 error: unknown keyword \"" + std::string(81, 'x') + "\" ends the run",  // the cut line's second piece
        "3 warning: last line has no line feed: the preloaded dictionary drops it"}},
  };
  for (const auto& [script, expected] : cases) EXPECT_EQ(expected, Findings(script)) << script;
  EXPECT_EQ(Lines{"1 error: EXEC chain reaches itself: top.csv -> a.csv -> top.csv"},
            Findings("EXEC,a.csv\n", "EXEC,top.csv\n"));
  EXPECT_EQ(Lines{"2 error: EXEC chain reaches itself: a.csv -> a.csv"},
            Findings("EXEC,1,a.csv\nEXEC,a.csv\n", "REM\nEXEC,a.csv\n"));
  EXPECT_EQ(Lines{"1 error: EXEC target \"{G}.csv\" can't be opened, EXEC does not expand brace terms"},
            Findings("EXEC,{G}.csv\n"));
}

// top.csv EXECs c1.csv, which EXECs c2.csv... up to c32.csv: 33 scripts.
TEST(DictionaryCheckTest, ChainsDeeperThanTheRunLimitFailAtTheExecThatCrossesIt) {
  fixture::FixtureTree tree;
  std::string chain = "top.csv";
  tree.WriteFile("d/top.csv", "EXEC,c1.csv\n");
  for (int i = 1; i <= 32; ++i) {
    tree.WriteFile("d/c" + std::to_string(i) + ".csv", "REM\nEXEC,c" + std::to_string(i + 1) + ".csv\n");
    chain += " -> c" + std::to_string(i) + ".csv";
  }
  tree.WriteFile("d/c32.csv", "REM\n");
  const std::string top = (tree.root() / "d/top.csv").string();
  const std::vector<CheckFinding> findings = CheckDictionary(top);
  ASSERT_EQ(1u, findings.size());
  EXPECT_EQ((tree.root() / "d/c31.csv").string() + ":2", findings[0].path + ":" + std::to_string(findings[0].line));
  EXPECT_EQ("EXEC chain goes deeper than 32 scripts, so every lookup through it fails: " + chain, findings[0].message);
  tree.WriteFile("d/c31.csv", "REM\n");
  EXPECT_TRUE(CheckDictionary(top).empty());  // 32 scripts
}

}  // namespace
}  // namespace rcv
