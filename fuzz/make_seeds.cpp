// Writes the fuzzers' seed inputs from the project's fixture writers:
// DIR/<fuzzer>/<seed> for every fuzzer of the files the viewer reads. The
// seeds are made afresh by scripts/fuzz.sh and never kept in the sources.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "fixture/demo_dictionary.h"
#include "fixture/demo_marlog.h"
#include "fixture/demo_tree.h"
#include "fixture/marlog_writer.h"
#include "fixture/rc_log_writer.h"
#include "fixture/sel_log_writer.h"
#include "fixture/trap_rc_writer.h"
#include "followed_logs.h"
#include "fuzz_input.h"
#include "rclog/rc_log.h"
#include "rcquery/follow_source.h"
#include "sel/sel_event.h"
#include "sel/sel_log.h"
#include "shell/reference_code.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kSelEventSeedCount = 32;
using rcv::fixture::FixtureTree;
using rcv::fuzz::JoinParts;

std::string AsText(const std::vector<std::uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

class SeedWriter {
 public:
  explicit SeedWriter(fs::path root) : root_(std::move(root)) {}
  void Write(std::string_view fuzzer, std::string_view name, std::string_view bytes) const {
    const fs::path folder = root_ / fuzzer;
    fs::create_directories(folder);
    std::ofstream file(folder / name, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

 private:
  fs::path root_;
};

void WriteSetupSeeds(const SeedWriter& seeds) {
  rcv::fixture::SetupValues quoted;
  quoted.modelName = "\"QX-2400  Enterprise\"  ";
  quoted.marStackMax = "99999999999";
  seeds.Write("setup_fuzzer", "default", JoinParts({rcv::fixture::SetupFileText({}), "1.23 build\n"}));
  seeds.Write("setup_fuzzer", "quoted", JoinParts({rcv::fixture::SetupFileText(quoted), "  \n"}));
}

void WriteConsoleSeeds(const SeedWriter& seeds) {
  seeds.Write("console_fuzzer", "answers", "0\nq\ny\n\n47 0100 10 XXXXXXXX 00000000\n");
  seeds.Write("console_fuzzer", "editing", "ab\bc\x7f\x7f\x1b[A\x1b[15~d\n\x1b");
  seeds.Write("console_fuzzer", "long", std::string(1100, 'a') + std::string(200, '\b') + "z\n");
}

void WriteRcLogSeeds(const SeedWriter& seeds) {
  rcv::fixture::RcLogValues damaged = rcv::fixture::NumberedRcLog(20);
  damaged.recordCount = 0x8001;
  damaged.nextSlot = 0xFFFF;
  seeds.Write("rc_log_fuzzer", "demo", AsText(rcv::fixture::RcLogBytes(rcv::fixture::DemoRcLog())));
  seeds.Write("rc_log_fuzzer", "wrapped", AsText(rcv::fixture::RcLogBytes(rcv::fixture::NumberedRcLog(2100))));
  seeds.Write("rc_log_fuzzer", "damaged", AsText(rcv::fixture::RcLogBytes(damaged)));
}

void WriteSelLogSeeds(const SeedWriter& seeds) {
  rcv::fixture::SelLogValues fresh;
  fresh.newestIndex = 2;
  fresh.slots.resize(3);
  seeds.Write("sel_log_fuzzer", "demo", AsText(rcv::fixture::BuildSelLog(rcv::fixture::DemoSelLog())));
  seeds.Write("sel_log_fuzzer", "fresh", AsText(rcv::fixture::BuildSelLog(fresh)));
  seeds.Write("sel_log_fuzzer", "empty", AsText(rcv::fixture::BuildSelLog({})));
}

// The demo log's records, the first 16 bytes of each entry, one a seed.
void WriteSelEventSeeds(const SeedWriter& seeds) {
  const rcv::fixture::SelLogValues demo = rcv::fixture::DemoSelLog();
  const std::vector<std::uint8_t> log = rcv::fixture::BuildSelLog(demo);
  for (std::size_t slot = 0; slot < std::min(demo.slots.size(), kSelEventSeedCount); ++slot) {
    const auto entry = log.begin() + static_cast<std::ptrdiff_t>(rcv::SelSlotOffset(slot));
    seeds.Write("sel_event_fuzzer", "demo" + std::to_string(slot),
                std::string(entry, entry + static_cast<std::ptrdiff_t>(rcv::kSelRecordSize)));
  }
}

void WriteMarlogSeeds(const SeedWriter& seeds) {
  const FixtureTree tree;
  rcv::fixture::WriteDemoMarlog(tree);
  const fs::path marDir = rcv::fixture::MarDir(tree);
  const std::string index = tree.ReadFile(marDir / "marlog.idx");
  const std::string reasons = tree.ReadFile(tree.MainteData() / "call_reason.csv");
  for (const std::string_view record : {"REC0001", "REC0002"}) {
    const std::string mar = tree.ReadFile(marDir / record / "MARLOG");
    seeds.Write("marlog_fuzzer", record, JoinParts({index, reasons, mar, "1\n\n1\n\nq\n2\n\n\n\nq\nq\n"}));
  }
}

void WriteTrapRcSeeds(const SeedWriter& seeds) {
  const std::string demo = AsText(rcv::fixture::TrapRcTableBytes(rcv::fixture::DemoTrapRcTable()));
  const std::vector<rcv::fixture::TrapRcRecordValues> full(16);
  seeds.Write("trap_rc_fuzzer", "add", JoinParts({demo, "0\n47 0100 10 XXXXXXXX 0000000x\n1\n0\ny\nq\n"}));
  seeds.Write("trap_rc_fuzzer", "full", JoinParts({AsText(rcv::fixture::TrapRcTableBytes(full)), "0\n1\n3\n"}));
}

// Every script of the demo dictionary, as a top script to check, and as one
// to run, preloaded or not, on a demo RC; and a condition to evaluate.
void WriteDictionarySeeds(const SeedWriter& seeds) {
  const FixtureTree tree;
  rcv::fixture::WriteDemoDictionary(tree);
  const auto& entries = rcv::fixture::DemoDictionaryEntries();
  std::size_t number = 0;
  for (const fs::directory_entry& file : fs::directory_iterator(tree.DictionaryDir())) {
    if (file.path().extension() != ".csv") continue;
    const std::string script = tree.ReadFile(file.path());
    const std::string name = file.path().filename().string();
    seeds.Write("dictionary_check_fuzzer", name, script);
    const std::string rcText = rcv::FormatRcKey(entries[number++ % entries.size()].key);
    for (const std::string_view fuzzer : {"preloaded_dictionary_fuzzer", "interpreter_fuzzer"}) {
      seeds.Write(fuzzer, name, "\x01" + rcText + "\n" + script);
    }
  }
  seeds.Write("expression_fuzzer", "condition", "GH = 47 & (%UNIT <> \"CPU0\" | G(0-3) >= 1F)");
}

// The cursor a follow run saves after the whole of followed_logs.h, and
// damages of it: positions some entries back, at the last slot of each
// ring, and beyond the ring (which once crashed the follower); no position.
void WriteCursorFileSeeds(const SeedWriter& seeds) {
  const FixtureTree tree;
  tree.WriteSetup();
  rcv::fuzz::WriteFollowedLogs(tree);
  tree.Activate();
  rcv::Json saved = rcv::Json::object();
  for (const std::string_view source : {rcv::kRcSource, rcv::kSelSource, rcv::kMarSource}) {
    const auto follower = rcv::MakeFollowSource(source);
    static_cast<void>(follower->Start());
    saved[std::string(source)] = follower->SavePosition();
  }
  // The saved cursor with the position in each ring moved.
  const auto moved = [&saved](auto move) {
    rcv::Json cursor = saved;
    move(cursor["rc"], rcv::kRcLogSlots);
    move(cursor["sel"], rcv::kSelSlotCount);
    return cursor.dump();
  };
  const auto fiveBack = [](rcv::Json& at, std::size_t slots) {
    at["Slot"] = (at["Slot"].get<std::size_t>() + slots - 5) % slots;
    if (at["Sequence"].is_number()) at["Sequence"] = at["Sequence"].get<std::int64_t>() - 5;
  };
  const auto lastSlot = [](rcv::Json& at, std::size_t slots) { at["Slot"] = slots - 1; };
  const auto beyondRing = [](rcv::Json& at, std::size_t slots) { at["Slot"] = slots; };
  seeds.Write("cursor_file_fuzzer", "saved", saved.dump());
  seeds.Write("cursor_file_fuzzer", "behind", moved(fiveBack));
  seeds.Write("cursor_file_fuzzer", "last_slot", moved(lastSlot));
  seeds.Write("cursor_file_fuzzer", "beyond_ring", moved(beyondRing));
  seeds.Write("cursor_file_fuzzer", "no_position", R"({"rc":null,"sel":null,"mar":null})");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_seeds DIR\n");
    return 2;
  }
  const SeedWriter seeds{fs::path(argv[1])};
  WriteSetupSeeds(seeds);
  WriteConsoleSeeds(seeds);
  WriteRcLogSeeds(seeds);
  WriteSelLogSeeds(seeds);
  WriteSelEventSeeds(seeds);
  WriteMarlogSeeds(seeds);
  WriteTrapRcSeeds(seeds);
  WriteDictionarySeeds(seeds);
  WriteCursorFileSeeds(seeds);
  return 0;
}
