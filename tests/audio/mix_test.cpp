// The mix through the real SDL mixer: headroom for the loudest moment, band-limited resampling,
// and every piece and effect at the loudness of its role.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <numbers>
#include <string>
#include <thread>
#include <vector>

#include "loudness.h"
#include "media/midi_file.h"
#include "media/midi_song.h"
#include "media/midi_synth.h"
#include "platform/audio_backends.h"
#include "platform/resources.h"
#include "platform/sound_mixer.h"
#include "platform/voice_mixer.h"
#include "support/midi_render.h"
#include "support/scratch_dir.h"

namespace zk {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// One second of a 16-bit mono sine.
WaveData Sine(int rate, double hz, double amplitude) {
  WaveData wave{1, rate, 16, {}};
  for (int i = 0; i < rate; ++i) {
    const auto v =
        static_cast<uint16_t>(std::lround(32767 * amplitude * std::sin(kTwoPi * hz * i / rate)));
    wave.Samples.insert(wave.Samples.end(),
                        {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)});
  }
  return wave;
}

// The power at `hz` in the first channel of 16384 frames from `first`, under a Blackman-Harris
// window (side lobes below -92 dB).
double PowerAt(const std::vector<float>& frames, int channels, size_t first, double hz) {
  constexpr size_t kCount = 16384;
  double re = 0, im = 0;
  for (size_t i = 0; i < kCount; ++i) {
    const double t = kTwoPi * static_cast<double>(i) / (kCount - 1);
    const double x =
        frames[(first + i) * static_cast<size_t>(channels)] *
        (0.35875 - 0.48829 * std::cos(t) + 0.14128 * std::cos(2 * t) - 0.01168 * std::cos(3 * t));
    re += x * std::cos(kTwoPi * hz * static_cast<double>(i) / 44100);
    im -= x * std::sin(kTwoPi * hz * static_cast<double>(i) / 44100);
  }
  return re * re + im * im;
}

// The effects' rate and the MP3 pieces', each with a low tone and one whose first image lies just
// above the source's Nyquist frequency.
TEST(Mixer, ResamplingLeavesImagesOfTheSourceRateAtLeast70DbDown) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const auto session = MixerSession::Acquire();
  if (!session) GTEST_SKIP() << "no SDL audio here";
  ASSERT_EQ(session->Frequency(), 44100);
  const int channels = session->Channels();
  for (const auto& [rate, hz] :
       {std::pair{8000, 1000.0}, {8000, 3500.0}, {22050, 3000.0}, {22050, 9500.0}}) {
    const std::vector<float> out = session->Convert(Sine(rate, hz, 0.5), 1.0f);
    ASSERT_EQ(out.size(), 44100u * static_cast<size_t>(channels)) << rate;  // one second
    const double signal = PowerAt(out, channels, 14000, hz);
    for (int k = 1; k * rate - hz < 22050; ++k) {
      for (const double image : {k * rate - hz, k * rate + hz}) {
        if (image >= 22050) continue;
        EXPECT_LT(10 * std::log10(PowerAt(out, channels, 14000, image) / signal), -70)
            << hz << " Hz at " << rate << " Hz: image at " << image << " Hz";
      }
    }
  }
}

