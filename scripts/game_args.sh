# Sourced by the play command, which starts the game in the player's folder: makes the files named
# on the command line (--input FILE, --trace FILE, --dump FILE, --screenshot F:FILE) absolute from
# the folder the command was run in, so that they are read and written there. The game takes an
# option's value as the next argument only (no --opt=value), and so does this.
# Usage: source scripts/game_args.sh; game_args_from_here "$@"; ... "${game_args[@]}"

# A path as seen from the current folder (an empty one is left for the game to refuse).
path_from_here() {
  if [[ -z $1 || $1 == /* ]]; then printf '%s' "$1"; else printf '%s/%s' "${PWD%/}" "$1"; fi
}

# Sets the array game_args to the arguments given, their files made absolute.
game_args_from_here() {
  game_args=()
  while (($# > 0)); do
    local option=$1
    shift
    game_args+=("$option")
    (($# > 0)) || break
    case $option in
      --input | --trace | --dump) game_args+=("$(path_from_here "$1")") ;;
      --screenshot)
        if [[ $1 == *:* ]]; then
          game_args+=("${1%%:*}:$(path_from_here "${1#*:}")")
        else
          game_args+=("$1")  # malformed: the game says so
        fi
        ;;
      --frames | --seed) game_args+=("$1") ;;  # a value, whatever it looks like
      *) continue ;;
    esac
    shift
  done
}
