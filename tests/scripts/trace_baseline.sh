#!/usr/bin/env bash
# A dozen scripted headless runs over the three game modes, MIDI and MP3 music, the normal and
# hard survival option: each run's trace and dump (with any score file it wrote), and its
# screenshots, are hashed and compared with the hashes in trace_baseline.txt. A change meant to
# keep the game's behaviour keeps every hash.
# Usage: trace_baseline.sh PROGRAM DATA_DIR [--update]
#   --update writes the hashes of this build into trace_baseline.txt (next to this script).
# To take another branch's record (e.g. main's, after merging it), build that branch in a worktree
# (git worktree add /tmp/m main), run this script there with its PROGRAM, DATA_DIR and --update,
# and compare its trace_baseline.txt with this one's.
set -euo pipefail
program=$(realpath "$1")
data=$(realpath "$2")
update=${3:-}
expected="$(dirname "$(realpath "${BASH_SOURCE[0]}")")/trace_baseline.txt"
tmp=$(mktemp -d)
trap '[[ -n ${KEEP_BASELINE_RUNS:-} ]] || rm -rf "$tmp"' EXIT

# A fixed pseudo-random sequence (bash arithmetic is 64-bit everywhere).
seed=1
next() { seed=$(((seed * 1103515245 + 12345) & 0x7fffffff)); r=$((seed >> 8)); }
tap() { printf '%d down %s\n%d up %s\n' "$1" "$2" $(($1 + 1)) "$2"; }

# The input script of one run: the title menu's row (1 to 3), player 1's robot and type on the
# select screen (taps down and right), player 2's likewise in the two-player game, then random
# holds and releases of the players' keys (player 1's only when `idle2` is 1) until `frames`. `extra` lines are added as they are.
make_script() {
  local mode=$1 kind1=$2 type1=$3 kind2=$4 type2=$5 frames=$6 rng=$7 extra=$8 idle2=$9
  local f keys held=() i k
  seed=$rng
  for ((i = 1; i < mode; ++i)); do tap $((60 + 12 * i)) S; done
  tap 100 G
  for ((i = 0; i < kind1; ++i)); do tap $((180 + 12 * i)) S; done
  for ((i = 0; i < type1; ++i)); do tap $((320 + 12 * i)) D; done
  if ((mode == 2)); then
    for ((i = 0; i < kind2; ++i)); do tap $((186 + 12 * i)) DOWN; done
    for ((i = 0; i < type2; ++i)); do tap $((326 + 12 * i)) RIGHT; done
    tap 400 NUMPAD4
    keys=(W A S D G H J K B V G H G H LEFT RIGHT UP DOWN NUMPAD4 NUMPAD5 NUMPAD6 ADD NUMPAD2)
    ((idle2)) && keys=(W A S D G H J K B V G H G H)
  else
    keys=(W A S D G H J K B V G H G)
  fi
  tap 400 G
  for ((f = 520; f < frames; f += 3 + r % 9)); do
    next
    k=$((r % ${#keys[@]}))
    if [[ ${held[k]:-0} == 1 ]]; then
      printf '%d up %s\n' $f "${keys[k]}"
      held[k]=0
    else
      printf '%d down %s\n' $f "${keys[k]}"
      held[k]=1
    fi
  done
  [[ -z $extra ]] || printf '%b\n' "$extra"
}

# name | program options | mode kind1 type1 kind2 type2 frames seed | extra script lines
runs=(
  "m1-midi-normal|--midi --normal|1 0 0 0 0 6000 11|"
  "m1-mp3-normal|--mp3 --normal|1 3 1 0 0 2500 12|"
  "m1-midi-hard|--midi --hard|1 5 2 0 0 7000 13|"
  "m1-mp3-hard-f1|--mp3 --hard|1 10 0 0 0 3000 14|1500 tap F1"
  "m2-midi-normal-esc|--midi --normal|2 1 0 2 1 6000 21|5900 tap ESCAPE"
  "m2-mp3-normal-idle2|--mp3 --normal|2 7 1 4 0 6000 22|"
  "m2-midi-hard|--midi --hard|2 9 2 6 1 3000 23|"
  "m2-mp3-hard-joy|--mp3 --hard|2 8 0 10 2 3000 24|0 joy 1 32768 32768 0\n900 joy 1 0 32768 1\n960 joy 1 65535 0 2\n1000 joy 1 32768 65535 4\n1100 joy 1 off"
  "m3-midi-normal|--midi --normal|3 2 0 0 0 7000 31|"
  "m3-mp3-normal|--mp3 --normal|3 6 1 0 0 3000 32|"
  "m3-midi-hard-f1|--midi --hard|3 4 2 0 0 3000 33|450 tap F1"
  "m3-mp3-hard|--mp3 --hard|3 0 1 0 0 4000 34|"
  "title-idle|--midi|1 0 0 0 0 2500 41|"
)

pids=()
for run in "${runs[@]}"; do
  IFS='|' read -r name options numbers extra <<<"$run"
  read -r mode kind1 type1 kind2 type2 frames rng <<<"$numbers"
  dir="$tmp/$name"
  mkdir -p "$dir"
  for entry in "$data"/*; do
    case ${entry##*/} in score.vur | score_hard.vur) ;; *) ln -s "$entry" "$dir/" ;; esac
  done
  if [[ $name == title-idle ]]; then
    : >"$dir/input.txt"  # nothing pressed: the title runs on its own
  else
    make_script "$mode" "$kind1" "$type1" "$kind2" "$type2" "$frames" "$rng" "$extra" \
      "$([[ $name == *idle2 ]] && echo 1 || echo 0)" >"$dir/input.txt"
  fi
  shots=()
  for ((f = 150; f <= frames - 100; f += 350)); do shots+=(--screenshot "$f:shot$f.png"); done
  # shellcheck disable=SC2086
  (cd "$dir" && "$program" --headless --start $options --seed "$rng" --frames "$frames" \
    --input input.txt --trace trace.jsonl --dump dump.json "${shots[@]}" >out.txt 2>&1 ||
    echo "exit $?" >>out.txt) &
  pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid"; done

actual="$tmp/actual.txt"
for run in "${runs[@]}"; do
  name=${run%%|*}
  dir="$tmp/$name"
  state=$(cd "$dir" && cat trace.jsonl dump.json out.txt $(ls score*.vur 2>/dev/null) | sha256sum)
  pictures=$(cd "$dir" && cat shot*.png | sha256sum)
  printf '%s %s %s\n' "$name" "${state:0:16}" "${pictures:0:16}" >>"$actual"
done

if [[ $update == --update ]]; then
  cp "$actual" "$expected"
  echo "wrote $expected"
  exit 0
fi
if ! diff "$expected" "$actual" >&2; then
  echo "FAILED: the runs' traces, dumps or pictures differ from $expected (name, state, pictures)" >&2
  exit 1
fi
echo "${#runs[@]} runs as recorded"
