// WAVE sounds: the PCM variants read, and each reason a WAVE image cannot be read.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "support/media_builders.h"

namespace zk {
namespace {

using test::BuildWave;
using test::WaveSpec;

int Parse(const WaveSpec& s, WaveData& out) {
  int reason = -1;
  const int ok = ParseWave(BuildWave(s), out, reason);
  return ok == 1 ? 0 : reason;
}

TEST(WaveParse, GameFormatReadsAsStored) {
  WaveData w;
  ASSERT_EQ(Parse(WaveSpec{}, w), 0);
  EXPECT_EQ(w.Channels, 1);
  EXPECT_EQ(w.SampleRate, 8000);
  EXPECT_EQ(w.BitsPerSample, 8);
  EXPECT_EQ(w.Samples, (std::vector<uint8_t>{128, 200, 56, 128}));
}

TEST(WaveParse, OtherPcmVariantsRead) {
  struct Case {
    const char* Name;
    WaveSpec Layout;
    int Channels, Rate, Bits;
    size_t Bytes;
  };
  std::vector<Case> cases;
  WaveSpec s;
  s.Channels = 2;
  s.Bits = 16;
  s.Rate = 44100;
  s.Samples = std::vector<uint8_t>(8, 1);
  cases.push_back({"stereo 16", s, 2, 44100, 16, 8});
  s = WaveSpec{};
  s.Samples = {1, 2, 3};  // odd size, padded in the file
  s.ExtraChunk = true;
  cases.push_back({"odd data after a LIST chunk", s, 1, 8000, 8, 3});
  s = WaveSpec{};
  s.DataFirst = true;
  cases.push_back({"data before fmt", s, 1, 8000, 8, 4});
  s = WaveSpec{};
  s.FmtSize = 18;  // WAVEFORMATEX with cbSize
  cases.push_back({"18-byte fmt", s, 1, 8000, 8, 4});
  s = WaveSpec{};
  s.Channels = 2;
  s.Bits = 16;
  s.Samples = std::vector<uint8_t>(7, 0);  // a partial frame at the end is dropped
  cases.push_back({"partial last frame", s, 2, 8000, 16, 4});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    WaveData w;
    ASSERT_EQ(Parse(c.Layout, w), 0);
    EXPECT_EQ(w.Channels, c.Channels);
    EXPECT_EQ(w.SampleRate, c.Rate);
    EXPECT_EQ(w.BitsPerSample, c.Bits);
    EXPECT_EQ(w.Samples.size(), c.Bytes);
  }
}

TEST(WaveParse, EachFailureHasItsReason) {
  struct Case {
    const char* Name;
    int Reason;
    WaveSpec Layout;
  };
  std::vector<Case> cases;
  auto with = [&](const char* name, int reason, auto change) {
    WaveSpec s;
    change(s);
    cases.push_back({name, reason, s});
  };
  with("not RIFF", 1, [](WaveSpec& s) { s.Riff = "RIFX"; });
  with("RIFF size past the end", 1, [](WaveSpec& s) { s.RiffSizeBias = 1; });
  with("RIFF size below the form type", 1, [](WaveSpec& s) { s.RiffSizeBias = -1000; });
  with("not WAVE", 2, [](WaveSpec& s) { s.Form = "AVI "; });
  with("no fmt", 3, [](WaveSpec& s) { s.NoFmt = true; });
  with("fmt too small", 4, [](WaveSpec& s) { s.FmtSize = 14; });
  with("not PCM", 5, [](WaveSpec& s) { s.Format = 3; });
  with("no channels", 5, [](WaveSpec& s) { s.Channels = 0; });
  with("three channels", 5, [](WaveSpec& s) { s.Channels = 3; });
  with("12 bits", 6, [](WaveSpec& s) { s.Bits = 12; });
  with("rate 0", 6, [](WaveSpec& s) { s.Rate = 0; });
  with("rate too high", 6, [](WaveSpec& s) { s.Rate = 400000; });
  with("wrong block align", 6, [](WaveSpec& s) { s.BlockAlign = 2; });
  with("no data", 7, [](WaveSpec& s) { s.NoData = true; });
  with("data past the end", 7, [](WaveSpec& s) { s.DataSizeBias = 100; });
  with("empty data", 7, [](WaveSpec& s) { s.Samples.clear(); });
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    WaveData w;
    const std::vector<uint8_t> bytes = BuildWave(c.Layout);
    int reason = -1;
    EXPECT_EQ(ParseWave(bytes, w, reason), 0);
    EXPECT_EQ(reason, c.Reason);
  }
}

TEST(WaveParse, ShortImagesAndEveryTruncationFail) {
  const std::vector<uint8_t> whole = BuildWave(WaveSpec{});
  for (size_t n = 0; n < whole.size(); ++n) {
    WaveData w;
    int reason = 0;
    EXPECT_EQ(ParseWave(std::span<const uint8_t>(whole.data(), n), w, reason), 0) << n;
    EXPECT_GE(reason, 1);
    EXPECT_LE(reason, 7);
  }
}

TEST(WaveParse, FmtChunkPastTheEndIsReasonFour) {
  std::vector<uint8_t> bytes = BuildWave(WaveSpec{});
  bytes[16] = 0xF0;  // the fmt chunk's size, now far past the RIFF body
  WaveData w;
  int reason = 0;
  EXPECT_EQ(ParseWave(bytes, w, reason), 0);
  EXPECT_EQ(reason, 4);
}

}  // namespace
}  // namespace zk
