// Sound devices, the MIDI performance and the MP3 player: what they accept, and that the SDL
// and headless backends record the same events.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "media/midi_file.h"
#include "platform/audio_backends.h"
#include "support/media_builders.h"
#include "support/scratch_dir.h"

namespace zk {
namespace {

WaveData Beep(int channels = 1, int bits = 8, int rate = 8000) {
  WaveData w;
  w.Channels = channels;
  w.BitsPerSample = bits;
  w.SampleRate = rate;
  w.Samples.assign(static_cast<size_t>(rate / 10 * channels * bits / 8), 128);
  return w;
}

struct Log {
  std::vector<std::string> Events;
  std::function<void(std::string)> Recorder() {
    return [this](std::string e) { Events.push_back(std::move(e)); };
  }
};

// The same script of calls on either device gives the same record.
void PlayScript(SoundDevice& device) {
  auto hit = device.CreateBuffer("HITTED1", Beep());
  ASSERT_TRUE(hit);
  auto twin = device.Duplicate(*hit);
  ASSERT_TRUE(twin);
  EXPECT_EQ(twin->Name(), "HITTED1");
  hit->SetPosition(0);
  EXPECT_TRUE(hit->Play(false));
  twin->SetPosition(0);
  EXPECT_TRUE(twin->Play(true));
  EXPECT_TRUE(twin->Playing());
  twin->Stop();
  EXPECT_FALSE(twin->Playing());
  twin->Stop();  // recorded though silent
  EXPECT_TRUE(hit->Restore());
}

const std::vector<std::string> kScriptRecord = {"play HITTED1", "loop HITTED1", "stop HITTED1",
                                                "stop HITTED1"};

TEST(SoundDevice, HeadlessRecordsPlaysLoopsAndStops) {
  Log log;
  auto device = MakeHeadlessSoundDevice(log.Recorder());
  PlayScript(*device);
  EXPECT_EQ(log.Events, kScriptRecord);
}

TEST(SoundDevice, SdlOnTheDummyDriverRecordsTheSame) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  Log log;
  auto device = MakeSdlSoundDevice(log.Recorder());
  if (!device) GTEST_SKIP() << "no SDL audio here";
  PlayScript(*device);
  EXPECT_EQ(log.Events, kScriptRecord);
  // Every accepted format converts; a buffer plays from a later position too.
  for (auto wave : {Beep(2, 16, 44100), Beep(1, 16, 22050), Beep(2, 8, 11025)}) {
    auto b = device->CreateBuffer("X", wave);
    ASSERT_TRUE(b);
    b->SetPosition(100);
    b->Play(false);
    EXPECT_TRUE(b->Playing());
  }
  // More buffers than the mixer starts with still get channels of their own.
  std::vector<std::unique_ptr<SoundBuffer>> many;
  for (int i = 0; i < 40; ++i) {
    many.push_back(device->CreateBuffer("M", Beep()));
    many.back()->Play(true);
  }
  for (auto& b : many) EXPECT_TRUE(b->Playing());
}

TEST(SoundDevice, UnplayableSamplesMakeNoBuffer) {
  for (int headless = 0; headless < 2; ++headless) {
    auto device = MakeHeadlessSoundDevice({});
    WaveData empty = Beep();
    empty.Samples.clear();
    WaveData partial = Beep(2, 16);
    partial.Samples.resize(3);
    WaveData bad_bits = Beep();
    bad_bits.BitsPerSample = 12;
    WaveData bad_rate = Beep();
    bad_rate.SampleRate = 0;
    for (const WaveData& w : {empty, partial, bad_bits, bad_rate}) {
      EXPECT_FALSE(device->CreateBuffer("X", w));
    }
  }
}

// A scratch working directory with a music folder.
class MusicFiles : public ::testing::Test {
 protected:
  static void Write(const std::string& path, const std::vector<uint8_t>& bytes) {
    test::ScratchDirectory::Write(path, bytes);
  }
  // One track: a note on and off, end of track.
  static std::vector<uint8_t> Midi() {
    return {'M', 'T', 'h', 'd', 0,  0, 0,    6,  0,   0,  0,    1,  0, 96, 'M',  'T',  'r',
            'k', 0,   0,   0,   12, 0, 0x90, 60, 100, 96, 0x80, 60, 0, 0,  0xFF, 0x2F, 0};
  }
  test::ScratchDirectory scratch_;
};

TEST_F(MusicFiles, MidiFileCheckRefusesBrokenFiles) {
  const std::vector<uint8_t> good = Midi();
  EXPECT_TRUE(CheckMidiFile(good));
  auto changed = [&](size_t at, uint8_t value) {
    std::vector<uint8_t> b = good;
    b[at] = value;
    return b;
  };
  EXPECT_FALSE(CheckMidiFile(changed(0, 'X')));    // not MThd
  EXPECT_FALSE(CheckMidiFile(changed(9, 3)));      // format 3
  EXPECT_FALSE(CheckMidiFile(changed(11, 0)));     // no tracks
  EXPECT_FALSE(CheckMidiFile(changed(12, 0xE7)));  // SMPTE timing: 25 frames of 96 ticks
  EXPECT_FALSE(CheckMidiFile(changed(21, 200)));   // track past the end
  EXPECT_FALSE(CheckMidiFile(changed(7, 200)));    // header past the end
  for (size_t n = 0; n < good.size(); ++n) {
    EXPECT_FALSE(CheckMidiFile(std::span<const uint8_t>(good.data(), n))) << n;
  }
}

void MusicScript(MidiPerformance& midi) {
  EXPECT_FALSE(midi.LoadSegment("music\\Missing.mid"));
  auto start = midi.LoadSegment("music\\Start.mid");
  auto pinch = midi.LoadSegment("music\\Fighting2.mid");
  ASSERT_TRUE(start);
  ASSERT_TRUE(pinch);
  EXPECT_TRUE(midi.Play(*start, 65536, MusicBoundary::Beat));  // nothing plays: at once
  EXPECT_TRUE(midi.TransitionTo(*pinch, MusicBoundary::Now));
  EXPECT_TRUE(midi.Stop(MusicBoundary::Now));
}

const std::vector<std::string> kMusicRecord = {"music music/Start.mid", "pinch", "music-stop"};

TEST_F(MusicFiles, MidiBackendsLoadPlayAndRecordAlike) {
  Write("music/Start.mid", Midi());
  Write("music/Fighting2.mid", Midi());
  Write("music/Broken.mid", {'M', 'T', 'h', 'd', 0, 0});
  std::vector<uint8_t> smpte = Midi(), bad_event = Midi();
  smpte[12] = 0xE7;      // SMPTE timing, which the synthesizer cannot follow
  bad_event[23] = 0xF1;  // no such event in a file
  Write("music/Smpte.mid", smpte);
  Write("music/BadEvent.mid", bad_event);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  for (bool headless : {true, false}) {
    SCOPED_TRACE(headless ? "headless" : "SDL");
    Log log;
    auto midi = headless ? MakeHeadlessMidi(log.Recorder(), nullptr) : MakeSdlMidi(log.Recorder());
    ASSERT_TRUE(midi);
    for (const char* refused : {"music/Broken.mid", "music/Smpte.mid", "music/BadEvent.mid"}) {
      EXPECT_FALSE(midi->LoadSegment(refused)) << refused;
    }
    EXPECT_FALSE(midi->LoadSegment("/etc/passwd"));
    MusicScript(*midi);
    EXPECT_EQ(log.Events, kMusicRecord);
  }
}

TEST_F(MusicFiles, MediaPlayerOpensOnlyExistingFiles) {
  for (bool headless : {true, false}) {
    SCOPED_TRACE(headless ? "headless" : "SDL");
    Log log;
    auto player = headless ? MakeHeadlessMediaPlayer(log.Recorder(), {})
                           : MakeSdlMediaPlayer(log.Recorder(), {});
    EXPECT_EQ(player->Mode(), MediaMode::NotReady);
    try {
      player->Open("music\\junk.mp3");
      FAIL() << "opened a missing file";
    } catch (const MediaError& e) {
      EXPECT_NE(std::string(e.what()).find("music\\junk.mp3"), std::string::npos);
    }
    EXPECT_EQ(player->Mode(), MediaMode::NotReady);
    player->Play();  // nothing open: nothing plays
    EXPECT_TRUE(log.Events.empty());
  }
}

// The pack's MP3 plays through the headless player and, on the dummy driver, through SDL.
TEST(MediaPlayer, PackPieceOpensPlaysAndStops) {
  if (!std::filesystem::exists("music/junk.mp3")) GTEST_SKIP() << "no asset pack here";
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  for (bool headless : {true, false}) {
    SCOPED_TRACE(headless ? "headless" : "SDL");
    Log log;
    auto player = headless ? MakeHeadlessMediaPlayer(log.Recorder(), {})
                           : MakeSdlMediaPlayer(log.Recorder(), {});
    player->Open("music\\junk.mp3");
    EXPECT_EQ(player->Mode(), MediaMode::Stopped);
    player->Play();
    EXPECT_EQ(player->Mode(), MediaMode::Playing);
    player->Stop();
    EXPECT_EQ(player->Mode(), MediaMode::Stopped);
    player->Close();
    EXPECT_EQ(player->Mode(), MediaMode::NotReady);
    EXPECT_EQ(log.Events, (std::vector<std::string>{"mp3 music/junk.mp3", "mp3-stop"}));
  }
}

}  // namespace
}  // namespace zk

