#!/bin/sh
# scripts/test.sh: installs what is missing, builds everything and runs every test (headless:
# the Qt tests use the offscreen platform).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ZRV_BUILD:-$top/build}

"$top/scripts/install-packages.sh"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest -j"$(nproc)" --output-on-failure
