// How long the viewer makes an engineer wait: a dictionary lookup runs once
// for every RC on screen, so a CE page of the RC list costs sixteen of them.
#include <benchmark/benchmark.h>

#include <sstream>

#include "dict/rc_lookup.h"
#include "fixture/demo_dictionary.h"
#include "fixture/demo_tree.h"
#include "fixture/fixture_tree.h"
#include "look_up_in_turn.h"
#include "rclog/rc_list.h"
#include "rclog/rc_log.h"
#include "support/screen_harness.h"

namespace {

// One demo tree for the whole run, made by the fixture writers.
const rcv::fixture::FixtureTree& DemoTree() {
  static const rcv::fixture::FixtureTree tree;
  static const bool written = [] {
    rcv::fixture::WriteDemoTree(tree.root());
    tree.Activate();
    return true;
  }();
  (void)written;
  return tree;
}

void BM_GetRcInfoKnown(benchmark::State& state) {
  DemoTree();
  const auto keys = rcv::fixture::DemoDictionaryKnownRcs();
  LookUpInTurn(state, keys, [](const auto& rc, rcv::RcInfo& info) { return rcv::GetRcInfo(rc, info); });
}
BENCHMARK(BM_GetRcInfoKnown);

void BM_GetRcInfoUnknown(benchmark::State& state) {
  DemoTree();
  const std::array<std::uint8_t, 8> unknown = {0xE7, 0x00, 0x10, 0x02, 0x00, 0x00, 0x10, 0x00};
  for (auto _ : state) {
    rcv::RcInfo info;
    benchmark::DoNotOptimize(rcv::GetRcInfo(unknown, info));
  }
}
BENCHMARK(BM_GetRcInfoUnknown);

void BM_LoadRcLog(benchmark::State& state) {
  DemoTree();
  for (auto _ : state) {
    std::ostringstream out;
    std::vector<rcv::RcEntry> entries;
    benchmark::DoNotOptimize(rcv::LoadRcLog(out, entries));
  }
}
BENCHMARK(BM_LoadRcLog);

// The first CE page of the list, left at once with "q".
void BM_CeRcListFirstPage(benchmark::State& state) {
  DemoTree();
  for (auto _ : state) {
    rcv::fixture::ScreenHarness harness("q\n", rcv::ViewMode::kCe);
    rcv::Screen screen = harness.screen();
    benchmark::DoNotOptimize(rcv::ShowRcList(screen, &rcv::GetRcInfo));
  }
}
BENCHMARK(BM_CeRcListFirstPage);

}  // namespace

BENCHMARK_MAIN();
