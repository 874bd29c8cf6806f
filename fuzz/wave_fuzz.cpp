// Fuzzes the WAVE path: any bytes either give PCM samples that match their format or a reason.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "media/wave_parse.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zk::WaveData wave;
  int reason = -1;
  const int ok = zk::ParseWave(std::span<const uint8_t>(data, size), wave, reason);
  if (ok == 1) {
    const size_t frame = static_cast<size_t>(wave.Channels) * (wave.BitsPerSample / 8);
    if (reason != 0 || frame == 0 || wave.Samples.empty() || wave.Samples.size() % frame != 0 ||
        wave.Samples.size() > size) {
      std::abort();
    }
  } else if (ok != 0 || reason < 1 || reason > 7) {
    std::abort();
  }
  return 0;
}
