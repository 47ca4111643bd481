#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs them one after another,
# each for SECONDS (600 when not given); naming targets runs only those.
# Every target starts from the seeds that make_seeds writes from the fixture
# writers and grows its corpus in build-fuzz/corpus/<target>; a crash, leak,
# timeout or sanitizer report leaves its input in build-fuzz/findings/<target>
# and makes the script fail once every target has run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
# The fuzz build needs clang and its libFuzzer runtime on top of the usual tools.
scripts/setup.sh clang libclang-rt-14-dev

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DRCV_FUZZ=ON >/dev/null
cmake --build build-fuzz -j2
rm -rf build-fuzz/seeds
build-fuzz/fuzz/make_seeds build-fuzz/seeds

targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
  targets=(setup_fuzzer console_fuzzer rc_log_fuzzer sel_log_fuzzer sel_event_fuzzer marlog_fuzzer trap_rc_fuzzer
           dictionary_check_fuzzer preloaded_dictionary_fuzzer expression_fuzzer interpreter_fuzzer
           cursor_file_fuzzer)
fi
failed=()
for target in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$target findings=build-fuzz/findings/$target
  mkdir -p "$corpus" "$findings" "build-fuzz/seeds/$target"
  echo "== $target for ${seconds}s"
  build-fuzz/fuzz/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" "build-fuzz/seeds/$target" || failed+=("$target")
done
if [ "${#failed[@]}" -gt 0 ]; then
  echo "faults found by: ${failed[*]}"
  exit 1
fi
