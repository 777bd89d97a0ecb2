#!/bin/sh
# scripts/run.sh [working folder]: installs what is missing, builds the program and starts it in
# the working folder (default: ./zorvane-work at the top of the repository). The program puts
# the time-up sound and the demo digit sets there when the folder lacks them, and creates the
# tables and ".\Zorvane.INI" there when missing. Without a display it starts on a virtual display
# of its own (Xvfb, 1280x800) and prints its number and how to look at it. It builds in
# build-release (Release), apart from the tests' build (scripts/test.sh: build).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-$top/zorvane-work}
build=${ZRV_BUILD:-$top/build-release}

"$top/scripts/install-packages.sh"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target zorvane

mkdir -p "$work"

cd "$work"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
  # Xvfb picks a free display number and writes it to the file.
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$number_file" 2>"$work/Xvfb.log" &
  xvfb=$!
  trap 'kill "$xvfb" 2>/dev/null; rm -f "$number_file"' EXIT INT TERM
  tries=0
  until [ -s "$number_file" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$xvfb" 2>/dev/null; then
      echo "The virtual display did not start (see $work/Xvfb.log)." >&2
      exit 1
    fi
    sleep 0.1
  done
  display=:$(head -n 1 "$number_file")
  echo "No display: the program runs on the virtual display $display (Xvfb, 1280x800), which no screen shows."
  echo "  A screenshot:        DISPLAY=$display import -window root zorvane.png"
  echo "  Keys and clicks:     DISPLAY=$display xdotool key alt+d   (xdotool mousemove X Y click 1, ...)"
  echo "  Or run it on a desktop, where it opens its own window."
  status=0
  DISPLAY=$display "$build/app/zorvane" || status=$?
  exit "$status"
fi
exec "$build/app/zorvane"
