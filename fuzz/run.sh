#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for DURATION seconds (default 30).
# Usage: fuzz/run.sh [DURATION] [BUILD_DIR]
# New inputs go to a scratch corpus in the build folder; fuzz/corpus stays as it is.
set -euo pipefail
duration="${1:-30}"
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(dirname "$here")"
build="${2:-$repo/build-fuzz}"

cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DZK_FUZZ=ON -DZK_TESTS=OFF -DZK_BENCH=OFF >/dev/null
cmake --build "$build" --target zk_fuzz_bmp zk_fuzz_wave zk_fuzz_midi zk_fuzz_sf2 zk_fuzz_mp3 -j"${JOBS:-3}"

status=0
for name in bmp wave midi sf2 mp3; do
  work="$build/fuzz/work_$name"
  mkdir -p "$work"
  echo "== fuzzing the $name reader for ${duration}s"
  if ! "$build/fuzz/zk_fuzz_$name" -max_total_time="$duration" -max_len=65536 -rss_limit_mb=2048 \
      -timeout=10 -artifact_prefix="$build/fuzz/crash_${name}_" -print_final_stats=1 \
      "$work" "$here/corpus/$name" 2>"$build/fuzz/$name.log"; then
    echo "the $name fuzzer found a failure; see $build/fuzz/$name.log"
    tail -40 "$build/fuzz/$name.log"
    status=1
  else
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/fuzz/$name.log" || true
  fi
done
exit $status