// A beam, a blast and a hit at once over music at the loudest the pieces get (held as a steady
// tone), recorded by SDL's disk driver: the limiter, only the last safety, bends no more than a
// few milliseconds of the sum (where the blast's and the hit's first crests meet the tone's), and
// nothing reaches full scale.
TEST(Mixer, TheLoudestMomentBarelyTouchesTheLimiter) {
  constexpr float kLoudestMusic = 0.37f;  // the synthesizer's peak at the music's gain
  EXPECT_EQ(SoftLimit(-0.5f), -0.5f);
  EXPECT_LT(SoftLimit(8.0f), 32767.0f / 32768);
  test::ScratchDir scratch;
  const std::string file = scratch.PathOf("mix.raw");
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
  {
    auto device = MakeSdlSoundDevice(nullptr);
    if (!device) GTEST_SKIP() << "no SDL audio here";
    std::vector<std::unique_ptr<SoundBuffer>> sounds;  // the music is played as an effect
    sounds.push_back(device->CreateBuffer("MUSIC", Sine(44100, 110, kLoudestMusic / kEffectGain)));
    for (const char* name : {"BEAM", "HITTED3", "HITTED1"}) {
      WaveData wave;
      int reason = 0;
      ASSERT_EQ(ParseWave(FindResource(name, ResourceType::Wave), wave, reason), 1) << name;
      sounds.push_back(device->CreateBuffer(name, wave));
    }
    for (auto& sound : sounds) ASSERT_TRUE(sound && sound->Play(sound == sounds[0]));
    for (int wait = 0; wait < 300 && sounds[3]->Playing(); ++wait) {
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
  size_t limited = 0;
  for (float sample : mix) {
    peak = std::max(peak, std::fabs(sample));
    limited += std::fabs(sample) > kLimiterThreshold;
  }
  EXPECT_LT(peak, 1.0f);
  EXPECT_LT(limited, 2u * 44100 * 5 / 1000);  // 5 ms of both channels
  EXPECT_GT(peak, kLoudestMusic + 0.2f);      // the effects sounded over the music
}

// A sound played again or stopped on the crest of its wave: the copy that played fades out while
// the new one starts at once, so the output never steps by more than the wave itself does.
TEST(VoiceMixer, RestartsAndStopsFadeWithoutAStep) {
  auto wave = std::make_shared<std::vector<float>>();
  for (int i = 0; i < 44100; ++i) {
    const float v = static_cast<float>(0.6 * std::sin(kTwoPi * 200 * i / 44100));
    wave->insert(wave->end(), {v, v});
  }
  struct Call {
    const char* What;
    std::function<void(VoiceMixer&)> Do;
    size_t Then;  // frames mixed after it
  };
  const Call calls[] = {
      {"play", [&](VoiceMixer& m) { m.Play(1, wave, 0, false); }, 1047},
      {"play again on a crest", [&](VoiceMixer& m) { m.Play(1, wave, 0, false); }, 1000},
      {"a looping copy from a later zero", [&](VoiceMixer& m) { m.Play(1, wave, 2205, true); },
       100},
      {"stop", [&](VoiceMixer& m) { m.Stop(1); }, 1000},
      {"a duplicate's copy, stopped at once",
       [&](VoiceMixer& m) {
         m.Play(2, wave, 110, false);
         m.Stop(2);
       },
       1000},
      {"played four times before the mix reached it (a shotgun's pellets): one copy",
       [&](VoiceMixer& m) {
         for (int i = 0; i < 4; ++i) m.Play(3, wave, 0, false);
       },
       1000},
  };
  VoiceMixer mixer(2);
  std::vector<float> out;
  for (const Call& call : calls) {
    call.Do(mixer);
    const size_t at = out.size();
    out.resize(at + 2 * call.Then, 0.0f);
    mixer.Mix(out.data() + at, call.Then);
    float step = 0;
    for (size_t i = std::max<size_t>(at, 2); i < out.size(); ++i) {
      step = std::max(step, std::fabs(out[i] - out[i - 2]));
    }
    EXPECT_LT(step, 0.03f) << call.What;  // the wave steps by 0.017 at most
  }
  EXPECT_FALSE(mixer.Playing(1) || mixer.Playing(2));
  EXPECT_NEAR(*std::max_element(out.end() - 400, out.end()), 0.6f, 0.01f);
}

// Integrated loudness of interleaved stereo, followed by a second of silence (so a short effect is
// measured as it sounds in the mix, once).
double Lufs(const std::vector<float>& stereo) {
  std::vector<double> frames(stereo.begin(), stereo.end());
  frames.resize(frames.size() + 2 * 44100, 0.0);
  return assetgen::IntegratedLoudness(frames, 2, 44100);
}

// The first half minute of a piece through the synthesizer, at the music's gain.
std::vector<float> PlayPiece(MidiSynth& synth, const std::string& file) {
  std::vector<uint8_t> bytes;
  std::string path;
  const auto song = LoadMidiFile(file, path, bytes) ? MidiSong::Parse(bytes, 44100) : std::nullopt;
  if (!song) return {};
  synth.Use(song->Programs());
  return RenderSong(synth, *song, 30 * 44100);
}

// Every MIDI piece within 1 LU of the others (the menus' a little over the fight's); each effect,
// as the mix plays it, in the band of its role: the beat (which plays alone before a fight) as the
// music, shots and hits a little over the fight music (a machine gun's burst, not its single shot),
// jingles over the menu music but not by more than 6 LU.
TEST(Mixer, PiecesAndEffectsSitInTheLoudnessOfTheirRoles) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const auto session = MixerSession::Acquire();
  if (!session) GTEST_SKIP() << "no SDL audio here";
  const auto synth = MidiSynth::Open(44100, kMusicGain);
  if (!synth) GTEST_SKIP() << "no soundfont here";
  struct Piece {
    const char* Name;
    bool Menu;
    double Lufs = 0;
  };
  Piece pieces[] = {{"Start", true},      {"Select", true},     {"Ending", true},
                    {"Fighting1", false}, {"Fighting2", false}, {"Fighting3", false}};
  double music = 0, menu = 0, fight = 0;
  for (Piece& piece : pieces) {
    const std::vector<float> played =
        PlayPiece(*synth, std::string("music\\") + piece.Name + ".mid");
    ASSERT_FALSE(played.empty()) << piece.Name;
    piece.Lufs = Lufs(played);
    RecordProperty(piece.Name, std::to_string(piece.Lufs));
    music += piece.Lufs / 6;
    (piece.Menu ? menu : fight) += piece.Lufs / 3;
  }
  EXPECT_GT(music, -24.5);
  EXPECT_LT(music, -21.5);
  for (const Piece& piece : pieces) EXPECT_NEAR(piece.Lufs, music, 0.5) << piece.Name;
  struct Role {
    const char* What;
    std::vector<const char*> Names;
    double Over, Low, High;  // LU over that music
  };
  const Role roles[] = {
      {"the beat", {"S_BEAT"}, music, -1.0, 1.5},
      {"shots and hits",
       {"ATTACK1", "ATTACK2", "ATTACK3", "ATTACK5", "BEAM", "ACID", "HITTED1", "HITTED2", "HITTED3",
        "HITTED4"},
       fight,
       0.0,
       3.0},
      {"a machine gun's shot, heard five times a second", {"ATTACK4"}, fight, -5.5, -2.0},
      {"jingles", {"S_BEGIN", "S_SELECT", "S_SCORE", "S_START", "S_FINISH"}, menu, 0.0, 6.0},
  };
  for (const Role& role : roles) {
    for (const char* name : role.Names) {
      WaveData wave;
      int reason = 0;
      ASSERT_EQ(ParseWave(FindResource(name, ResourceType::Wave), wave, reason), 1) << name;
      const double over = Lufs(session->Convert(wave, kEffectGain)) - role.Over;
      RecordProperty(name, std::to_string(over));
      EXPECT_GE(over, role.Low) << name << ", " << role.What;
      EXPECT_LE(over, role.High) << name << ", " << role.What;
    }
  }
}

}  // namespace
}  // namespace zk
