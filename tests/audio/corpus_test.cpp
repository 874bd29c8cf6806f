// The fuzz corpus as a regression suite: every kept input goes through the readers under the
// test build's checks, and the hand-made seeds all read.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "media/midi_file.h"
#include "media/midi_song.h"
#include "media/mp3_check.h"
#include "media/sf2_subset.h"
#include "platform/audio.h"
#include "platform/surface.h"
#include "support/files.h"

namespace zk {
namespace {

std::filesystem::path Corpus(const char* kind) {
  return std::filesystem::path(ZK_FUZZ_CORPUS) / kind;
}

using test::ReadBytes;

TEST(FuzzCorpus, PicturesReadOrFailCleanly) {
  const auto dir = Corpus("bmp");
  if (!std::filesystem::exists(dir)) GTEST_SKIP() << "no corpus next to the sources";
  int seeds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    const std::vector<uint8_t> bytes = ReadBytes(entry.path());
    auto picture = DecodeBmp(bytes.data(), bytes.size());
    if (entry.path().extension() == ".bmp") {  // the hand-made seeds
      EXPECT_TRUE(picture) << entry.path();
      ++seeds;
    }
    if (picture) {
      EXPECT_LE(picture->Width(), 4096);
      EXPECT_LE(picture->Height(), 4096);
    }
  }
  EXPECT_GE(seeds, 10);
}

TEST(FuzzCorpus, SoundsReadOrGiveAReason) {
  const auto dir = Corpus("wave");
  if (!std::filesystem::exists(dir)) GTEST_SKIP() << "no corpus next to the sources";
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    WaveData w;
    int reason = 0;
    const int ok = ParseWave(ReadBytes(entry.path()), w, reason);
    if (entry.path().extension() == ".wav") {
      EXPECT_EQ(ok, 1) << entry.path();
    }
    if (ok == 0) {
      EXPECT_GE(reason, 1) << entry.path();
      EXPECT_LE(reason, 7) << entry.path();
    }
  }
}

TEST(FuzzCorpus, MidiSeedsPlay) {
  const auto dir = Corpus("midi");
  if (!std::filesystem::exists(dir)) GTEST_SKIP() << "no corpus next to the sources";
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    const std::vector<uint8_t> bytes = ReadBytes(entry.path());
    EXPECT_TRUE(CheckMidiFile(bytes) && MidiSong::Parse(bytes, 44100)) << entry.path();
  }
}

TEST(FuzzCorpus, MusicSeedsHoldAudio) {
  const auto dir = Corpus("mp3");
  if (!std::filesystem::exists(dir)) GTEST_SKIP() << "no corpus next to the sources";
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    const bool audio = Mp3HoldsAudio(ReadBytes(entry.path()));
    if (entry.path().extension() == ".mp3") {
      EXPECT_TRUE(audio) << entry.path();
    }
  }
}

TEST(FuzzCorpus, SoundFontSeedsCut) {
  SoundFontPrograms programs;
  programs.Melodic.set(0);
  for (const auto& entry : std::filesystem::directory_iterator(Corpus("sf2"))) {
    EXPECT_TRUE(SubsetPresetData(ReadBytes(entry.path()), programs)) << entry.path();
  }
}

}  // namespace
}  // namespace zk
