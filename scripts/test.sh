#!/usr/bin/env bash
# Checks the format and clang-tidy, then builds with warnings as errors and
# runs every test twice: once plain, once under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc)
run_suite() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -DRCV_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  (cd "$dir" && ctest --output-on-failure -j"$jobs" --timeout 300)
}

plain=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DRCV_BENCH=ON)
echo "== format and clang-tidy"
cmake -S . -B build -DRCV_WERROR=ON "${plain[@]}" >/dev/null
scripts/lint.sh build
echo "== plain build"
run_suite build "${plain[@]}"
echo "== AddressSanitizer and UndefinedBehaviorSanitizer build"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DRCV_SANITIZE=ON
