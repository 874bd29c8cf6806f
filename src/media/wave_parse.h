// WAVE sounds: the samples of a RIFF WAVE image and the reader that checks and decodes it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace zk {

// Decoded PCM samples of a WAVE resource.
struct WaveData {
  int Channels = 1;
  int SampleRate = 8000;
  int BitsPerSample = 8;
  std::vector<uint8_t> Samples;  // as stored in the data chunk
};

// Reads a RIFF WAVE image. On failure returns 0 and sets `reason` to the digit (1 to 7) that the
// game's "WaveFormatデータの読み込み失敗N" message shows; see media/wave_parse.cpp for the reasons.
int ParseWave(std::span<const uint8_t> bytes, WaveData& out, int& reason);

}  // namespace zk
