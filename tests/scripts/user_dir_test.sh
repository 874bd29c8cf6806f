#!/usr/bin/env bash
# The play command's own folder: linked assets, score files that outlive the build; without a
# HOME the command stops first.
# Usage: user_dir_test.sh PATH/TO/user_dir.sh
set -euo pipefail
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
run() { HOME="$tmp/home" XDG_DATA_HOME=$1 bash "$2" "$tmp/data"; }
fail() { echo "FAILED: $*" >&2; exit 1; }

mkdir -p "$tmp/data/music" && echo old >"$tmp/data/score.vur"
dir=$(run "$tmp/xdg" "$1")
[[ $dir == "$tmp/xdg/zerkhaldun" && -L $dir/music && -f $dir/score.vur && ! -L $dir/score.vur ]] ||
  fail "first run in $dir"
echo mine >"$dir/score.vur"
rm -rf "$tmp/data" && mkdir -p "$tmp/data/music" && echo new >"$tmp/data/score.vur"  # rebuilt
run "$tmp/xdg" "$1" >/dev/null
[[ $(cat "$dir/score.vur") == mine ]] || fail "the scores did not outlive the build"
dir=$(run relative "$1")  # no absolute XDG_DATA_HOME: under ~/.local/share
[[ $dir == "$tmp/home/.local/share/zerkhaldun" && -L $dir/music ]] || fail "default folder $dir"
# The play command says what is missing before it builds anything.
play="$(dirname "$1")/play.sh"
for home in unset ""; do
  if [[ $home == unset ]]; then said=$(env -u HOME -u XDG_DATA_HOME bash "$play" 2>&1) && fail "no HOME"
  else said=$(HOME= XDG_DATA_HOME= bash "$play" 2>&1) && fail "empty HOME"; fi
  [[ $said == "play.sh: HOME is not set"* && $said != *$'\n'* ]] || fail "HOME $home: $said"
done
echo "2 passed, 0 failed"
