#!/usr/bin/env bash
# Builds the viewer, rcdict and the demo generator in build-demo/ (a folder
# of its own, so the demo and the tests never rebuild each other's work),
# writes the demo machine's tree to demo-root/ and runs the viewer on it in
# CE mode. Extra arguments go to the viewer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

echo "== configuring build-demo/"
cmake -S . -B build-demo -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
echo "== building rcviewer, rcdict and make_demo in build-demo/ (a few minutes the first time)"
cmake --build build-demo -j"$(nproc)" --target rcviewer rcdict make_demo
echo "== writing the demo tree to demo-root/"
rm -rf demo-root
build-demo/make_demo demo-root
echo "== running build-demo/rcviewer in CE mode on demo-root/ (type q to quit)"
export RCVIEWER_ROOT="$PWD/demo-root"
export LANG="${LANG:-C.UTF-8}"
exec build-demo/rcviewer tonbar47 "$@"
