// rcquery --follow against a writer that appends into the rings while it
// runs: killed and started again at random points, it delivers every entry,
// repeats only what was in flight, and reports a ring that overtook it as
// one gap.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <map>
#include <random>
#include <set>
#include <thread>

#include "follow_support.h"
#include "rclog/rc_log.h"
#include "run_viewer.h"

namespace rcv::e2e {
namespace {

using Json = nlohmann::json;

constexpr int kKillCycles = 120;
constexpr unsigned kSeed = 20261207;

struct Delivered {
  std::string source;
  std::string id;
  std::uint32_t serial = 0;  // 0 for a gap
  Json line;
};

class RcqueryFollowE2eTest : public ::testing::Test {
 protected:
  void SetUp() override { tree_.WriteSetup(); }

  std::string Path(const char* name) const { return (tree_.root() / name).string(); }

  std::unique_ptr<BackgroundRun> StartFollow(const std::string& source) {
    return std::make_unique<BackgroundRun>(
        tree_.root().string(), ProgramPath("rcquery"),
        std::vector<std::string>{"--json", "--follow", "--cursor-file", Path("cursor"), source}, Path("out"),
        Path("err"));
  }
  // Follows until the entry with that serial number was delivered, then
  // ends the run as a service manager would; gives its exit status.
  int FollowUntil(const std::string& source, std::uint32_t serial) {
    auto reader = StartFollow(source);
    EXPECT_TRUE(WaitForText(Path("out"), FollowEntryTime(serial))) << serial;
    reader->Signal(SIGTERM);
    return reader->Wait();
  }

  // Every line so far, each whole JSON, written again to "whole". A kill
  // may cut a write short between two pages of the file: the next run ends
  // the cut line, and its entry must come again whole later; it counts as
  // that entry.
  std::vector<Delivered> Output(std::uint32_t written) {
    std::vector<Delivered> delivered;
    // The serial numbers of the entries written, by their Created text.
    std::map<std::string, std::uint32_t> serials;
    for (std::uint32_t serial = 1; serial <= written; ++serial) serials[FollowEntryTime(serial)] = serial;
    const std::vector<std::string> lines = FileLines(Path("out"));
    std::string whole;
    for (auto text = lines.begin(); text != lines.end(); ++text) {
      Json line = Json::parse(*text, nullptr, false);
      if (line.is_discarded()) {
        const auto later =
            std::find_if(text + 1, lines.end(), [&](const std::string& l) { return l.starts_with(*text); });
        EXPECT_NE(lines.end(), later) << "a torn line that never came whole: " << *text;
        if (later == lines.end()) continue;
        line = Json::parse(*later);
      } else {
        whole += *text + "\n";
      }
      const std::string created = line["Created"].is_string() ? line["Created"].get<std::string>() : "";
      const auto serial = serials.find(created);
      delivered.push_back({line["Source"], line["Id"], serial == serials.end() ? 0 : serial->second, line});
    }
    tree_.WriteFile("whole", whole);
    return delivered;
  }

