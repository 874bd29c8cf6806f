// WAVE effects, MIDI pieces and MP3 files of the pack.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>
#include <string>

#include "assetgen/readers.h"
#include "midi.h"
#include "music.h"
#include "pack.h"
#include "platform/resources.h"
#include "wave.h"

namespace zk::assetgen {
namespace {

using testing::ParseMidi;
using testing::ParseWave;
using testing::ReadFile;

TEST(Effects, EveryNamedSoundIsMono8000Hz8BitPcmFromZeroToZero) {
  const std::set<std::string> kNames = {"ATTACK1", "ATTACK2", "ATTACK3", "ATTACK4",  "ATTACK5",
                                        "BEAM",    "ACID",    "HITTED1", "HITTED2",  "HITTED3",
                                        "HITTED4", "S_BEGIN", "S_BEAT",  "S_SELECT", "S_SCORE",
                                        "S_START", "S_FINISH"};
  std::set<std::string> found;
  for (size_t i = 0; i < kCompiledResourceCount; ++i) {
    const ResourceEntry& e = kCompiledResources[i];
    if (e.Type != ResourceType::Wave) continue;
    found.insert(e.Name);
    const auto w = ParseWave({e.Bytes.begin(), e.Bytes.end()});
    ASSERT_TRUE(w) << e.Name;
    EXPECT_EQ(w->Format, 1u) << e.Name;
    EXPECT_EQ(w->Channels, 1u) << e.Name;
    EXPECT_EQ(w->Rate, 8000u) << e.Name;
    EXPECT_EQ(w->Bits, 8u) << e.Name;
    EXPECT_EQ(w->BlockAlign, 1u) << e.Name;
    EXPECT_EQ(w->ByteRate, 8000u) << e.Name;
    // Audible (levelled by loudness, the steady beam has the lowest peak), not clipped flat, and
    // short enough for an effect buffer.
    int peak = 0;
    for (uint8_t s : w->Data) peak = std::max(peak, std::abs(int{s} - 128));
    EXPECT_GT(peak, 12) << e.Name;
    EXPECT_LT(peak, 127) << e.Name;
    EXPECT_GT(w->Data.size(), 400u) << e.Name;
    EXPECT_LT(w->Data.size(), 8000u * 3) << e.Name;
  }
  EXPECT_EQ(found, kNames);
}

// A sound that starts or stops off zero clicks: every effect begins and ends at zero, every MP3
// piece (its samples as they go to the encoder) begins there.
TEST(Sounds, EffectsAndMp3PiecesBeginAtZero) {
  struct Sound {
    std::string Name;
    std::vector<double> Samples;  // -1 to 1
    bool EndsAtZero;
  };
  std::vector<Sound> sounds;
  for (size_t i = 0; i < kCompiledResourceCount; ++i) {
    const ResourceEntry& e = kCompiledResources[i];
    if (e.Type != ResourceType::Wave) continue;
    const auto w = ParseWave({e.Bytes.begin(), e.Bytes.end()});
    ASSERT_TRUE(w && w->Bits == 8) << e.Name;
    Sound& s = sounds.emplace_back(Sound{e.Name, {}, true});
    for (uint8_t v : w->Data) s.Samples.push_back((int{v} - 128) / 128.0);
  }
  for (const PackFile& f : MakeMp3Sources()) {
    const auto w = ParseWave(f.Bytes);
    ASSERT_TRUE(w && w->Bits == 16) << f.Path;
    Sound& s = sounds.emplace_back(Sound{f.Path, {}, false});
    for (size_t at = 0; at + 1 < w->Data.size(); at += 2) {
      s.Samples.push_back(static_cast<int16_t>(w->Data[at] | w->Data[at + 1] << 8) / 32768.0);
    }
  }
  for (const Sound& s : sounds) {
    ASSERT_FALSE(s.Samples.empty()) << s.Name;
    EXPECT_NEAR(s.Samples.front(), 0, 1 / 128.0) << s.Name;
    EXPECT_NEAR(s.EndsAtZero ? s.Samples.back() : 0, 0, 1 / 128.0) << s.Name;
  }
  EXPECT_EQ(sounds.size(), 17u + 2u);
}

TEST(Effects, BeatIsAnExactLoop) {
  const auto b = FindResource("S_BEAT", ResourceType::Wave);
  const auto w = ParseWave({b.begin(), b.end()});
  ASSERT_TRUE(w);
  EXPECT_EQ(w->Data.size(), 16000u);  // two bars at 120 beats a minute
}

TEST(WaveWriter, OddDataIsPaddedAndSixteenBitIsSigned) {
  const auto odd = ParseWave(EncodeWave({0.0, 1.0, -1.0}, 8000, 8));
  ASSERT_TRUE(odd);
  EXPECT_EQ(odd->Data, (std::vector<uint8_t>{128, 255, 1}));
  const auto wide = ParseWave(EncodeWave({-1.0, 0.5}, 22050, 16));
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->Bits, 16u);
  EXPECT_EQ(wide->BlockAlign, 2u);
  EXPECT_EQ(wide->Data, (std::vector<uint8_t>{0x01, 0x80, 0x00, 0x40}));
}

TEST(MidiWriter, LongDeltasAndNoteOffsBeforeNoteOns) {
  MidiTrack t;
  t.Note(0, 480, 0, 60, 100);
  t.Note(480, 480, 0, 60, 100);   // the same key again where the first ends
  t.Note(300000, 10, 0, 62, 90);  // a delta needing three bytes
  const std::vector<uint8_t> file = EncodeMidi({t}, 480, 0);
  const auto m = ParseMidi(file);
  ASSERT_TRUE(m);
  EXPECT_EQ(m->NoteOns, 3u);
  EXPECT_EQ(m->NoteOffs, 3u);
  EXPECT_EQ(m->EndTick, 300010u);
  // At tick 480 the first note's off comes before the second note's on.
  const std::vector<uint8_t> at480 = {0x83, 0x60, 0x90, 60, 0, 0x00, 0x90, 60, 100};
  EXPECT_NE(std::search(file.begin(), file.end(), at480.begin(), at480.end()), file.end());
}

TEST(Music, SixMidiFilesParseAndLastHalfAMinuteToAMinuteAndAHalf) {
  for (const char* name : {"Start", "Select", "Fighting1", "Fighting2", "Fighting3", "Ending"}) {
    const std::string path = std::string("music/") + name + ".mid";
    const auto m = ParseMidi(ReadFile(path));
    ASSERT_TRUE(m) << path;
    EXPECT_EQ(m->Format, 1u);
    EXPECT_GE(m->Tracks, 4u) << path;
    EXPECT_EQ(m->Division, kTicksPerQuarter);
    ASSERT_GT(m->TempoMicros, 0u) << path;
    EXPECT_EQ(m->NoteOns, m->NoteOffs) << path;
    EXPECT_GE(m->Programs.size(), 3u) << path;
    const double seconds = m->EndTick / static_cast<double>(m->Division) * m->TempoMicros / 1e6;
    EXPECT_GE(seconds, 30.0) << path;
    EXPECT_LE(seconds, 90.0) << path;
    // Ends on a bar line, so the repeat keeps the beat.
    EXPECT_EQ(m->EndTick % (4 * kTicksPerQuarter), 0u) << path;
  }
}

TEST(Music, Mp3FilesAreMpegAudioWhenTheEncoderIsThere) {
  for (const char* path : {"music/junk.mp3", "music/qura08.mp3"}) {
    if (!std::filesystem::exists(path)) GTEST_SKIP() << "built without lame";
    const std::vector<uint8_t> b = ReadFile(path);
    ASSERT_GT(b.size(), 100000u) << path;  // about 30 s at 64 kbit/s
    EXPECT_LT(b.size(), 400000u) << path;
    size_t at = 0;
    if (b[0] == 'I' && b[1] == 'D' && b[2] == '3')
      at = 10 + ((size_t{b[6]} << 21) | (size_t{b[7]} << 14) | (size_t{b[8]} << 7) | b[9]);
    ASSERT_LT(at + 1, b.size());
    EXPECT_EQ(b[at], 0xFF) << path;
    EXPECT_EQ(b[at + 1] & 0xE0, 0xE0) << path;  // frame sync
  }
}

}  // namespace
}  // namespace zk::assetgen
