// The default asset pack reads through our own loaders: every WAVE sound, every bitmap
// resource, and the six MIDI files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "media/media_files.h"
#include "media/midi_file.h"
#include "platform/audio.h"
#include "platform/resources.h"
#include "platform/surface.h"

namespace zk {
namespace {

TEST(DefaultPack, EverySoundIsGameFormatPcm) {
  const char* const names[] = {"ATTACK1", "ATTACK2",  "ATTACK3", "ATTACK4", "ATTACK5", "BEAM",
                               "ACID",    "HITTED1",  "HITTED2", "HITTED3", "HITTED4", "S_BEGIN",
                               "S_BEAT",  "S_SELECT", "S_SCORE", "S_START", "S_FINISH"};
  if (FindResource("S_BEGIN", ResourceType::Wave).empty()) GTEST_SKIP() << "no asset pack";
  for (const char* name : names) {
    SCOPED_TRACE(name);
    WaveData w;
    int reason = 0;
    ASSERT_EQ(ParseWave(FindResource(name, ResourceType::Wave), w, reason), 1) << reason;
    EXPECT_EQ(w.Channels, 1);
    EXPECT_EQ(w.SampleRate, 8000);
    EXPECT_EQ(w.BitsPerSample, 8);
  }
}

TEST(DefaultPack, BitmapResourcesAndMusicRead) {
  if (FindResource("SABAKU", ResourceType::Bitmap).empty()) GTEST_SKIP() << "no asset pack";
  for (const char* name : {"SABAKU", "SELECT_MARKS", "SELECT_MOS", "WEAPON"}) {
    EXPECT_TRUE(LoadBitmapByName(name)) << name;
  }
  for (const char* name : {"Start", "Select", "Fighting1", "Fighting2", "Fighting3", "Ending"}) {
    const std::string file = std::string("music/") + name + ".mid";
    if (!std::filesystem::exists(file)) continue;
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadFileLimited(file, kMaxMidiFileBytes, bytes)) << file;
    EXPECT_TRUE(CheckMidiFile(bytes)) << file;
  }
}

}  // namespace
}  // namespace zk
