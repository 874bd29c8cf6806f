#!/usr/bin/env bash
# The play command's arguments: the files they name are read and written from the folder the
# command was run in, not from the player's folder the game starts in.
# Usage: game_args_test.sh PATH/TO/game_args.sh
set -euo pipefail
source "$1"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"
failed=0
# Each case: the arguments given | the arguments the game gets ($tmp for the folder).
while IFS='|' read -r given want; do
  read -r -a args <<<"$given"
  game_args_from_here "${args[@]}"
  got="${game_args[*]}"
  want=${want//\$tmp/$tmp}
  if [[ $got != "$want" ]]; then
    echo "FAILED: $given gave \"$got\", not \"$want\"" >&2
    failed=$((failed + 1))
  fi
done <<'CASES'
--headless --input fight.txt --frames 9|--headless --input $tmp/fight.txt --frames 9
--trace t.jsonl --dump sub/d.json --screenshot 5:shot.png|--trace $tmp/t.jsonl --dump $tmp/sub/d.json --screenshot 5:$tmp/shot.png
--input /abs/f.txt --screenshot 5:/abs/a:b.png|--input /abs/f.txt --screenshot 5:/abs/a:b.png
--screenshot 5:a:b.png --screenshot shot.png|--screenshot 5:$tmp/a:b.png --screenshot shot.png
--seed --input --dump ../d.json --window|--seed --input --dump $tmp/../d.json --window
--input=fight.txt --dump|--input=fight.txt --dump
CASES
# And the file is read where the command ran once the folder changes, as in the play command.
echo "1 tap ESCAPE" >fight.txt
game_args_from_here --input fight.txt
(cd / && [[ -r ${game_args[1]} ]]) || { echo "FAILED: fight.txt not found from /" >&2; failed=$((failed + 1)); }
echo "$((7 - failed)) passed, $failed failed"
((failed == 0))
