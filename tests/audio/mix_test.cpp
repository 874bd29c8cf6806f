// The mix through the real SDL mixer: headroom for the loudest moment, and band-limited resampling.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <numbers>
#include <string>
#include <thread>
#include <vector>

#include "platform/audio_backends.h"
#include "platform/resources.h"
#include "platform/sound_mixer.h"
#include "support/scratch_dir.h"

namespace zk {
namespace {

// One second of a 16-bit mono sine.
WaveData Sine(int rate, double hz, double amplitude) {
  WaveData wave;
  wave.Channels = 1;
  wave.BitsPerSample = 16;
  wave.SampleRate = rate;
  for (int i = 0; i < rate; ++i) {
    const auto v = static_cast<uint16_t>(static_cast<int16_t>(
        std::lround(32767 * amplitude * std::sin(2 * std::numbers::pi * hz * i / rate))));
    wave.Samples.push_back(static_cast<uint8_t>(v & 0xFF));
    wave.Samples.push_back(static_cast<uint8_t>(v >> 8));
  }
  return wave;
}

// The power at `hz` of the first channel of 16384 frames from `first`, under a Blackman-Harris
// window (side lobes below -92 dB).
double PowerAt(const std::vector<float>& frames, int channels, size_t first, double hz) {
  constexpr size_t kCount = 16384;
  constexpr double kTwoPi = 2 * std::numbers::pi;
  double re = 0, im = 0;
  for (size_t i = 0; i < kCount; ++i) {
    const double t = kTwoPi * static_cast<double>(i) / (kCount - 1);
    const double window =
        0.35875 - 0.48829 * std::cos(t) + 0.14128 * std::cos(2 * t) - 0.01168 * std::cos(3 * t);
    const double x = frames[(first + i) * static_cast<size_t>(channels)] * window;
    re += x * std::cos(kTwoPi * hz * static_cast<double>(i) / 44100);
    im -= x * std::sin(kTwoPi * hz * static_cast<double>(i) / 44100);
  }
  return re * re + im * im;
}

// The effects' rate and the MP3 pieces', each with a low tone and one near the source's Nyquist
// frequency, whose first image lies just above it.
TEST(Mixer, ResamplingLeavesImagesOfTheSourceRateAtLeast70DbDown) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const auto session = MixerSession::Acquire();
  if (!session) GTEST_SKIP() << "no SDL audio here";
  ASSERT_EQ(session->Frequency(), 44100);
  const int channels = session->Channels();
  const struct {
    int Rate;
    double Hz;
  } cases[] = {{8000, 1000}, {8000, 3500}, {22050, 3000}, {22050, 9500}};
  for (const auto& c : cases) {
    const std::vector<float> out = session->Convert(Sine(c.Rate, c.Hz, 0.5), 1.0f);
    ASSERT_EQ(out.size(), 44100u * static_cast<size_t>(channels)) << c.Rate;  // one second
    const double signal = PowerAt(out, channels, 14000, c.Hz);
    for (int k = 1; k * c.Rate - c.Hz < 22050; ++k) {
      for (const double image : {k * c.Rate - c.Hz, k * c.Rate + c.Hz}) {
        if (image >= 22050) continue;
        const double db = 10 * std::log10(PowerAt(out, channels, 14000, image) / signal);
        EXPECT_LT(db, -70) << c.Hz << " Hz at " << c.Rate << " Hz: image at " << image << " Hz";
      }
    }
  }
}

// A beam, a blast and a hit at once over the music at the loudest the pieces get (the pinch
// piece's synthesizer peak of 1.28, held as a steady tone at the music's gain), recorded from the
// device by SDL's disk driver: the sum stays below the limiter's threshold, so the limiter is only
// the last safety; beyond it, it bends the sum short of full scale.
TEST(Mixer, TheLoudestMomentStaysBelowTheLimiter) {
  EXPECT_EQ(SoftLimit(-0.5f), -0.5f);
  EXPECT_GT(SoftLimit(0.95f), kLimiterThreshold);
  EXPECT_LT(SoftLimit(0.95f), SoftLimit(1.5f));
  EXPECT_LT(SoftLimit(8.0f), 32767.0f / 32768);
  EXPECT_GT(SoftLimit(-8.0f), -32767.0f / 32768);

  test::ScratchDir scratch;
  const std::string file = scratch.PathOf("mix.raw");
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
  {
    auto device = MakeSdlSoundDevice(nullptr);
    if (!device) GTEST_SKIP() << "no SDL audio here";
    const double music_peak = 1.28 * kMusicGain / kEffectGain;  // played as an effect
    auto music = device->CreateBuffer("MUSIC", Sine(44100, 110, music_peak));
    ASSERT_TRUE(music);
    music->Play(true);
    std::vector<std::unique_ptr<SoundBuffer>> effects;
    for (const char* name : {"BEAM", "HITTED3", "HITTED1"}) {
      WaveData wave;
      int reason = 0;
      ASSERT_EQ(ParseWave(FindResource(name, ResourceType::Wave), wave, reason), 1) << name;
      effects.push_back(device->CreateBuffer(name, wave));
      ASSERT_TRUE(effects.back()) << name;
    }
    for (auto& effect : effects) effect->Play(false);
    for (int wait = 0; wait < 300 && effects[2]->Playing(); ++wait) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  std::ifstream in(file, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
  std::vector<float> mix(bytes.size() / sizeof(float));
  if (mix.empty()) GTEST_SKIP() << "SDL's disk audio driver wrote nothing";
  std::memcpy(mix.data(), bytes.data(), mix.size() * sizeof(float));
  float peak = 0;
  for (float sample : mix) peak = std::max(peak, std::fabs(sample));
  EXPECT_LT(peak, kLimiterThreshold);
  EXPECT_GT(peak, 1.28f * kMusicGain + 0.2f);  // the effects sounded over the music
}

}  // namespace
}  // namespace zk
