#!/usr/bin/env bash
# Fails on a format difference in src/ (.clang-format) or a clang-tidy
# warning in the programs' own code of src/ (.clang-tidy; the unit tests
# aside). clang-tidy reads the compile commands of a configured build folder.
# Usage: scripts/lint.sh [BUILD-DIR]   (default build/)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

mapfile -t sources < <(find src -name '*.cpp' -o -name '*.h' | sort)
echo "== clang-format: ${#sources[@]} files of src/"
clang-format --dry-run --Werror "${sources[@]}"

mapfile -t program < <(find src -name '*.cpp' ! -name '*_test.cpp' | sort)
echo "== clang-tidy: ${#program[@]} files of src/"
# GCC's own warning options are unknown to clang; the count of warnings
# each file's headers raised and clang-tidy suppressed is noise.
printf '%s\n' "${program[@]}" |
  xargs -P "$(nproc)" -n 8 clang-tidy -p "$build" --quiet --extra-arg=-Wno-unknown-warning-option \
    2> >(grep -v 'warnings\? generated\.$' >&2)
