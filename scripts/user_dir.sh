#!/usr/bin/env bash
# Makes the player's own folder for the game, $XDG_DATA_HOME/zerkhaldun (by default
# ~/.local/share/zerkhaldun), and prints its path. It links to everything in the build's data
# folder (the generated pictures, sounds and music) and holds the score files, which the game
# writes in its working directory, so cleaning or deleting the build never takes the scores.
# Usage: scripts/user_dir.sh DATA_DIR
set -euo pipefail
data=$(cd "$1" && pwd)
base=${XDG_DATA_HOME:-}
if [[ $base != /* ]]; then base="$HOME/.local/share"; fi
dir="$base/zerkhaldun"
mkdir -p "$dir"
for entry in "$data"/*; do
  [[ -e $entry ]] || continue
  name=${entry##*/}
  case $name in
    score.vur | score_hard.vur)
      # Scores that an earlier version kept in the build folder move over once.
      [[ -e $dir/$name ]] || cp -p "$entry" "$dir/$name"
      ;;
    *)
      # A link is renewed; anything the player put there in its place is left alone.
      if [[ -L $dir/$name || ! -e $dir/$name ]]; then ln -sfn "$entry" "$dir/$name"; fi
      ;;
  esac
done
printf '%s\n' "$dir"
