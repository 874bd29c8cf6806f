// The check an MP3 piece passes before it is played: two whole MPEG audio frames in a row, for
// every version and layer, after a tag and after bytes that are no frame.
#include "media/mp3_check.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace zk {
namespace {

struct Format {
  const char* Name;
  int Version, Layer, RateIndex, SampleIndex, Padding;
  size_t Length;  // the frame's length in bytes
};

std::vector<uint8_t> Frame(const Format& f, bool mono = false) {
  std::vector<uint8_t> frame(f.Length, 0);
  frame[0] = 0xFF;
  frame[1] = static_cast<uint8_t>(0xE1 | f.Version << 3 | f.Layer << 1);
  frame[2] = static_cast<uint8_t>(f.RateIndex << 4 | f.SampleIndex << 2 | f.Padding << 1);
  frame[3] = mono ? 0xC0 : 0x00;
  return frame;
}

std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> out;
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

TEST(Mp3Check, TwoWholeFramesOfEveryVersionAndLayer) {
  const Format formats[] = {
      {"MPEG 1 layer III 128k 44.1 kHz", 3, 1, 9, 0, 0, 417},
      {"MPEG 1 layer III 128k 44.1 kHz padded", 3, 1, 9, 0, 1, 418},
      {"MPEG 1 layer II 192k 48 kHz", 3, 2, 10, 1, 0, 576},
      {"MPEG 1 layer I 384k 48 kHz", 3, 3, 12, 1, 0, 384},
      {"MPEG 2 layer III 64k 22.05 kHz", 2, 1, 8, 0, 0, 208},
      {"MPEG 2 layer II 160k 24 kHz", 2, 2, 14, 1, 0, 960},
      {"MPEG 2.5 layer III 8k 8 kHz", 0, 1, 1, 2, 0, 72},
  };
  const std::vector<uint8_t> id3 = {'I', 'D', '3', 4, 0, 0, 0, 0, 0, 20};
  for (const Format& f : formats) {
    SCOPED_TRACE(f.Name);
    const std::vector<uint8_t> frame = Frame(f);
    std::vector<uint8_t> two = Join({frame, frame});
    EXPECT_TRUE(Mp3HoldsAudio(two));
    EXPECT_TRUE(Mp3HoldsAudio(Join({id3, std::vector<uint8_t>(20, 0xFF), two})));
    EXPECT_TRUE(Mp3HoldsAudio(Join({{'x', 0xFF, 0xFB, 'y'}, two})));  // found past the junk
    EXPECT_FALSE(Mp3HoldsAudio(frame));
    two.pop_back();
    EXPECT_FALSE(Mp3HoldsAudio(two));  // the second frame cut short
  }
  // A free bit rate or a reserved version gives no length, hence no frame.
  EXPECT_FALSE(Mp3HoldsAudio(Join({Frame({"free", 3, 1, 0, 0, 0, 417}), Frame(formats[0])})));
  EXPECT_FALSE(Mp3HoldsAudio(Join({Frame({"reserved", 1, 1, 9, 0, 0, 417}), Frame(formats[0])})));
}

TEST(Mp3Check, ALeadingInfoFrameHoldsNoSound) {
  const Format f = {"MPEG 2 layer III mono", 2, 1, 8, 0, 0, 208};
  std::vector<uint8_t> info = Frame(f, true);
  std::memcpy(info.data() + 4 + 9, "Info", 4);  // after the mono side information
  const std::vector<uint8_t> audio = Frame(f, true);
  EXPECT_FALSE(Mp3HoldsAudio(Join({info, audio})));
  EXPECT_TRUE(Mp3HoldsAudio(Join({info, audio, audio})));
  const std::vector<uint8_t> cut(info.begin(), info.begin() + 100);  // the 100-byte file
  EXPECT_FALSE(Mp3HoldsAudio(cut));
}

}  // namespace
}  // namespace zk
