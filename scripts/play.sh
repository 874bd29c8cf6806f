#!/usr/bin/env bash
# Builds Zerkhaldun (installing what is missing) and starts it in the player's own folder (see
# scripts/user_dir.sh), where the score files stay when the build is cleaned. Extra arguments go
# to the game, e.g. scripts/play.sh --window; the files they name are read and written from the
# folder the command was run in.
set -euo pipefail
# The player's folder lies under $XDG_DATA_HOME or $HOME: say so before building when neither is
# there to use.
if [[ ${XDG_DATA_HOME:-} != /* && -z ${HOME:-} ]]; then
  echo "play.sh: HOME is not set (nor an absolute XDG_DATA_HOME): no folder for the game's scores" >&2
  exit 1
fi
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/game_args.sh"
game_args_from_here "$@"
build="$root/build"
ZK_PLAY_ONLY=1 "$root/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DZK_TESTS=OFF \
  -DZK_BENCH=OFF
# Set apart from the cd, so that a folder that cannot be made stops here (set -e).
dir=$("$root/scripts/user_dir.sh" "$build/data")
cd "$dir"
exec "$build/zerkhaldun" "${game_args[@]}"
