#include "wave.h"

#include <algorithm>
#include <cmath>

#include "media/byte_order.h"

namespace zk::assetgen {

std::vector<uint8_t> EncodeWave(const std::vector<double>& samples, uint32_t rate, int bits) {
  const uint32_t bytesPerSample = bits == 16 ? 2 : 1;
  const uint32_t dataSize = static_cast<uint32_t>(samples.size()) * bytesPerSample;
  std::vector<uint8_t> out;
  out.reserve(44 + dataSize + 1);
  PutTag(out, "RIFF");
  PutLe32(out, 36 + dataSize + (dataSize & 1));
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutLe32(out, 16);
  PutLe16(out, 1);  // PCM
  PutLe16(out, 1);  // mono
  PutLe32(out, rate);
  PutLe32(out, rate * bytesPerSample);
  PutLe16(out, bytesPerSample);
  PutLe16(out, bytesPerSample * 8);
  PutTag(out, "data");
  PutLe32(out, dataSize);
  for (double s : samples) {
    const double v = std::clamp(s, -1.0, 1.0);
    if (bits == 16) {
      PutLe16(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(v * 32767.0))));
    } else {
      out.push_back(static_cast<uint8_t>(std::clamp(std::lround(128.0 + v * 127.0), 0L, 255L)));
    }
  }
  if (dataSize & 1) out.push_back(0);  // chunks are padded to an even size
  return out;
}

}  // namespace zk::assetgen
