#!/usr/bin/env bash
# Measures the dictionary on workloads of realistic shape, in a Release build
# of its own (build-perf/):
#  - the CE Save RC (-o sr) of a full rc.log of 2048 records over the
#    reference dictionary (40 scripts, 25,000 lines): wall time and peak
#    memory, best of five runs;
#  - one lookup over a dictionary that SETs 2,000 to 128,000 records;
#  - GetRcInfo against GetRcNamePreloaded on a flat 20,000-line dictionary,
#    and the other benchmarks of bench/workload_bench;
#  - rcquery rc, sel and all --json on the reference workload, against the
#    -o sr of the same tree, best of five runs in milliseconds;
#  - rcdict cover (2048 records) on flat dictionaries of 10,000 and 50,000
#    lines, best of five runs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
command -v /usr/bin/time >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq time

cmake -S . -B build-perf -DCMAKE_BUILD_TYPE=Release -DRCV_BENCH=ON >/dev/null
cmake --build build-perf -j"$(nproc)" --target rcviewer rcquery make_workload workload_bench >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build-perf/make_workload reference "$work/reference"
for count in 2000 8000 32000 128000; do build-perf/make_workload records "$work/records-$count" "$count"; done
# Files modified in the last two seconds are compared by content at every
# use; a machine's dictionary is older than that.
sleep 3

# Prints "SECONDS KILOBYTES" of the best of five runs of the viewer's -o sr.
best_of_five() {
  local root=$1 best=""
  for _ in 1 2 3 4 5; do
    local measured
    measured=$(RCVIEWER_ROOT=$root /usr/bin/time -f "%e %M" build-perf/rcviewer tonbar47 -o sr -f "$work/out.txt" \
      2>&1 >/dev/null | tail -1)
    if [ -z "$best" ] || [ "$(echo "$measured $best" | awk '{print ($1 < $3)}')" = 1 ]; then best=$measured; fi
  done
  echo "$best"
}

read -r seconds kilobytes <<<"$(best_of_five "$work/reference")"
echo "CE -o sr, 2048 records, reference dictionary: ${seconds} s wall, $((kilobytes / 1024)) MB peak"
for count in 2000 8000 32000 128000; do
  read -r seconds kilobytes <<<"$(best_of_five "$work/records-$count")"
  echo "one lookup over ${count} records: ${seconds} s wall, $((kilobytes / 1024)) MB peak"
done

# Prints the seconds of the best of five wall times of a command on a tree.
best_of_five_command() {
  local root=$1 best=""
  shift
  for _ in 1 2 3 4 5; do
    local measured
    measured=$(RCVIEWER_ROOT=$root /usr/bin/time -f "%e" "$@" 2>&1 >/dev/null | tail -1)
    if [ -z "$best" ] || [ "$(echo "$measured $best" | awk '{print ($1 < $2)}')" = 1 ]; then best=$measured; fi
  done
  echo "$best"
}

# Prints the milliseconds of the best of five runs of a command on the
# reference workload.
best_ms() {
  local best=""
  for _ in 1 2 3 4 5; do
    local start end
    start=$(date +%s%N)
    RCVIEWER_ROOT="$work/reference" "$@" >/dev/null
    end=$(date +%s%N)
    local ms=$(((end - start) / 1000))
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
  done
  awk -v us="$best" 'BEGIN { printf "%.1f", us / 1000 }'
}
sr=$(best_ms build-perf/rcviewer tonbar47 -o sr -f "$work/out.txt")
rc=$(best_ms build-perf/rcquery rc --json)
sel=$(best_ms build-perf/rcquery sel --json)
mar=$(best_ms build-perf/rcquery mar --json)
all=$(best_ms build-perf/rcquery all --json)
echo "rcquery rc --json: ${rc} ms, $(awk -v a="$rc" -v b="$sr" 'BEGIN { printf "%.2f", a / b }') times -o sr (${sr} ms)"
echo "rcquery sel --json: ${sel} ms; mar --json: ${mar} ms"
echo "rcquery all --json: ${all} ms against rc + sel + mar ${rc} + ${sel} + ${mar} ms"

# REC tables of thousands of rows behind IFDEFs, one lookup a record.
cmake --build build-perf -j"$(nproc)" --target rcdict >/dev/null
for lines in 10000 50000; do build-perf/make_workload flat "$work/flat-$lines" "$lines"; done
sleep 3
for lines in 10000 50000; do
  cover=$(best_of_five_command "$work/flat-$lines" build-perf/rcdict cover)
  echo "rcdict cover, 2048 records, flat dictionary of ${lines} lines: ${cover} s wall"
done

build-perf/bench/workload_bench --benchmark_min_time=0.5
