#!/usr/bin/env bash
# Builds the viewer, writes the demo machine's tree to demo-root/ and runs
# the viewer on it in CE mode. Extra arguments go to the viewer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target rcviewer make_demo >/dev/null
rm -rf demo-root
build/make_demo demo-root
export RCVIEWER_ROOT="$PWD/demo-root"
export LANG="${LANG:-C.UTF-8}"
exec build/rcviewer tonbar47 "$@"
