#!/usr/bin/env bash
# Builds Zerkhaldun (installing what is missing) and starts it. Extra arguments go to the game,
# e.g. scripts/play.sh --window
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
"$root/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DZK_TESTS=OFF -DZK_BENCH=OFF
cd "$build/data"
exec "$build/zerkhaldun" "$@"
