// The form's music services: MIDI segments by stage, the pinch switch, the MP3 notice.
#include <string>
#include <vector>

#include "services/services_fixture.h"

namespace zk {
namespace {

using test::GameWave;
using test::ScratchDirectory;
using test::ServicesTest;

const std::vector<uint8_t> kMidi = {'M', 'T', 'h', 'd', 0,   0, 0, 6, 0, 0, 0,    1,    0,
                                    96,  'M', 'T', 'r', 'k', 0, 0, 0, 4, 0, 0xFF, 0x2F, 0};

class MusicServices : public ServicesTest {
 protected:
  void WriteMusic(std::initializer_list<const char*> names) {
    for (const char* n : names) ScratchDirectory::Write(std::string("music/") + n, kMidi);
  }
  ScratchDirectory scratch_;
};

TEST_F(MusicServices, SegmentsLoadPlayAndEndInTheMidiMode) {
  WriteMusic({"Start.mid", "Fighting1.mid", "Fighting2.mid"});
  form_.MusicMode = 0;
  form_.StartDirectMusic();
  ASSERT_TRUE(form_.MusicPerformance);
  form_.MakeSegment_Start();
  ASSERT_TRUE(form_.MusicSegment);
  form_.PlayMusicSegment();
  form_.EndSegment();
  EXPECT_FALSE(form_.MusicSegment);
  form_.MakeSegment_Fight2();
  form_.MakeSegment_Fight1();
  ASSERT_TRUE(form_.PinchSegment);
  ASSERT_TRUE(form_.MusicSegment);
  form_.PlayMusicSegment();
  form_.PlayPinchSegment();
  form_.EndSegment();
  EXPECT_FALSE(form_.PinchSegment);
  EXPECT_FALSE(host_.Closed());
  EXPECT_EQ(Recorded(),
            (std::vector<std::string>{"music music/Start.mid", "music-stop",
                                      "music music/Fighting1.mid", "pinch", "music-stop"}));
  form_.EndDirectMusic();
  form_.EndDirectMusic();
  EXPECT_FALSE(form_.MusicPerformance);
}

TEST_F(MusicServices, AMissingMidiFileClosesTheForm) {
  form_.MusicMode = 0;
  form_.StartDirectMusic();
  form_.MakeSegment_Ending();
  EXPECT_TRUE(host_.Closed());
  EXPECT_FALSE(form_.MusicSegment);
}

TEST_F(MusicServices, ABrokenMidiFileClosesTheFormToo) {
  std::vector<uint8_t> broken = kMidi;
  broken[0] = 'X';  // no header chunk
  ScratchDirectory::Write("music/Ending.mid", broken);
  form_.MusicMode = 0;
  form_.StartDirectMusic();
  ASSERT_FALSE(host_.Closed());
  form_.MakeSegment_Ending();
  EXPECT_TRUE(host_.Closed());
  EXPECT_FALSE(form_.MusicSegment);
}

TEST_F(MusicServices, NothingOfMidiHappensInTheMp3Mode) {
  form_.MusicMode = 1;
  form_.StartDirectMusic();
  EXPECT_FALSE(form_.MusicPerformance);
  form_.MakeSegment_Select();  // no file needed, nothing closes
  form_.EndSegment();
  form_.EndDirectMusic();
  form_.PlayPinchSegment();
  EXPECT_FALSE(host_.Closed());
  EXPECT_TRUE(Recorded().empty());
}

TEST_F(MusicServices, PlayAndPinchNeedBothThePerformanceAndTheSegment) {
  form_.MusicMode = 0;
  form_.PlayMusicSegment();
  form_.PlayPinchSegment();
  form_.StartDirectMusic();
  form_.PlayMusicSegment();
  form_.PlayPinchSegment();
  EXPECT_TRUE(Recorded().empty());
}

TEST_F(MusicServices, Mp3NoticeLoopsTheBeatOnlyWhileTheGamesPieceIsMeantToPlay) {
  const std::vector<uint8_t> wave = GameWave();
  Resources({{"S_BEAT", ResourceType::Wave, wave}});
  form_.SoundDev = host_.OpenSound();
  ASSERT_EQ(form_.CreateSoundData("S_BEAT", form_.BeatSoundBuffer), 1);
  struct Case {
    int32_t MusicMode;
    uint8_t Playing;
    bool Loops;
  };
  for (const Case& c : {Case{1, 1, true}, Case{1, 0, false}, Case{0, 1, false}}) {
    form_.MusicMode = c.MusicMode;
    form_.Mp3Playing = c.Playing;
    form_.MediaPlayer1Notify();
    EXPECT_EQ(Recorded(),
              c.Loops ? std::vector<std::string>{"loop S_BEAT"} : std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace zk
