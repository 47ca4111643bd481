#!/usr/bin/env bash
# Builds with gcc's coverage in build-coverage/, runs the whole suite and
# prints line and branch coverage for each folder of src/: the programs' own
# code, without the fixture writers and the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if ! command -v gcovr >/dev/null; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq gcovr
fi

jobs=$(nproc)
cmake -S . -B build-coverage -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=--coverage >/dev/null
cmake --build build-coverage -j"$jobs"
find build-coverage -name '*.gcda' -delete
# A test that fails (or outlives its time limit, slower under coverage) is
# named here, and the coverage of the rest is still reported; the script's
# status is then 1. One export test runs the viewer under a 2 KB file size
# limit, which would cut the coverage data files that its runs write and
# spoil them for every later run (the next run's "Merge mismatch" on
# standard error fails it): it runs last and alone, its coverage data
# written aside and dropped, so its runs go uncounted.
size_limited='^ExportE2eTest\.AFailedExportLeavesTheEarlierOneAsItWas$'
suite_status=0
(cd build-coverage && ctest -j"$jobs" --timeout 300 --output-on-failure -E "$size_limited") \
  >build-coverage/ctest.log 2>&1 || suite_status=$?
aside=$(mktemp -d)
(cd build-coverage && GCOV_PREFIX="$aside" ctest --timeout 300 --output-on-failure -R "$size_limited") \
  >>build-coverage/ctest.log 2>&1 || suite_status=$?
rm -rf "$aside"
grep -E 'tests passed|tests failed' build-coverage/ctest.log
grep -E '^[[:space:]]+[0-9]+ - .*\)$' build-coverage/ctest.log || true

# Branches that only exceptions or the compiler's own code take are left out:
# the program throws none of its own.
gcovr --root . --object-directory build-coverage --exclude-directories 'build-coverage/CMakeFiles/[0-9.]+' \
  --filter 'src/' --exclude '.*_test\.cpp$' --exclude '.*(test_context|test_support)\.h$' \
  --exclude-throw-branches --exclude-unreachable-branches --json-summary build-coverage/coverage.json >/dev/null
python3 - build-coverage/coverage.json <<'PY'
import collections, json, sys
folders = collections.defaultdict(lambda: [0, 0, 0, 0])
for entry in json.load(open(sys.argv[1]))["files"]:
    parts = entry["filename"].split("/")
    folder = "/".join(parts[:2]) if len(parts) > 2 else "src/*.cpp"
    for name in (folder, "total"):
        row = folders[name]
        row[0] += entry["line_covered"]; row[1] += entry["line_total"]
        row[2] += entry["branch_covered"]; row[3] += entry["branch_total"]
percent = lambda covered, total: f"{100 * covered / total:5.1f}%" if total else "    -"
print(f"{'folder':<12} {'lines':>17} {'branches':>17}")
for name in sorted(folders, key=lambda n: (n == "total", n)):
    lc, lt, bc, bt = folders[name]
    print(f"{name:<12} {percent(lc, lt)} {lc:>5}/{lt:<5} {percent(bc, bt)} {bc:>5}/{bt:<5}")
PY
exit "$suite_status"
