#!/usr/bin/env bash
# Runs every example command line of the README (the lines of its sh blocks
# that start with rcdict or rcviewer) and of the manual pages (the lines of
# their .EX blocks) on the demo tree, as the README sets it up: demo-root/,
# work/ a copy of its dictionary folder, rcs.txt one RC a line. An example
# passes when it writes nothing to standard error and ends as its program
# ends on success: 0 for rcdict, 0 or 1 (every normal end) for rcviewer.
# Usage: examples_test.sh PROGRAM-DIR MAKE-DEMO SOURCE-DIR
set -euo pipefail
programs=$(cd "$1" && pwd) make_demo=$(realpath "$2") source=$(cd "$3" && pwd)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
"$make_demo" demo-root >/dev/null
cp -r demo-root/opt/veltrad/quorix/MainteData/rcdict work
printf '4701001000000001\n4A04024000000001\n' >rcs.txt
export RCVIEWER_ROOT=$scratch/demo-root PATH=$programs:$PATH LANG=C.UTF-8

# The example lines of one document, comments after " # " dropped.
readme_examples() {
  awk '/^```sh/ { on = 1; next } /^```/ { on = 0 } on && /^(rcdict|rcviewer)( |$)/' "$1" | sed 's/ \+# .*$//'
}
man_examples() {
  awk '/^\.EX/ { on = 1; next } /^\.EE/ { on = 0 } on' "$1" | sed -e 's/\\-/-/g' -e 's/\\e/\\/g'
}

failed=0 count=0
run_examples() {
  local document=$1 line status
  while IFS= read -r line; do
    count=$((count + 1))
    status=0
    timeout 20 bash -c "$line" </dev/null >out.txt 2>err.txt || status=$?
    local expected="0"
    [[ $line == *rcviewer* ]] && expected="0 1"
    if [[ " $expected " != *" $status "* ]] || [ -s err.txt ]; then
      echo "FAIL ($document): $line"
      echo "  exit status $status, expected $expected; standard error:"
      sed 's/^/    /' err.txt
      failed=$((failed + 1))
    else
      echo "ok   ($document): $line"
    fi
  done
}

for document in README.md man/rcdict.1 man/rcviewer.1; do
  before=$count
  if [[ $document == *.md ]]; then
    run_examples "$document" < <(readme_examples "$source/$document")
  else
    run_examples "$document" < <(man_examples "$source/$document")
  fi
  if [ "$count" -eq "$before" ]; then
    echo "FAIL: no examples found in $document"
    failed=$((failed + 1))
  fi
done
echo "$count examples, $failed failed"
[ "$failed" -eq 0 ]
