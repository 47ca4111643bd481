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
echo "== clang-tidy: ${#program[@]} files of src/ (5 to 20 minutes on 2 cores)"
# Each file is named as its check starts. GCC's own warning options are
# unknown to clang; the count of warnings each file's headers raised and
# clang-tidy suppressed is noise.
tidy_one() {
  echo "  [$1/$2] $3"
  clang-tidy -p "$build" --quiet --extra-arg=-Wno-unknown-warning-option "$3"
}
export -f tidy_one
export build
for i in "${!program[@]}"; do printf '%s\n' "$((i + 1))" "${#program[@]}" "${program[$i]}"; done |
  xargs -P "$(nproc)" -n 3 bash -c 'tidy_one "$@"' _ 2> >(grep -v 'warnings\? generated\.$' >&2)
echo "== lint passed"
