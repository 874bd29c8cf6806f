#!/usr/bin/env bash
# Builds Zerkhaldun (installing what is missing) and runs every test: the suite as built, the
# suite again under AddressSanitizer and UndefinedBehaviorSanitizer, a short run of each fuzzer,
# and a check that the sources are formatted.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# clang-14 and its runtime for the fuzzers, clang-format for the last check, and for the tests in a
# real window: Xvfb (xvfb-run), xauth, xdotool, and X's core fonts for a message box.
export ZK_EXTRA_PACKAGES="clang-14 libclang-rt-14-dev clang-format xvfb xauth xdotool xfonts-base"
export SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-dummy}
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
jobs=$(nproc)

echo "== build and test"
"$root/scripts/setup.sh" "$root/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir "$root/build-test" --output-on-failure -j "$jobs"

echo "== sanitizers (address, undefined)"
"$root/scripts/setup.sh" "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DZK_BENCH=OFF \
  -DZK_SANITIZE=address,undefined
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs"

if [[ -x "$root/fuzz/run.sh" || -f "$root/fuzz/run.sh" ]]; then
  echo "== fuzzers (short run)"
  bash "$root/fuzz/run.sh" "${ZK_FUZZ_SECONDS:-30}"
fi

echo "== formatting"
cd "$root"
unformatted=$(git ls-files '*.cpp' '*.h' '*.inc' | xargs clang-format --dry-run 2>&1 | grep -c warning || true)
if [[ "$unformatted" != "0" ]]; then
  echo "clang-format would change $unformatted places; run clang-format -i on the sources" >&2
  exit 1
fi
echo "all checks passed"
