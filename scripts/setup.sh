#!/usr/bin/env bash
# Shared set-up: installs the Debian packages that are missing, then configures and builds
# the game (which generates the default pictures, sounds and music).
# Usage: scripts/setup.sh BUILD_DIR [extra cmake options...]
# ZK_PLAY_ONLY=1 leaves out what only the tests need; ZK_EXTRA_PACKAGES adds packages.
set -euo pipefail

# What building and playing need: the toolchain, SDL2 with its mixer (and libsamplerate, which
# SDL's audio streams resample through), FluidSynth and the small General MIDI soundfont for the
# MIDI music, lame for the MP3 pieces, and the fonts (fonts-wqy-microhei for the start dialog's
# Japanese text).
packages=(
  build-essential cmake ninja-build pkg-config zlib1g-dev
  libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev libsamplerate0 libfluidsynth-dev
  timgm6mb-soundfont lame
  fonts-liberation fonts-dejavu-core fonts-wqy-microhei
)
# The test and benchmark libraries, unless only the game is built (the play command).
if [[ -z "${ZK_PLAY_ONLY:-}" ]]; then
  packages+=(libgtest-dev libbenchmark-dev)
fi
if [[ -n "${ZK_EXTRA_PACKAGES:-}" ]]; then
  read -r -a extra <<<"$ZK_EXTRA_PACKAGES"
  packages+=("${extra[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if ((${#missing[@]})); then
  echo "Installing missing packages: ${missing[*]}"
  sudo_cmd=()
  if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi

build_dir=$1
shift
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cmake -S "$root" -B "$build_dir" -G Ninja "$@"
cmake --build "$build_dir" -j "$(nproc)"
