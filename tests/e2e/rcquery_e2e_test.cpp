// rcquery on a small machine: every source as text and as JSON Lines
// (each line checked against the shipped schemas), the filters alone and
// combined, the Ids across a wrap of the ring, and broken logs.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>

#include "fixture/demo_dictionary.h"
#include "fixture/fixture_tree.h"
#include "fixture/marlog_writer.h"
#include "fixture/rc_log_writer.h"
#include "fixture/sel_log_writer.h"
#include "fixture/trap_rc_writer.h"
#include "run_viewer.h"

namespace rcv::e2e {
namespace {

using Json = nlohmann::json;

// 2026-12-06T08:00:00Z and the times after it.
constexpr std::uint32_t kDec6At8 = 1796544000;
constexpr std::uint32_t kDec7At10 = 1796637600;
constexpr std::uint32_t kDec7At1130 = 1796643000;
constexpr std::uint32_t kDec7At12 = 1796644800;

constexpr ReferenceCode kCpu0Rc = {0x47, 0x01, 0x00, 0x10, 0, 0, 0, 0x01, 0, 0, 0, 0x01};
constexpr ReferenceCode kFan2Rc = {0x4A, 0x04, 0x02, 0x40, 0, 0, 0, 0x01, 0, 0, 0, 0x02};
// "ジャパ" in Shift-JIS, then a byte that starts no character.
constexpr std::string_view kShiftJisComment = "\x83\x57\x83\x83\x83\x70\xFF";

fixture::SelEntryValues SelEntry(std::uint16_t id, std::uint32_t stamp, std::uint8_t sensorType,
                                 std::uint8_t sensorNumber, std::uint8_t eventType, std::array<std::uint8_t, 3> data) {
  return {.recordId = id,
          .timestamp = stamp,
          .sensorType = sensorType,
          .sensorNumber = sensorNumber,
          .eventType = eventType,
          .eventData = data};
}

class RcqueryE2eTest : public ProgramTest {
 protected:
  RcqueryE2eTest() : ProgramTest("rcquery") {}
  void SetUp() override {
    tree_.WriteSetup();
    fixture::WriteDemoDictionary(tree_);
    fixture::RcLogValues rcLog;
    fixture::AppendRcRecord(rcLog, {0, "01", kCpu0Rc});
    fixture::AppendRcRecord(rcLog, {kDec7At10, "\xFF\xFF", kFan2Rc});
    fixture::AppendRcRecord(rcLog, {kDec7At12, "U1", {0x99, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x03}});
    fixture::WriteRcLog(tree_, rcLog);
    WriteSelLog();
    WriteMarlog();
    fixture::WriteTrapRcTable(tree_, {{0x00, {0x47, 0x0100, 0x10, 0, 0}, {0xFF, 0xFFFF, 0xFF, 0, 0}},
                                      {0x80, {0x4A, 0x0402, 0x40, 0x00000001, 0x00000002}, fixture::kAllFixed},
                                      {0x00, {0x99, 0, 0, 0, 0}, {0xFF, 0, 0, 0, 0}}});
  }
  void WriteSelLog() {
    fixture::SelLogValues sel;
    sel.newestIndex = 3;
    sel.slots = {SelEntry(0x0101, kDec6At8, 0x01, 0x30, 0x01, {0x59, 0x5A, 0x50}),
                 SelEntry(0x0102, kDec7At1130, 0x01, 0x30, 0x81, {0x59, 0x48, 0x50}),
                 SelEntry(0x0103, kDec7At12, 0x08, 0x51, 0x6F, {0x01, 0xFF, 0xFF}),
                 SelEntry(0x0104, 0x04030201, 0x0A, 0x0B, 0x0C, {0x0D, 0x0E, 0x0F})};
    // An OEM record without a time stamp.
    sel.slots[3].recordType = 0xE0;
    tree_.WriteFile(tree_.VrkLogDir() / "sel.log", fixture::BuildSelLog(sel));
  }
  void WriteMarlog() {
    fixture::WriteCallReasons(tree_, fixture::CallReasonText({{"0001", "Hardware error"}}));
    fixture::WriteMarlogIndex(tree_, fixture::MarlogIndexText({{"20261207", "103000", "0001", "REC1"},
                                                               {"20261206", "090000", "0009", "REC2"}}));
    fixture::MarRecordValues record;
    record.event.timestamp = kDec7At10;
    record.reasonNumber = 0x01;
    record.impact = "H1";
    record.rc = kFan2Rc;
    record.rcName = "FAN2 SPEED LOW";
    record.fru = {{"RPL", "1", "FAN2", "FAN_UNIT"}};
    record.comment = kShiftJisComment;
    record.attachments = fixture::AttachedLogSection("console", "boot ok\n");
    fixture::WriteMarRecord(tree_, "REC1", record);
    fixture::MarRecordValues second;
    second.rc = kCpu0Rc;
    fixture::WriteMarRecord(tree_, "REC2", second);
  }
  // Every JSON line a test produced is checked once it ends.
  void TearDown() override {
    if (jsonLines_.empty()) return;
    tree_.WriteFile("lines.json", jsonLines_);
    EXPECT_TRUE(JsonLinesValid((tree_.root() / "lines.json").string())) << jsonLines_;
  }
  ViewerRun Run(const std::vector<std::string>& args) {
    ViewerRun run = ProgramTest::Run(args);
    if (std::find(args.begin(), args.end(), "--json") != args.end()) jsonLines_ += run.screen;
    return run;
  }
  // The Ids of a JSON run, in output order.
  std::vector<std::string> Ids(std::vector<std::string> args) {
    args.push_back("--json");
    const ViewerRun run = Run(args);
    EXPECT_EQ(0, run.exitStatus) << run.errors;
    std::vector<std::string> ids;
    for (const Json& line : JsonLines(run.screen)) ids.push_back(line["Id"]);
    return ids;
  }

