#!/usr/bin/env bash
# Runs every example of the README (sh-block lines starting with rcdict or
# rcviewer or rcquery) and of the man pages (their command lines in .EX blocks) on the demo tree set up as the
# README says. An example passes when standard error stays empty and it ends
# as its program does on success: rcdict 0, rcviewer 0 or 1.
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

failed=0
for document in README.md man/rcdict.1 man/rcviewer.1 man/rcquery.1; do
  if [[ $document == *.md ]]; then
    mapfile -t examples < <(awk '/^```sh/{on=1;next} /^```/{on=0} on && /^(rcdict|rcviewer|rcquery)( |$)/' "$source/$document" |
      sed 's/ \+# .*$//')
  else
    # Configuration snippets (a log shipper's input) share the .EX blocks.
    mapfile -t examples < <(awk '/^\.EX/{on=1;next} /^\.EE/{on=0} on' "$source/$document" | sed 's/\\-/-/g' |
      grep -E '^(RCVIEWER_ROOT=[^ ]+ )?(rcdict|rcviewer|rcquery)( |$)')
  fi
  [ "${#examples[@]}" -gt 0 ] || { echo "FAIL: no examples in $document"; failed=1; }
  for line in "${examples[@]}"; do
    # Following never ends by itself; the follow tests run it.
    [[ $line == *--follow* ]] && echo "skip ($document): $line" && continue
    status=0
    timeout 20 bash -c "$line" </dev/null >out.txt 2>err.txt || status=$?
    allowed=" 0 "
    [[ $line == *rcviewer* ]] && allowed=" 0 1 "
    if [[ $allowed != *" $status "* ]] || [ -s err.txt ]; then
      echo "FAIL ($document, exit status $status): $line" && cat err.txt && failed=1
    else
      echo "ok   ($document): $line"
    fi
  done
done
exit "$failed"
