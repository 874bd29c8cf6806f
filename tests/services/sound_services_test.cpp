// The form's sound services: making buffers from WAVE resources, the start and stop of sound,
// and playing a buffer the game's way.
#include <string>
#include <vector>

#include "services/services_fixture.h"

namespace zk {
namespace {

using test::GameWave;
using test::ServicesTest;

const std::vector<uint8_t> kGood = GameWave();
const std::vector<uint8_t> kNotWave = {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'A', 'V', 'I', ' '};

class SoundServices : public ServicesTest {
 protected:
  void SoundOn() { form_.SoundDev = host_.OpenSound(); }
};

TEST_F(SoundServices, CreateSoundDataMakesABufferFromTheResource) {
  Resources({{"S_TEST", ResourceType::Wave, kGood}});
  SoundOn();
  std::unique_ptr<SoundBuffer> slot;
  EXPECT_EQ(form_.CreateSoundData("S_TEST", slot), 1);
  ASSERT_TRUE(slot);
  EXPECT_EQ(slot->Name(), "S_TEST");
  EXPECT_TRUE(host_.Messages().empty());
  EXPECT_TRUE(form_.SoundOn());
}

TEST_F(SoundServices, UnreadableResourceIsReportedWithItsReasonAndStopsSound) {
  struct Case {
    const char* Name;
    std::vector<uint8_t> Bytes;
    const char* Message;
  };
  std::vector<uint8_t> stereo32 = kGood;
  stereo32[34] = 32;  // 32 bits per sample
  const std::vector<Case> cases = {
      {"S_NONE", {}, "Error: WaveFormatデータの読み込み失敗1"},
      {"S_AVI", kNotWave, "Error: WaveFormatデータの読み込み失敗2"},
      {"S_32BIT", stereo32, "Error: WaveFormatデータの読み込み失敗6"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Resources({{c.Name, ResourceType::Wave, c.Bytes}});
    SoundOn();
    form_.JingleSoundBuffer = form_.SoundDev->CreateBuffer("OLD", {1, 8000, 8, {128}});
    const size_t before = host_.Messages().size();
    std::unique_ptr<SoundBuffer> slot;
    EXPECT_EQ(form_.CreateSoundData(c.Name, slot), 0);
    ASSERT_EQ(host_.Messages().size(), before + 1);
    EXPECT_EQ(host_.Messages().back(), c.Message);
    EXPECT_FALSE(slot);
    // Sound is stopped: the device and every other slot are gone.
    EXPECT_FALSE(form_.SoundOn());
    EXPECT_FALSE(form_.JingleSoundBuffer);
  }
}

TEST_F(SoundServices, AfterEndDirectSoundEveryCreationFailsSilently) {
  Resources({{"S_TEST", ResourceType::Wave, kGood}});
  SoundOn();
  form_.EndDirectSound();
  form_.EndDirectSound();  // a second stop does nothing more
  std::unique_ptr<SoundBuffer> slot;
  EXPECT_EQ(form_.CreateSoundData("S_TEST", slot), 0);
  EXPECT_FALSE(slot);
  EXPECT_TRUE(host_.Messages().empty());
}

TEST_F(SoundServices, StartDSMakesHitSoundsTheirDuplicatesAndTheJingle) {
  Resources({{"HITTED1", ResourceType::Wave, kGood},
             {"HITTED2", ResourceType::Wave, kGood},
             {"HITTED3", ResourceType::Wave, kGood},
             {"HITTED4", ResourceType::Wave, kGood},
             {"S_BEGIN", ResourceType::Wave, kGood}});
  form_.GameStage = 0;
  form_.StartDS();
  ASSERT_TRUE(form_.SoundOn());
  for (int i = 0; i < 4; ++i) {
    ASSERT_TRUE(form_.HitSoundBuffers[0][i]);
    ASSERT_TRUE(form_.HitSoundBuffers[1][i]);
    EXPECT_NE(form_.HitSoundBuffers[0][i], form_.HitSoundBuffers[1][i]);
    EXPECT_EQ(form_.HitSoundBuffers[1][i]->Name(), "HITTED" + std::to_string(i + 1));
  }
  ASSERT_TRUE(form_.JingleSoundBuffer);
  EXPECT_EQ(form_.JingleSoundBuffer->Name(), "S_BEGIN");
  EXPECT_EQ(form_.GameStage, 0);
}

TEST_F(SoundServices, StartDSFailureStopsSoundAndEntersTheErrorStage) {
  Resources({{"HITTED3", ResourceType::Wave, kNotWave}});
  form_.StartDS();
  EXPECT_FALSE(form_.SoundOn());
  for (auto& player : form_.HitSoundBuffers) {
    for (auto& b : player) EXPECT_FALSE(b);
  }
  EXPECT_EQ(form_.ErrorCode, 3);
  EXPECT_EQ(form_.GameStage, 15);
  EXPECT_EQ(host_.Messages(), (std::vector<std::string>{"Error: WaveFormatデータの読み込み失敗2"}));
}

// A buffer that counts what is done to it and can claim to be lost.
class CountingBuffer final : public SoundBuffer {
 public:
  explicit CountingBuffer(bool lost) : lost_(lost) {}
  const std::string& Name() const override { return name_; }
  void SetPosition(uint32_t sample) override { Calls.push_back("pos " + std::to_string(sample)); }
  bool Play(bool looping) override {
    Calls.push_back(looping ? "loop" : "play");
    return !lost_;
  }
  void Stop() override { Calls.push_back("stop"); }
  bool Restore() override {
    Calls.push_back("restore");
    return true;
  }
  bool Playing() const override { return false; }
  std::vector<std::string> Calls;

 private:
  bool lost_;
  std::string name_ = "COUNT";
};

TEST_F(SoundServices, PlayRewindsPlaysOnceOrLoopsAndRestoresALostBufferWithoutReplaying) {
  SoundOn();
  CountingBuffer fine(false), lost(true);
  form_.PlaySoundBuffer(&fine, false);
  form_.PlaySoundBuffer(&fine, true);
  EXPECT_EQ(fine.Calls, (std::vector<std::string>{"pos 0", "play", "pos 0", "loop"}));
  form_.PlaySoundBuffer(&lost, true);
  EXPECT_EQ(lost.Calls, (std::vector<std::string>{"pos 0", "loop", "restore"}));
  form_.StopSoundBuffer(&fine);
  EXPECT_EQ(fine.Calls.back(), "stop");
  form_.PlaySoundBuffer(nullptr, false);  // an empty slot plays nothing
  form_.StopSoundBuffer(nullptr);
}

TEST_F(SoundServices, NothingPlaysOrStopsWhileSoundIsStoppedOrTheFormHasClosed) {
  CountingBuffer buffer(false);
  form_.PlaySoundBuffer(&buffer, false);  // no device yet
  form_.StopSoundBuffer(&buffer);
  SoundOn();
  form_.EndDirectSound();
  form_.PlaySoundBuffer(&buffer, true);
  form_.StopSoundBuffer(&buffer);
  EXPECT_TRUE(buffer.Calls.empty());
  SoundOn();
  host_.Close();
  form_.PlaySoundBuffer(&buffer, false);
  EXPECT_TRUE(buffer.Calls.empty());
}

TEST_F(SoundServices, TheDevicesRecordReachesTheTrace) {
  Resources({{"S_BEAT", ResourceType::Wave, kGood}});
  SoundOn();
  ASSERT_EQ(form_.CreateSoundData("S_BEAT", form_.BeatSoundBuffer), 1);
  form_.PlaySoundBuffer(form_.BeatSoundBuffer.get(), true);
  form_.StopSoundBuffer(form_.BeatSoundBuffer.get());
  form_.PlaySoundBuffer(form_.BeatSoundBuffer.get(), false);
  EXPECT_EQ(Recorded(), (std::vector<std::string>{"loop S_BEAT", "stop S_BEAT", "play S_BEAT"}));
}

}  // namespace
}  // namespace zk
