// Reads arbitrary text as the MARLOG files. The input is four parts
// (fuzz_input.h): marlog.idx, call_reason.csv, the MAR file of the record
// directory REC0001 (binary record and attached logs), and the keys typed
// at the Display MAR screen. The readers are also run on the parts
// directly, without the screen's limits: a long index, every attached log.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

#include "fixture/marlog_writer.h"
#include "fuzz_input.h"
#include "fuzz_tree.h"
#include "marlog/attached_logs.h"
#include "marlog/call_reason.h"
#include "marlog/display_mar.h"
#include "marlog/mar_record.h"
#include "marlog/marlog_index.h"
#include "support/screen_harness.h"

namespace {

constexpr std::string_view kMarDirName = "REC0001";

void ReadPartsDirectly(std::string_view index, std::string_view reasons, std::string_view mar) {
  std::vector<rcv::MarlogIndexEntry> entries = rcv::ParseMarlogIndex(index, std::numeric_limits<std::uint32_t>::max());
  rcv::SortMarlogIndex(entries);
  const std::vector<rcv::CallReasonEntry> table = rcv::ParseCallReasons(reasons);
  for (const rcv::MarlogIndexEntry& entry : entries) rcv::FindCallReason(table, entry.reason);
  for (const rcv::AttachedLogEntry& log : rcv::ScanAttachedLogs(mar, rcv::kMarRecordSize)) {
    rcv::AttachedLogText(mar, log.position);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const rcv::fixture::FixtureTree& tree = rcv::fuzz::FuzzTree();
  const auto parts = rcv::fuzz::SplitParts(rcv::fuzz::InputText(data, size), 4);
  rcv::fixture::WriteMarlogIndex(tree, parts[0]);
  rcv::fixture::WriteCallReasons(tree, parts[1]);
  tree.WriteFile(rcv::fixture::MarDir(tree) / kMarDirName / "MARLOG", parts[2]);

  rcv::fixture::ScreenHarness harness{std::string(parts[3])};
  rcv::Screen screen = harness.screen();
  rcv::DisplayMar(screen);
  ReadPartsDirectly(parts[0], parts[1], parts[2]);
  return 0;
}
