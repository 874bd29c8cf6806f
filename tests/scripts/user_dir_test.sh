#!/usr/bin/env bash
# The play command's own folder: linked assets, score files that outlive the build.
# Usage: user_dir_test.sh PATH/TO/user_dir.sh
set -euo pipefail
script=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

mkdir -p "$tmp/data/music" "$tmp/data/others" "$tmp/home"
echo old >"$tmp/data/score.vur"
dir=$(HOME="$tmp/home" XDG_DATA_HOME="$tmp/xdg" bash "$script" "$tmp/data")
[[ $dir == "$tmp/xdg/zerkhaldun" ]] || fail "folder $dir"
[[ -L $dir/music && $(readlink "$dir/music") == "$tmp/data/music" ]] || fail "music not linked"
[[ -f $dir/score.vur && ! -L $dir/score.vur ]] || fail "an old score file is not moved over"

echo mine >"$dir/score.vur"
rm -rf "$tmp/data" && mkdir -p "$tmp/data/music"  # a clean build
echo build >"$tmp/data/score.vur"
HOME="$tmp/home" XDG_DATA_HOME="$tmp/xdg" bash "$script" "$tmp/data" >/dev/null
[[ $(cat "$dir/score.vur") == mine ]] || fail "the scores did not outlive the build"

# Without an absolute XDG_DATA_HOME the folder is under ~/.local/share.
dir=$(HOME="$tmp/home" XDG_DATA_HOME=relative bash "$script" "$tmp/data")
[[ $dir == "$tmp/home/.local/share/zerkhaldun" && -L $dir/music ]] || fail "default folder $dir"
echo "1 passed, 0 failed"
