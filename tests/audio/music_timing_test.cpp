// The music's beat and measure grid from a file's tempo map and time signatures, and changes that
// wait for it on the headless performance's virtual time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/midi_song.h"
#include "platform/headless_platform.h"
#include "support/media_builders.h"
#include "support/scratch_dir.h"

namespace zk {
namespace {

using test::BuildMidi;
using test::MidiAt;
using Strings = std::vector<std::string>;

// At 44100 samples a second and 120 beats a minute, a quarter note (96 ticks) is 22050 samples.
constexpr uint32_t kRate = 44100;
const std::vector<uint8_t> kTempo60 = {0xFF, 0x51, 3, 0x0F, 0x42, 0x40};
const std::vector<uint8_t> kTempo150 = {0xFF, 0x51, 3, 0x06, 0x1A, 0x80};
std::vector<uint8_t> Meter(uint8_t beats, uint8_t power_of_two) {
  return {0xFF, 0x58, 4, beats, power_of_two, 24, 8};
}

TEST(MidiSong, BeatsAndMeasuresFollowTheTempoMapAndTimeSignatures) {
  constexpr auto kNow = MusicBoundary::Now, kBeat = MusicBoundary::Beat,
                 kMeasure = MusicBoundary::Measure;
  struct Case {
    const char* What;
    std::vector<MidiAt> Events;
    uint32_t EndTick;
    uint64_t Sample;
    MusicBoundary At;
    uint64_t Expected;
  };
  const Case cases[] = {
      {"the start is on every grid", {}, 768, 0, kMeasure, 0},
      {"4/4 at 120 by default", {}, 768, 1, kBeat, 22050},
      {"on a beat is at once", {}, 768, 22050, kBeat, 22050},
      {"four beats to a measure", {}, 768, 22051, kMeasure, 88200},
      {"at once is at once", {}, 768, 12345, kNow, 12345},
      {"6/8 beats are eighths", {{0, Meter(6, 3)}}, 768, 1, kBeat, 11025},
      {"six of them to a measure", {{0, Meter(6, 3)}}, 768, 1, kMeasure, 66150},
      {"the tempo halves after two beats", {{192, kTempo60}}, 768, 44101, kBeat, 88200},
      {"150 beats a minute", {{0, kTempo150}}, 768, 1, kBeat, 17640},
      {"a new signature starts a measure", {{288, Meter(3, 2)}}, 768, 1, kMeasure, 66150},
      {"and counts its own", {{288, Meter(3, 2)}}, 768, 66151, kMeasure, 132300},
      {"none left: the next repeat", {}, 700, 155000, kMeasure, 160781},
      {"a short song repeats after a tenth of a second", {}, 1, 300, kBeat, 4410},
  };
  for (const Case& c : cases) {
    const auto song = MidiSong::Parse(BuildMidi(96, c.Events, c.EndTick), kRate);
    ASSERT_TRUE(song) << c.What;
    EXPECT_EQ(song->NextBoundary(c.Sample, c.At), c.Expected) << c.What;
  }
}

TEST(MidiSong, EventsAreTimedAndMalformedTracksRefused) {
  const auto song = MidiSong::Parse(
      BuildMidi(96, {{0, {0xC0, 30}}, {96, {0x90, 60, 100}}, {192, {60, 0}}}, 192), kRate);
  ASSERT_TRUE(song);
  ASSERT_EQ(song->Events().size(), 3u);
  EXPECT_EQ(song->Events()[1].Sample, 22050u);
  EXPECT_EQ(song->Events()[2].Status, 0x90);  // running status
  EXPECT_EQ(song->Length(), 44100u);
  EXPECT_TRUE(song->Programs().Melodic.test(30) && song->Programs().Drums.test(0));

  const std::vector<uint8_t> malformed[] = {
      {0x40, 0x40},        // running status with no status before it
      {0x90, 60, 0x80},    // a data byte with its top bit set
      {0xF1, 0x00},        // a system common message
      {0xFF, 0x51, 0x7F},  // a meta event past the end of its track
  };
  for (const auto& bytes : malformed) {
    EXPECT_FALSE(MidiSong::Parse(BuildMidi(96, {{0, bytes}}, 0), kRate)) << int{bytes[0]};
  }
  EXPECT_FALSE(MidiSong::Parse(BuildMidi(0xE728, {}, 0), kRate));  // SMPTE timing
}

// A (150 beats a minute: a beat is ten frames of 40 ms) and B (120: a measure is 2 s).
TEST(HeadlessMusic, ChangesWaitForTheirBeatOrMeasureOnVirtualTime) {
  test::ScratchDirectory scratch;
  scratch.Write("music/A.mid", BuildMidi(96, {{0, kTempo150}}, 768));
  scratch.Write("music/B.mid", BuildMidi(96, {}, 768));
  HeadlessPlatform host;
  auto music = host.OpenMusic();
  auto a = music->LoadSegment("music\\A.mid");
  auto b = music->LoadSegment("music\\B.mid");
  ASSERT_TRUE(a && b);
  auto frames = [&](int n) {
    for (int i = 0; i < n; ++i) host.SleepMs(40);
    return host.TakeRecorded();
  };

  music->Play(*a, -1, MusicBoundary::Beat);  // nothing plays: at once
  EXPECT_EQ(frames(1), Strings{"music music/A.mid"});
  music->TransitionTo(*b, MusicBoundary::Beat);
  EXPECT_EQ(frames(8), Strings{});
  EXPECT_EQ(frames(1), Strings{"pinch"});  // A's second beat, 400 ms in
  frames(1);
  music->Stop(MusicBoundary::Measure);
  EXPECT_EQ(frames(48), Strings{});
  EXPECT_EQ(frames(1), Strings{"music-stop"});  // B's second measure, 2 s after it began

  // A stop waiting for its measure gives way to a start at the next beat.
  music->Play(*a, -1, MusicBoundary::Beat);
  EXPECT_EQ(frames(1), Strings{"music music/A.mid"});
  music->Stop(MusicBoundary::Measure);
  music->Play(*b, -1, MusicBoundary::Beat);
  EXPECT_EQ(frames(8), Strings{});
  EXPECT_EQ(frames(1), Strings{"music music/B.mid"});
  EXPECT_EQ(frames(100), Strings{});
  music->Stop(MusicBoundary::Now);
  EXPECT_EQ(host.TakeRecorded(), Strings{"music-stop"});
}

}  // namespace
}  // namespace zk