namespace zk {
namespace {

// A piece that ends by itself sends the notice (from the audio thread); a stopped one does not.
TEST_F(MusicFiles, SdlPlayerNoticeComesOnlyWhenAPieceEndsByItself) {
  const std::filesystem::path pack = scratch_.Original() / "music" / "junk.mp3";
  if (!std::filesystem::exists(pack)) GTEST_SKIP() << "no asset pack here";
  std::vector<uint8_t> bytes(8 * 1024);  // the first half second or so
  std::ifstream(pack, std::ios::binary)
      .read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  Write("music/short.mp3", bytes);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  std::mutex lock;
  std::condition_variable noticed;
  int notices = 0;
  auto player = MakeSdlMediaPlayer({}, [&] {
    const std::lock_guard<std::mutex> hold(lock);
    ++notices;
    noticed.notify_all();
  });
  player->Open("music\\short.mp3");
  player->Play();
  player->Stop();
  player->Play();
  {
    // Woken by the notice itself; the limit only bounds a run where it never comes.
    std::unique_lock<std::mutex> hold(lock);
    noticed.wait_for(hold, std::chrono::seconds(5), [&] { return notices > 0; });
    EXPECT_EQ(notices, 1);
  }
  EXPECT_EQ(player->Mode(), MediaMode::Stopped);
  player->Close();
}

}  // namespace
}  // namespace zk
