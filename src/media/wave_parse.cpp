// Reading RIFF WAVE images: PCM, 8 or 16 bits, one or two channels, any common rate.
//
// The reason a WAVE image cannot be read is the digit of the game's message
// "WaveFormatデータの読み込み失敗N":
//   1  shorter than a RIFF header, not "RIFF", or the RIFF size is below 4 or runs past the end
//   2  the RIFF form is not "WAVE"
//   3  no "fmt " chunk
//   4  the "fmt " chunk is shorter than 16 bytes or runs past the end
//   5  the format is not PCM, or the channel count is not 1 or 2
//   6  bits per sample not 8 or 16, a sample rate outside 1000..192000, or a block align that
//      does not match channels x bytes per sample
//   7  no "data" chunk, a "data" chunk that runs past the end, or no whole sample frame in it
// Chunks are walked in order inside the RIFF body, each padded to an even size. A chunk other
// than "fmt " and "data" whose size runs past the end ends the walk.
#include "media/wave_parse.h"

#include <cstdint>
#include <cstring>
#include <span>

#include "media/byte_order.h"

namespace zk {

namespace {

bool Tag(const uint8_t* p, const char* tag) {
  return std::memcmp(p, tag, 4) == 0;
}

int Fail(int& reason, int code) {
  reason = code;
  return 0;
}

constexpr uint16_t kFormatPcm = 1;

}  // namespace

int ParseWave(std::span<const uint8_t> bytes, WaveData& out, int& reason) {
  reason = 0;
  if (bytes.size() < 12 || !Tag(bytes.data(), "RIFF")) return Fail(reason, 1);
  const uint32_t riff_size = Le32(bytes.data() + 4);
  if (riff_size < 4 || riff_size > bytes.size() - 8) return Fail(reason, 1);
  if (!Tag(bytes.data() + 8, "WAVE")) return Fail(reason, 2);

  // The RIFF body after the form type: [12, end).
  const size_t end = static_cast<size_t>(riff_size) + 8;
  const uint8_t* fmt = nullptr;
  const uint8_t* data = nullptr;
  size_t data_size = 0;
  size_t pos = 12;
  while (pos + 8 <= end && (fmt == nullptr || data == nullptr)) {
    const uint8_t* header = bytes.data() + pos;
    const size_t size = Le32(header + 4);
    const size_t body = pos + 8;
    const bool fits = size <= end - body;
    if (Tag(header, "fmt ") && fmt == nullptr) {
      if (!fits || size < 16) return Fail(reason, 4);
      fmt = header + 8;
    } else if (Tag(header, "data") && data == nullptr) {
      if (!fits) return Fail(reason, 7);
      data = header + 8;
      data_size = size;
    } else if (!fits) {
      break;
    }
    if (!fits) break;
    pos = body + size + (size & 1);
  }
  if (fmt == nullptr) return Fail(reason, 3);

  const uint16_t format = Le16(fmt);
  const uint16_t channels = Le16(fmt + 2);
  const uint32_t rate = Le32(fmt + 4);
  const uint16_t block_align = Le16(fmt + 12);
  const uint16_t bits = Le16(fmt + 14);
  if (format != kFormatPcm || (channels != 1 && channels != 2)) return Fail(reason, 5);
  if ((bits != 8 && bits != 16) || rate < 1000 || rate > 192000 ||
      block_align != channels * (bits / 8)) {
    return Fail(reason, 6);
  }
  if (data == nullptr) return Fail(reason, 7);
  const size_t frames = data_size / block_align;
  if (frames == 0) return Fail(reason, 7);

  out.Channels = channels;
  out.SampleRate = static_cast<int>(rate);
  out.BitsPerSample = bits;
  out.Samples.assign(data, data + frames * block_align);
  return 1;
}

}  // namespace zk
