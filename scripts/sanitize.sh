#!/bin/sh
# scripts/sanitize.sh: the tests under AddressSanitizer + UndefinedBehaviorSanitizer, then the
# threaded tests (label "threads") under ThreadSanitizer.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

asan=$top/build-asan
cmake -S "$top" -B "$asan" -DZRV_SANITIZE=address,undefined -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$asan" -j"$jobs"
(cd "$asan" && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest -j"$jobs" --output-on-failure)

tsan=$top/build-tsan
cmake -S "$top" -B "$tsan" -DZRV_SANITIZE=thread -DZRV_WITH_QT=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$tsan" -j"$jobs"
(cd "$tsan" && TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" ctest -j"$jobs" -L threads --output-on-failure)