  fixture::FixtureTree tree_;
};

TEST_F(RcqueryFollowE2eTest, KilledAndRestartedItDeliversEveryEntryAndRepeatsOnlyTheBatchInFlight) {
  RingWriter writer(tree_);
  std::mt19937 random(kSeed);
  const auto below = [&random](unsigned bound) { return static_cast<unsigned>(random() % bound); };
  struct Kill {
    std::size_t linesAt = 0;  // lines delivered when it was killed
    Json cursor;              // the cursor file it left
  };
  std::vector<Kill> kills;
  for (int cycle = 0; cycle < kKillCycles; ++cycle) {
    auto reader = StartFollow("all");
    for (unsigned n = below(20); n > 0; --n) {
      below(2) == 0 ? writer.AppendRc() : writer.AppendSel();
      if (below(4) == 0) std::this_thread::sleep_for(std::chrono::microseconds(below(3000)));
    }
    std::this_thread::sleep_for(std::chrono::microseconds(below(15000)));
    reader->Signal(SIGKILL);
    reader->Wait();
    const std::string cursorText = tree_.ReadFile("cursor");
    const Json cursor = cursorText.empty() ? Json() : Json::parse(cursorText, nullptr, false);
    ASSERT_FALSE(cursor.is_discarded()) << "torn cursor file after cycle " << cycle << ": " << cursorText;
    kills.push_back({FileLines(Path("out")).size(), cursor});
  }
  EXPECT_EQ(0, FollowUntil("all", writer.written()));

  const std::vector<Delivered> output = Output(writer.written());
  // Every entry arrived, for the first time in the order written within its
  // log (the logs are read one after the other, so a batch may hold a later
  // entry of one log without an earlier one of the other).
  std::set<std::uint32_t> seen;
  std::map<std::string, std::uint32_t> newest;
  for (const Delivered& entry : output) {
    ASSERT_NE(0u, entry.serial) << entry.line.dump();
    if (!seen.insert(entry.serial).second) continue;
    EXPECT_GT(entry.serial, newest[entry.source]) << entry.line.dump();
    newest[entry.source] = entry.serial;
  }
  ASSERT_EQ(writer.written(), seen.size());
  EXPECT_TRUE(JsonLinesValid(Path("whole")));
  // A run repeats, of each log, only entries delivered after the cursor its
  // killed predecessor left, before any new one: the batch it had in flight.
  for (std::size_t k = 0; k + 1 < kills.size(); ++k) {
    std::map<std::string, std::uint32_t> cursorSerial;
    std::set<std::uint32_t> before;
    for (std::size_t i = 0; i < kills[k].linesAt; ++i) {
      const Delivered& entry = output[i];
      before.insert(entry.serial);
      const Json& position = kills[k].cursor.is_object() ? kills[k].cursor[entry.source] : Json();
      if (position.is_object() && position["Id"] == entry.id) cursorSerial[entry.source] = entry.serial;
    }
    std::set<std::string> sentNew;
    for (std::size_t i = kills[k].linesAt; i < kills[k + 1].linesAt; ++i) {
      const Delivered& entry = output[i];
      if (!before.contains(entry.serial)) {
        sentNew.insert(entry.source);
        continue;
      }
      EXPECT_FALSE(sentNew.contains(entry.source)) << "a repeat after new entries, line " << i;
      EXPECT_GT(entry.serial, cursorSerial[entry.source]) << "a repeat from before the cursor, line " << i;
    }
  }
}

TEST_F(RcqueryFollowE2eTest, AReaderLeftBehindByMoreThanTheRingReportsOneGapWithTheCount) {
  RingWriter writer(tree_);
  for (int i = 0; i < 5; ++i) writer.AppendRc();
  ASSERT_EQ(0, FollowUntil("rc", 5));
  for (std::uint32_t i = 0; i < kRcLogSlots + 300; ++i) writer.AppendRc();
  ASSERT_EQ(0, FollowUntil("rc", writer.written()));

  const std::vector<Delivered> output = Output(writer.written());
  ASSERT_EQ(5u + 1 + (kRcLogSlots - 1), output.size());
  // The full ring's oldest slot is the one the writer fills next, so it is
  // counted lost rather than trusted: 300 overwritten, and that one.
  const Json& gap = output[5].line;
  EXPECT_EQ(true, gap["Gap"]);
  EXPECT_EQ("rc", gap["Source"]);
  EXPECT_EQ(301, gap["Lost"]);
  EXPECT_EQ(5u + 301 + 1, output[6].serial);
  EXPECT_EQ(writer.written(), output.back().serial);
  EXPECT_TRUE(JsonLinesValid(Path("whole")));
  EXPECT_NE(std::string::npos, tree_.ReadFile("err").find("rcquery: rc: 301 entries lost"));
  // A cursor naming a slot beyond the ring ends the next run before it prints.
  tree_.WriteFile("cursor", R"({"rc":{"Sequence":1,"Slot":2048,"Digest":"","Time":1,"Id":""}})");
  EXPECT_EQ((ViewerRun{"",
                       "rcquery: cursor file " + Path("cursor") +
                           ": a rc position needs Sequence, Slot (0 to 2047), Digest, Time and Id\n",
                       1}),
            RunProgram("rcquery", tree_.root().string(), {"--follow", "--cursor-file", Path("cursor"), "rc"}));
}

}  // namespace
}  // namespace rcv::e2e
