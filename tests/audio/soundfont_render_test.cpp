// A piece played through the cut-down soundfont sounds as through the whole soundfont.
#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "media/midi_song.h"
#include "media/midi_synth.h"
#include "support/midi_render.h"

namespace zk {
namespace {

TEST(SoundFontSubset, APieceSoundsTheSameThroughTheCutDownAndTheWholeFont) {
  constexpr const char* kFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
  constexpr uint32_t kRate = 22050;
  constexpr float kGain = 0.5f;
  if (!std::filesystem::is_regular_file(kFont)) GTEST_SKIP() << "no " << kFont;
  ::setenv("SDL_SOUNDFONTS", kFont, 1);
  std::ifstream file("music/Fighting1.mid", std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  const auto song = MidiSong::Parse(bytes, kRate);
  ASSERT_TRUE(song);
  ASSERT_GT(song->Programs().Melodic.count() + song->Programs().Drums.count(), 2u);

  const auto cut = MidiSynth::Open(kRate, kGain);
  ASSERT_TRUE(cut);
  cut->Use(song->Programs());
  // The whole font in a synthesizer set up as Open sets its own.
  fluid_settings_t* settings = MidiSynth::NewSettings(kRate, kGain);
  ASSERT_NE(settings, nullptr);
  fluid_synth_t* synth = new_fluid_synth(settings);
  MidiSynth whole(settings, synth);
  ASSERT_NE(fluid_synth_sfload(synth, kFont, 1), FLUID_FAILED);

  const uint64_t frames = 8 * kRate;
  const std::vector<float> through_cut = RenderSong(*cut, *song, frames);
  const std::vector<float> through_whole = RenderSong(whole, *song, frames);
  int64_t loud = 0;
  for (const float sample : through_whole) loud += sample != 0;
  EXPECT_GT(loud, static_cast<int64_t>(frames / 2));  // the piece is heard
  EXPECT_TRUE(through_cut == through_whole);
}

}  // namespace
}  // namespace zk
