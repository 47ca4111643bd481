// Runs one lookup per benchmark iteration, taking the RCs of `keys` in turn
// so that no single RC's path is measured alone.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>

#include "dict/rc_info.h"

template <typename Keys, typename Lookup>
void LookUpInTurn(benchmark::State& state, const Keys& keys, Lookup lookup) {
  std::size_t next = 0;
  for (auto _ : state) {
    rcv::RcInfo info;
    benchmark::DoNotOptimize(lookup(keys[next++ % keys.size()], info));
  }
}
