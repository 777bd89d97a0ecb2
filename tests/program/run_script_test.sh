#!/bin/sh
# scripts/run.sh without a display: it starts the program on a virtual display of its own and
# prints that display's number and the commands to look at it; the screenshot command it prints
# shows the program's frame, and ending the script ends the program and its display.
#   run_script_test.sh <source folder> <build folder holding app/zorvane>
# The build itself is not redone here: cmake is a stand-in that does nothing.
set -eu
top=$1
build=$2
tmp=$(mktemp -d)
script=""
cleanup() {
  [ -n "$script" ] && kill -TERM "-$script" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*" >&2
  echo "--- what run.sh printed:" >&2
  cat "$tmp/out" >&2 || true
  exit 1
}
# Waits for a condition, up to 90 s as the program test's steps: a slow machine passes, a hang fails.
wait_for() {
  tries=0
  until eval "$1"; do
    tries=$((tries + 1))
    [ "$tries" -gt 900 ] && return 1
    sleep 0.1
  done
}

mkdir "$tmp/bin"
printf '#!/bin/sh\nexit 0\n' >"$tmp/bin/cmake"
chmod +x "$tmp/bin/cmake"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM PATH="$tmp/bin:$PATH" ZRV_BUILD="$build" \
  setsid "$top/scripts/run.sh" "$tmp/work" >"$tmp/out" 2>&1 &
script=$!

wait_for 'grep -q "virtual display :[0-9]" "$tmp/out"' || fail "no display number printed"
display=$(sed -n 's/.*virtual display \(:[0-9][0-9]*\).*/\1/p' "$tmp/out" | head -n 1)
grep -q "DISPLAY=$display import -window root" "$tmp/out" || fail "no screenshot command for $display"
grep -q "DISPLAY=$display xdotool key" "$tmp/out" || fail "no key command for $display"

# The frame shows on that display, and the printed command grabs it.
wait_for 'DISPLAY=$display xdotool search --onlyvisible --name "External scoreboard" >/dev/null 2>&1' ||
  fail "the program's frame never showed on $display"
(cd "$tmp" && DISPLAY=$display import -window root zorvane.png) || fail "the screenshot command failed"
[ -s "$tmp/zorvane.png" ] || fail "no screenshot"
[ -f "$tmp/work/TimeUP.wav" ] || fail "the working folder lacks the time-up sound"

# Ending the script ends the program and its display.
kill -TERM "-$script"
ended() {
  state=$(ps -o stat= -p "$script" 2>/dev/null || true)
  [ -z "$state" ] || [ "${state#Z}" != "$state" ]
}
wait_for ended || fail "run.sh did not end"
wait "$script" || true
script=""
wait_for '! DISPLAY=$display xdotool getmouselocation >/dev/null 2>&1' || fail "the display $display is still there"
echo "run.sh printed the display $display; the screenshot command showed the program"
