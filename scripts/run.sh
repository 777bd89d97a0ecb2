#!/bin/sh
# scripts/run.sh [working folder]: installs what is missing, builds the program and starts it in
# the working folder (default: ./zorvane-work at the top of the repository). The folder gets the
# time-up sound and the demo digit sets when it lacks them; the tables and ".\Zorvane.INI" are
# created there by the program when missing. Without a display it starts under Xvfb. It builds
# in build-release (Release), apart from the tests' build (scripts/test.sh: build).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-$top/zorvane-work}
build=${ZRV_BUILD:-$top/build-release}

"$top/scripts/install-packages.sh"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target zorvane

mkdir -p "$work/Digits"
[ -f "$work/TimeUP.wav" ] || cp "$top/resources/sounds/TimeUP.wav" "$work/"
for set in "$top"/resources/digits/*/; do
  name=$(basename "$set")
  [ -d "$work/Digits/$name" ] || cp -r "$set" "$work/Digits/$name"
done

cd "$work"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$build/app/zorvane"
fi
exec "$build/app/zorvane"
