#!/bin/sh
# fuzz/run.sh [seconds]: builds the fuzzers with clang (address and undefined-behaviour
# sanitizers, coverage in the libraries too) and runs each for the given seconds (default 10)
# from a seed corpus made of the decoder tests' fixtures. Exits non-zero on any finding; the
# input that caused it is kept under <build>/findings.
# Needs clang and libclang-rt-14-dev. The build folder is ZRV_FUZZ_BUILD (default build-fuzz at
# the top of the repository).
set -eu
seconds=${1:-10}
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ZRV_FUZZ_BUILD:-$top/build-fuzz}
targets="png_fuzz jpeg_fuzz gif_fuzz bmp_fuzz ico_fuzz pcx_fuzz"
[ -f "$top/fuzz/ini_fuzz.cpp" ] && targets="$targets ini_fuzz"

mkdir -p "$build"
CC=clang CXX=clang++ cmake -S "$top" -B "$build" -DZRV_FUZZ=ON -DZRV_WITH_QT=OFF \
  -DZRV_SANITIZE=address,undefined -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DFUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION" \
  "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link -DFUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION" >"$build/configure.log" 2>&1 ||
  { cat "$build/configure.log"; exit 1; }
# shellcheck disable=SC2086
cmake --build "$build" -j"$(nproc)" --target $targets image_fuzz_seeds

seeds=$build/seeds
rm -rf "$seeds"
"$build/fuzz/image_fuzz_seeds" "$seeds"
mkdir -p "$seeds/ini"
printf '[Sectors]\nCount=2\n[Main]\nX=10\nY=20\nWidth=640\nHeight=480\nMaximized=0\n' >"$seeds/ini/zorvane.ini"
printf '[Setup]\nDigitSet=.\\Digits\\set.ini\nHourFormat=24\n' >"$seeds/ini/digits.ini"

mkdir -p "$build/findings"
status=0
for target in $targets; do
  kind=${target%_fuzz}
  corpus=$build/corpus/$kind
  mkdir -p "$corpus"
  echo "== $target for ${seconds}s"
  if ! "$build/fuzz/$target" "$corpus" "$seeds/$kind" -max_total_time="$seconds" -max_len=65536 \
      -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
      >"$build/$target.log" 2>&1; then
    echo "FINDING in $target (log: $build/$target.log)"
    tail -n 40 "$build/$target.log"
    status=1
  else
    grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$build/$target.log" | sed 's/^/   /'
  fi
done
exit $status
