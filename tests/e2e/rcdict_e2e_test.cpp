// rcdict, the dictionary maintainer's command, on the demo dictionary: each
// command in text and JSON, and its exit statuses.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "fixture/demo_tree.h"
#include "fixture/fixture_tree.h"
#include "run_viewer.h"

namespace rcv::e2e {
namespace {

using Json = nlohmann::json;

class RcdictE2eTest : public ProgramTest {
 protected:
  RcdictE2eTest() : ProgramTest("rcdict") {}
  void SetUp() override { fixture::WriteDemoTree(tree_.root()); }
};

TEST_F(RcdictE2eTest, LookupPrintsOneBlockPerRc) {
  EXPECT_EQ((ViewerRun{"RC      : 4701001000000001\n"
                       "RESULT  : 1\n"
                       "NAME    : CPU0 CACHE CORRECTED\n"
                       "FRU 1   : CPU0     PROC_CARD        CHK 1\n"
                       "COMMENT : The service processor detected a hardware error.\n"
                       "          Check the units in the FRU list; replace them if the error recurs.\n"
                       "          CPU0 corrected a cache error (failure code 00000001).\n"
                       "          No action is needed unless the error repeats within 24 hours.\n"
                       "\n",
                       "", 0}),
            Run({"lookup", "47 0100 10 00000001+"}));
}

TEST_F(RcdictE2eTest, LookupAsJsonFromStandardInput) {
  const ViewerRun run = Run({"lookup", "--json", "--lang", "JP"}, "4A04024000000001\n\n5109990100000001\nxyz\n");
  const std::vector<Json> lines = JsonLines(run.screen);
  ASSERT_EQ(3u, lines.size());
  EXPECT_EQ((Json{{"rc", "4A04024000000001"},
                  {"result", 2},
                  {"name", "FAN2 SPEED LOW"},
                  {"fru",
                   {{{"unit", "FAN2"}, {"fru", "FAN_UNIT"}, {"action", "RPL"}, {"weight", "1"}},
                    {{"unit", "MB"}, {"fru", "FAN_CABLE"}, {"action", "CHK"}, {"weight", "2"}}}},
                  {"comment",
                   "装置内部の環境異常を検出しました。\nファンの回転状態と吸気温度を確認してください。\n"
                   "異常が続く場合は、保守員に連絡してください。"},
                  {"problems", Json::array()}}),
            lines[0]);
  EXPECT_EQ(-3, lines[1]["result"]);
  EXPECT_EQ(-1, lines[2]["result"]);
  EXPECT_EQ("rcdict: not an RC of 16 hexadecimal digits: xyz\n", run.errors);
  EXPECT_EQ(1, run.exitStatus);
}

// Standard input stays open: each answer must come while rcdict waits for
// the next RC (a hang ends in the 20 seconds of poll).
TEST_F(RcdictE2eTest, LookupAnswersEachLineBeforeTheNextIsRead) {
  int in[2];
  int out[2];
  ASSERT_TRUE(pipe2(in, O_CLOEXEC) == 0 && pipe2(out, O_CLOEXEC) == 0);
  const pid_t child =
      StartProgram(ProgramPath("rcdict"), tree_.root().string(), {"lookup", "--json"}, {in[0], out[1], 2});
  close(in[0]);
  close(out[1]);
  for (const std::string rc : {"4701001000000001", "4A04024000000001"}) {
    ASSERT_TRUE(write(in[1], (rc + "\n").c_str(), rc.size() + 1) > 0);
    std::string line;
    pollfd ready{out[0], POLLIN, 0};
    for (char c = 0; c != '\n' && poll(&ready, 1, 20000) == 1 && read(out[0], &c, 1) == 1;) line += c;
    EXPECT_TRUE(line.starts_with("{\"rc\":\"" + rc + "\"")) << rc;
  }
  close(in[1]);
  EXPECT_EQ(0, WaitWithLimit(child));
}

// Output that can't be written, whatever the command: a full device or a
// descriptor closed before the start.
TEST_F(RcdictE2eTest, AFailedWriteIsReportedWithItsOwnStatusByBothPrograms) {
  tree_.WriteFile(tree_.root() / "work/top.csv", "BOGUS\n");
  const std::pair<std::string_view, std::vector<std::string>> cases[] = {
      {"rcdict", {"cover", "--json"}},
      {"rcdict", {"lookup", "4701001000000001"}},
      {"rcdict", {"--dict", (tree_.root() / "work/top.csv").string(), "check"}},
      {"rcdict", {"--help"}},
      {"rcdict", {"--version"}},
      {"rcviewer", {"--help"}},
      {"rcviewer", {"--version"}}};
  const std::pair<const char*, std::string> targets[] = {{"/dev/full", "No space left on device"},
                                                         {nullptr, "Bad file descriptor"}};
  for (const auto& [program, args] : cases) {
    for (const auto& [target, reason] : targets) {
      EXPECT_EQ((ViewerRun{"", std::string(program) + ": write error: " + reason + "\n", 3}),
                RunWithOutput(program, tree_.root().string(), args, target))
          << testing::PrintToString(args);
    }
  }
}

TEST_F(RcdictE2eTest, PreloadedLookupCarriesVariablesAndReportsEachLookupsDiagnosticsAsItsProblems) {
  tree_.WriteFile(tree_.DictionaryDir() / "rcdicttbl.csv",
                  "IFDEF,$sn = 1\nSET,%RC-NAME,AGAIN {G}\nELSE\nRC-CODE,GH\nSET,$sn,1\nSET,%RC-NAME,FIRST\n\\IFDEF\n"
                  "SET,BAD,x\nCOMMENT,%UNIT,MB\n");
  EXPECT_EQ((ViewerRun{"{\"rc\":\"4701001000000001\",\"result\":1,\"name\":\"FIRST\","
                       "\"problems\":[\"Ra_search cmdSet() Unexpected string [BAD]\"]}\n"
                       "{\"rc\":\"5A01001000000001\",\"result\":1,\"name\":\"AGAIN 4\","
                       "\"problems\":[\"Ra_search cmdSet() Unexpected string [BAD]\"]}\n",
                       "", 1}),
            Run({"lookup", "--preloaded", "--json", "4701001000000001", "5A01001000000001"}));
}

// A FILE table that is gone leaves a name-less RC: found, but not clean.
TEST_F(RcdictE2eTest, ALookupThatMetProblemsSaysSoAndFails) {
  std::filesystem::remove(tree_.DictionaryDir() / "memtbl.csv");
  const std::string problem = "FILE can't open [" + (tree_.DictionaryDir() / "memtbl.csv").string() + "]";
  const ViewerRun lookup = Run({"lookup", "47 0201 21 00000001"});
  EXPECT_TRUE(lookup.screen.ends_with("Replace DIMM1 if the error repeats.\nPROBLEM : " + problem + "\n\n"))
      << lookup.screen;
  EXPECT_EQ(1, lookup.exitStatus);
  const ViewerRun cover = Run({"cover", "--json"});
  const Json counts = JsonLines(cover.screen).at(0);
  EXPECT_EQ(227, counts["found"]);
  EXPECT_EQ(75, counts["found_with_problems"]);
  EXPECT_EQ("4702002200000020: " + problem + "\n4702032100000010: " + problem + "\n", cover.errors);
  EXPECT_EQ(1, cover.exitStatus);
}

TEST_F(RcdictE2eTest, CheckReportsFindingsAndCoverCountsTheLog) {
  EXPECT_EQ((ViewerRun{"", "", 0}), Run({"check"}));

  EXPECT_EQ((ViewerRun{"{\"records\":340,\"distinct\":10,\"found\":302,\"found_with_problems\":0,\"unknown\":38,"
                       "\"failed\":0,\"unknown_rcs\":[{\"rc\":\"5109990100000001\",\"count\":19},"
                       "{\"rc\":\"E700100200001000\",\"count\":19}]}\n",
                       "", 0}),
            Run({"cover", "--json"}));
  EXPECT_EQ(
      "records             : 340\ndistinct            : 10\nfound               : 302\n"
      "found with problems : 0\nunknown             : 38\nfailed              : 0\n"
      "unknown RCs, most frequent first:\n  5109990100000001  19\n  E700100200001000  19\n",
      Run({"cover"}).screen);

  tree_.WriteFile(tree_.root() / "work/top.csv", "IFDEF,1 = 1\nEXEC,missing.csv\nBOGUS\n");
  const std::string top = (tree_.root() / "work/top.csv").string();
  const ViewerRun check = Run({"--dict", top, "check", "--json"});
  const std::vector<Json> findings = JsonLines(check.screen);
  ASSERT_EQ(3u, findings.size()) << check.screen;
  EXPECT_EQ((Json{{"path", top}, {"line", 1}, {"severity", "error"}, {"message", "IFDEF block is never closed"}}),
            findings[0]);
  EXPECT_TRUE(findings[1]["message"].get<std::string>().starts_with("EXEC target \"missing.csv\" can't be opened ("));
  EXPECT_EQ("unknown keyword \"BOGUS\" ends the run", findings[2]["message"]);
  EXPECT_EQ(1, check.exitStatus);
  const std::string text = Run({"--dict", top, "check"}).screen;
  EXPECT_TRUE(text.starts_with(top + ":1: error: IFDEF block is never closed\n" + top + ":2: error: EXEC")) << text;
}

TEST_F(RcdictE2eTest, ExitStatuses) {
  const std::pair<std::vector<std::string>, int> cases[] = {
      {{"--help"}, 0},
      {{"--version"}, 0},
      {{}, 2},
      {{"lookup", "--bogus"}, 2},
      {{"--dict", "/nonexistent/rcdicttbl.csv", "check"}, 2},
      {{"cover", "/nonexistent/rc.log"}, 2},
  };
  for (const auto& [args, status] : cases) EXPECT_EQ(status, Run(args).exitStatus) << testing::PrintToString(args);
  std::filesystem::remove(tree_.MainteData() / "vrk_setup.conf");
  EXPECT_EQ((ViewerRun{"", "Getting RC table path failed.\n", 2}), Run({"lookup", "4701001000000001"}));
}

}  // namespace
}  // namespace rcv::e2e
