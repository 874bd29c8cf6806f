// What every sound device demands of the samples it is given.
#pragma once

#include <cstddef>

#include "media/wave_parse.h"

namespace zk {

// The bytes of one sample frame (a sample of every channel).
inline size_t WaveFrameBytes(const WaveData& wave) {
  return static_cast<size_t>(wave.Channels) * static_cast<size_t>(wave.BitsPerSample / 8);
}

// True for PCM of 8 or 16 bits, one or two channels, a rate of 1000 to 192000 Hz and at least
// one whole sample frame of at most 16 MiB.
inline bool PlayableWave(const WaveData& wave) {
  if (wave.Channels != 1 && wave.Channels != 2) return false;
  if (wave.BitsPerSample != 8 && wave.BitsPerSample != 16) return false;
  if (wave.SampleRate < 1000 || wave.SampleRate > 192000) return false;
  return !wave.Samples.empty() && wave.Samples.size() % WaveFrameBytes(wave) == 0 &&
         wave.Samples.size() <= 16u * 1024 * 1024;
}

}  // namespace zk
