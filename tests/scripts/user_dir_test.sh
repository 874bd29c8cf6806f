#!/usr/bin/env bash
# The play command's own folder: linked assets, score files that outlive the build.
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
echo "1 passed, 0 failed"