  std::string jsonLines_;
};

// Each line of a source reads as in its source alone.
TEST_F(RcqueryE2eTest, AllSourcesAndTheTrapTableAsText) {
  const std::pair<std::string, std::string> cases[] = {
      // A timeless entry follows the entry before it in its own log; one
      // with none before it opens the timeline.
      {"all",
       "-                    rc  -        CPU0 CACHE CORRECTED\n"
       "2026-12-06T08:00:00Z sel Critical Temperature #0x30 | Upper Critical going high | Asserted\n"
       "2026-12-06T09:00:00Z mar -        [0009]unknown | RC 470100100000000100000001\n"
       "2026-12-07T10:00:00Z rc  -        FAN2 SPEED LOW\n"
       "2026-12-07T10:30:00Z mar -        [0001]Hardware error | FAN2 SPEED LOW\n"
       "2026-12-07T11:30:00Z sel OK       Temperature #0x30 | Upper Critical going high | Deasserted\n"
       "2026-12-07T12:00:00Z rc  -        RC 990000000000000000000003\n"
       "2026-12-07T12:00:00Z sel Critical Power Supply #0x51 | Failure detected | Asserted\n"
       "-                    sel Warning  OEM record 0xE0 | 010203042000040A0B0C0D0E0F\n"},
      {"tqr",
       "-                    tqr -        Trap RC 47 0100 10 XXXXXXXX XXXXXXXX\n"
       "-                    tqr -        Ignore RC 4A 0402 40 00000001 00000002\n"
       "-                    tqr -        Trap RC 99 XXXX XX XXXXXXXX XXXXXXXX\n"},
  };
  for (const auto& [source, text] : cases) EXPECT_EQ((ViewerRun{text, "", 0}), Run({source})) << source;
}

TEST_F(RcqueryE2eTest, RcAndMarAsJson) {
  const std::vector<Json> rcLines = JsonLines(Run({"rc", "--json"}).screen);
  ASSERT_EQ(3u, rcLines.size());
  EXPECT_EQ((Json{{"Id", "1-1796637600-4A0402400000000100000002"},
                  {"Source", "rc"},
                  {"Created", "2026-12-07T10:00:00Z"},
                  {"Severity", nullptr},
                  {"Message", "FAN2 SPEED LOW"},
                  {"EntryType", "Oem"},
                  {"RC", "4A0402400000000100000002"},
                  {"RtEn", "4A"},
                  {"UnitId", "0402"},
                  {"EventCode", "40"},
                  {"FailureCode", "00000001"},
                  {"AdditionalCode", "00000002"},
                  {"Level", nullptr},
                  {"Name", "FAN2 SPEED LOW"}}),
            rcLines[1]);
  EXPECT_EQ(nullptr, rcLines[0]["Created"]);
  EXPECT_EQ("01", rcLines[0]["Level"]);
  EXPECT_EQ(nullptr, rcLines[2]["Name"]);

  const std::vector<Json> marLines = JsonLines(Run({"mar", "--json"}).screen);
  ASSERT_EQ(2u, marLines.size());
  const Json& rec1 = marLines[1];
  EXPECT_EQ("REC1", rec1["Id"]);
  EXPECT_EQ("2026-12-07T10:30:00Z", rec1["Created"]);
  EXPECT_EQ("2026-12-07T10:00:00Z", rec1["RecordCreated"]);
  EXPECT_EQ("5E01", rec1["Reason"]);
  EXPECT_EQ("H1", rec1["Impact"]);
  // Shift-JIS converted, the byte that isn't escaped rather than dropped.
  EXPECT_EQ("\xE3\x82\xB8\xE3\x83\xA3\xE3\x83\x91\\xFF", rec1["Comment"]);
  EXPECT_EQ((Json{{{"Unit", "FAN2"}, {"FruMnemonic", "FAN_UNIT"}, {"Action", "RPL"}, {"Weight", "1"}}}), rec1["Fru"]);
  EXPECT_EQ((Json{"console"}), rec1["AttachedLogs"]);
}

TEST_F(RcqueryE2eTest, FiltersAloneAndCombined) {
  const std::string rc0 = "0-0-470100100000000100000001";
  const std::string rc1 = "1-1796637600-4A0402400000000100000002";
  const std::string rc2 = "2-1796644800-990000000000000000000003";
  const std::string sel0 = "0-257-1796544000";
  const std::string sel1 = "1-258-1796643000";
  const std::string sel2 = "2-259-1796644800";
  const std::string sel3 = "3-260-67305985";
  const std::pair<std::vector<std::string>, std::vector<std::string>> cases[] = {
      {{"rc"}, {rc0, rc1, rc2}},
      {{"rc", "--reverse"}, {rc2, rc1, rc0}},
      {{"rc", "-n", "2"}, {rc1, rc2}},
      {{"rc", "-n", "2", "--reverse"}, {rc2, rc1}},
      {{"rc", "-n", "0"}, {}},
      {{"rc", "--since", "2026-12-07"}, {rc1, rc2}},
      {{"rc", "--since", "2026-12-07T10:00:01Z"}, {rc2}},
      {{"rc", "--until", "2026-12-07 10:00:00"}, {rc1}},
      {{"rc", "--until", "2026-12-07"}, {rc1, rc2}},
      {{"rc", "--since", "-99999d"}, {rc1, rc2}},
      {{"rc", "--since", "-1m"}, {}},
      {{"rc", "--rc", "4A 0402+"}, {rc1}},
      {{"rc", "--rc", "X7"}, {rc0}},
      {{"rc", "--rc", "47", "--since", "2026-01-01"}, {}},
      {{"rc", "--severity", "ok"}, {}},
      {{"mar", "--rc", "4a"}, {"REC1"}},
      {{"tqr", "--rc", "4701001000000001"}, {"Trap-47010010XXXXXXXXXXXXXXXX"}},
      {{"tqr", "--rc", "99"}, {"Trap-99XXXXXXXXXXXXXXXXXXXXXX"}},
      {{"sel", "--severity", "critical"}, {sel0, sel2}},
      {{"sel", "--severity", "warning"}, {sel0, sel2, sel3}},
      {{"sel", "--severity", "OK"}, {sel0, sel1, sel2, sel3}},
      {{"sel", "--sensor-type", "temperature"}, {sel0, sel1}},
      {{"sel", "--sensor-type", "POWER_SUPPLY"}, {sel2}},
      {{"sel", "--sensor-type", "0x08"}, {sel2}},
      {{"all", "--severity", "critical", "--since", "2026-12-07"}, {sel2}},
      {{"all", "--sensor-type", "0x01", "--reverse", "-n", "1"}, {sel1}},
      {{"all", "--since", "2026-12-07T11:00:00", "--until", "2026-12-07T12:00:00"}, {sel1, rc2, sel2}},
      {{"all", "--rc", "4A"}, {rc1, "REC1"}},
      {{"all", "--until", "2026-12-07T10:30:00", "-n", "2"}, {rc1, "REC1"}},
  };
  for (const auto& [args, ids] : cases) EXPECT_EQ(ids, Ids(args)) << ::testing::PrintToString(args);
}

// A record that the ring overwrites takes its Id with it; every other
// record keeps its own.
TEST_F(RcqueryE2eTest, IdsHoldAcrossAWrapOfTheRing) {
  fixture::RcLogValues full = fixture::NumberedRcLog(2048);
  fixture::WriteRcLog(tree_, full);
  const std::vector<std::string> before = Ids({"rc"});
  fixture::AppendRcRecord(full, {kDec7At12, "01", fixture::NumberedRc(2048)});
  fixture::WriteRcLog(tree_, full);
  const std::vector<std::string> after = Ids({"rc"});
  ASSERT_EQ(2048u, before.size());
  ASSERT_EQ(2048u, after.size());
  EXPECT_TRUE(std::equal(before.begin() + 1, before.end(), after.begin()));
  EXPECT_EQ("0-1796644800-01020304000008000A0B0C0D", after.back());
}

TEST_F(RcqueryE2eTest, BrokenLogsAreNamedAndTheOthersStillPrint) {
  std::filesystem::remove(tree_.VrkLogDir() / "sel.log");
  std::filesystem::remove(fixture::MarDir(tree_) / "REC2" / "MARLOG");
  const std::string vrk = tree_.VrkLogDir().string();
  EXPECT_EQ((ViewerRun{"-                    rc  -        CPU0 CACHE CORRECTED\n"
                       "2026-12-06T09:00:00Z mar -        [0009]unknown\n"
                       "2026-12-07T10:00:00Z rc  -        FAN2 SPEED LOW\n"
                       "2026-12-07T10:30:00Z mar -        [0001]Hardware error | FAN2 SPEED LOW\n"
                       "2026-12-07T12:00:00Z rc  -        RC 990000000000000000000003\n",
                       "rcquery: sel: " + vrk + "/sel.log: no such file\nrcquery: mar: " + vrk +
                           "/mar/REC2/MARLOG: no such file\n",
                       1}),
            Run({"all"}));
}

// A SEL that no entry was written to yet is empty; one without its
// validity mark is broken.
TEST_F(RcqueryE2eTest, AnEmptySelIsNoError) {
  fixture::SelLogValues sel;
  tree_.WriteFile(tree_.VrkLogDir() / "sel.log", fixture::BuildSelLog(sel));
  EXPECT_EQ((ViewerRun{"", "", 0}), Run({"sel"}));
  sel.validity = 0;
  tree_.WriteFile(tree_.VrkLogDir() / "sel.log", fixture::BuildSelLog(sel));
  EXPECT_EQ((ViewerRun{"",
                       "rcquery: sel: " + (tree_.VrkLogDir() / "sel.log").string() +
                           ": invalid header (validity mark or newest index out of range)\n",
                       1}),
            Run({"sel"}));
}

TEST_F(RcqueryE2eTest, UsageErrors) {
  const std::vector<std::string> cases[] = {
      {},
      {"rc", "sel"},
      {"everything"},
      {"rc", "--since", "2026-02-30"},
      {"rc", "--until", "-5w"},
      {"rc", "--severity", "bad"},
      {"rc", "--rc", "47G"},
      {"rc", "--rc", "0123456789ABCDEF012345678"},
      {"sel", "--sensor-type", "0x123"},
      {"sel", "--sensor-type", "Thermometer"},
      {"rc", "-n", "-1"},
      {"rc", "--colour"},
      {"rc", "-n", "12x"},
      {"rc", "--cursor-file", "c.json"},
      {"rc", "--follow", "--cursor-file", ""},
      {"rc", "--follow", "--reverse"},
      {"tqr", "--follow"},
      {"sel", "--sensor-type", "0x1G"},
      {"bundle"},
      {"bundle", "--check"},
      {"bundle", "-x"},
      {"bundle", "a", "b"},
  };
  for (const std::vector<std::string>& args : cases) {
    const ViewerRun run = Run(args);
    EXPECT_EQ(2, run.exitStatus) << ::testing::PrintToString(args);
    EXPECT_EQ("", run.screen);
    EXPECT_TRUE(run.errors.starts_with("rcquery: ")) << run.errors;
  }
}

}  // namespace
}  // namespace rcv::e2e
