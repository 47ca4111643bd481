// The dictionary at full size: lookups on the reference workload (a
// 25,000-line dictionary of 40 scripts), the per-call and the preloaded
// road side by side on a flat 20,000-line dictionary, and the evaluator and
// brace expansion on the texts such dictionaries are made of.
#include <benchmark/benchmark.h>

#include <thread>

#include "dict/expr/brace_expansion.h"
#include "dict/expr/expression.h"
#include "dict/preloaded_dictionary.h"
#include "dict/rc_lookup.h"
#include "dict/state/record_table.h"
#include "dict/state/search_context.h"
#include "dict/state/variable_table.h"
#include "fixture/reference_workload.h"
#include "look_up_in_turn.h"
#include "shell/file_watch.h"

namespace {

using rcv::fixture::FixtureTree;

// Where inotify can't be had, files modified in the last moments are
// compared by content at every lookup; a real dictionary is older than
// that, so the trees are let settle first.
void LetSettle() { std::this_thread::sleep_for(std::chrono::seconds(rcv::kQuietSeconds + 1)); }

const FixtureTree& ReferenceTree() {
  static const FixtureTree tree;
  static const bool written = [] {
    rcv::fixture::WriteReferenceWorkload(tree.root());
    LetSettle();
    return true;
  }();
  (void)written;
  return tree;
}

const FixtureTree& FlatTree() {
  static FixtureTree tree;
  static const bool written = [] {
    tree.WriteSetup();
    rcv::fixture::WriteFlatDictionary(tree, 20000);
    LetSettle();
    return true;
  }();
  (void)written;
  return tree;
}

void BM_GetRcInfoReference(benchmark::State& state) {
  ReferenceTree().Activate();
  const auto keys = rcv::fixture::ReferenceKnownRcs(2048);
  LookUpInTurn(state, keys, [](const auto& rc, rcv::RcInfo& info) { return rcv::GetRcInfo(rc, info); });
}
BENCHMARK(BM_GetRcInfoReference);

// The same RCs of the flat dictionary on both roads, one after the other.
void BM_GetRcInfoFlat(benchmark::State& state) {
  FlatTree().Activate();
  const auto keys = rcv::fixture::ReferenceKnownRcs(64);
  LookUpInTurn(state, keys, [](const auto& rc, rcv::RcInfo& info) { return rcv::GetRcInfo(rc, info); });
}
BENCHMARK(BM_GetRcInfoFlat);

void BM_GetRcNamePreloadedFlat(benchmark::State& state) {
  FlatTree().Activate();
  rcv::PreloadRcDictionary();
  const auto keys = rcv::fixture::ReferenceKnownRcs(64);
  LookUpInTurn(state, keys, [](const auto& rc, rcv::RcInfo& info) { return rcv::GetRcNamePreloaded(rc, info); });
  rcv::ReleaseRcDictionary();
}
BENCHMARK(BM_GetRcNamePreloadedFlat);

// A context as an RC-CODE match and a few statements leave it.
class FilledContext {
 public:
  FilledContext() {
    context.records.Init();
    const std::string_view rc = "4101003A00120001";
    for (std::size_t i = 0; i < rc.size(); ++i) {
      rcv::SetVariable(std::string(1, static_cast<char>('G' + i)), rc.substr(i, 1), context);
    }
    context.records.DefineValue("%UNIT", "U01{L}");
  }
  ~FilledContext() { context.records.Free(); }
  rcv::SearchContext context;
};

void BM_EvalExpression(benchmark::State& state) {
  FilledContext filled;
  for (auto _ : state) benchmark::DoNotOptimize(rcv::EvalExpression("$MN = 3A & $O = 0", filled.context));
}
BENCHMARK(BM_EvalExpression);

void BM_ExpandBraces(benchmark::State& state) {
  FilledContext filled;
  for (auto _ : state) {
    std::string text = "{%UNIT} event {MN} failure {OPQRSTUV} next {MN+1}";
    benchmark::DoNotOptimize(rcv::ExpandBraces(text, filled.context));
  }
}
BENCHMARK(BM_ExpandBraces);

}  // namespace

BENCHMARK_MAIN();
