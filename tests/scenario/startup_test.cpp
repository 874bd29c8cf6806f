// The start-up's joysticks, music and sounds, and who reads which joystick.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/failure_texts.h"
#include "game_harness.h"
#include "platform/resources.h"
#include "shell/failure_line.h"

namespace zk::test {
namespace {

namespace fs = std::filesystem;

class StartUp : public GameTest {};

TEST_F(StartUp, JoysticksThatAnswerGetTheirCentreAndButtonCount) {
  Game g({}, 1, [](ScriptedPlatform& host) {
    host.joy_answers[0] = true;
    host.caps[0] = {0, 65535, 7};
    host.joy[0] = {32768, 32768, 0};
    host.joy_answers[1] = true;
    host.caps[1] = {100, 301, 4};
    host.joy[1] = {200, 200, 0};
  });
  EXPECT_EQ(g.f().JoyCenter1, 32768u);
  EXPECT_EQ(g.f().JoyButtons1, 7);
  EXPECT_EQ(g.f().JoyCenter2, 201u);
  EXPECT_EQ(g.f().JoyButtons2, 4);
}

TEST_F(StartUp, AJoystickThatDoesNotAnswerLeavesZeroes) {
  Game g;
  EXPECT_EQ(g.f().JoyCenter1, 0u);
  EXPECT_EQ(g.f().JoyButtons1, 0);
  EXPECT_EQ(g.f().JoyCenter2, 0u);
}

TEST_F(StartUp, PlayerOnesJoystickDrivesTheMenuAndTheKeyboardTakesOverWhenItStops) {
  Game g({}, 1, [](ScriptedPlatform& host) {
    host.joy_answers[0] = true;
    host.caps[0] = {0, 65535, 8};
    host.joy[0] = {32768, 32768, 0};
  });
  ASSERT_EQ(g.RunUntilStage(1), 60);
  g.host->joy[0] = {32768, 40000, 0};  // stick down
  g.Hold({'W'});                       // ignored while the joystick answers
  g.Frames(11);
  EXPECT_EQ(g.f().GameMode, 2);
  // On the two-player row player 2 is read already: its joystick is asked, its keys count.
  const int asked = g.host->joy_queries[1];
  g.Hold({0x27});
  g.Frame();
  g.Release({0x27});
  EXPECT_GT(g.host->joy_queries[1], asked);
  EXPECT_EQ(g.p2().InputX, kInputRight);
  g.host->joy_answers[0] = false;  // unplugged: the keyboard's W now counts
  g.Frames(11);
  EXPECT_EQ(g.f().GameMode, 1);
  // With the menu on one player, joystick 2 is never asked (on the two-player row it is).
  const int queries = g.host->joy_queries[1];
  g.ReleaseAll();
  g.Frames(30);
  EXPECT_EQ(g.host->joy_queries[1], queries);
}

TEST_F(StartUp, TwoPlayersReadJoystickTwo) {
  Game g({}, 1, [](ScriptedPlatform& host) {
    host.joy_answers[1] = true;
    host.caps[1] = {0, 65535, 6};
    host.joy[1] = {0, 32768, 0x20};  // left, boost
  });
  g.ChooseMode(2);
  g.Frame();
  EXPECT_EQ(g.p2().InputX, 2);
  EXPECT_EQ(g.p2().InputY, 0);
  EXPECT_EQ(g.p2().InputButton, 6);
}

TEST_F(StartUp, TheTitleMusicStartsInEitherMode) {
  {
    Game g({0, 0, 0});
    g.Frame();
    EXPECT_TRUE(Has(g.host->recorded, "music music/Start.mid"));
  }
  {
    Game g({0, 1, 0});
    g.Frame();
    EXPECT_EQ(g.f().MusicMode, 1);
    EXPECT_EQ(g.f().Mp3Playing, 1);
    EXPECT_TRUE(Has(g.host->recorded, "mp3 music/junk.mp3"));
  }
}

TEST_F(StartUp, AMissingTitlePieceIsReportedAndTheGameStillStarts) {
  // A music folder without the MP3 pieces.
  fs::remove("music");
  fs::create_directory("music");
  Game g({0, 1, 0});
  EXPECT_TRUE(g.f().IdleInstalled);
  EXPECT_FALSE(g.f().FormClosed);
  EXPECT_EQ(g.f().Mp3Playing, 0);
  EXPECT_EQ(g.host->messages.size(), 1u);
  EXPECT_EQ(g.RunUntilStage(1), 60);
}

TEST_F(StartUp, WithoutTheBeatTheFirstScreenIsErrorThree) {
  // A beat that cannot be made: the start-up goes on to the title, whose own jingle then fails.
  static const uint8_t kNotAWave[] = {'n', 'o', 't', ' ', 'a', ' ', 'w', 'a', 'v', 'e'};
  static const ResourceEntry kBrokenBeat[] = {{"S_BEAT", ResourceType::Wave, kNotAWave}};
  SetResourceOverride(kBrokenBeat);
  Game g;
  SetResourceOverride({});
  EXPECT_TRUE(g.f().IdleInstalled);
  EXPECT_FALSE(g.f().FormClosed);
  EXPECT_EQ(g.f().GameStage, 15);
  EXPECT_EQ(g.f().ErrorCode, 3);
  EXPECT_EQ(g.f().SelectUnlocked, 1);
  g.Frames(100);
  EXPECT_EQ(g.f().GameStage, 15);
}

// A sound that cannot be made is said once on standard error, by its own name and before its box;
// the sounds that then fail because sound is stopped are not named instead.
TEST_F(StartUp, ABrokenSoundIsNamedOnceByItself) {
  static const uint8_t kNotAWave[] = {'x'};
  // A hit sound and the jingle at "start", a weapon of the placeholder robots, and a weapon of
  // the chosen robot only, loaded before the first fight.
  for (const char* sound : {"HITTED2", "S_BEGIN", "ACID", "BEAM"}) {
    SCOPED_TRACE(sound);
    const ResourceEntry broken[] = {{sound, ResourceType::Wave, kNotAWave}};
    SetResourceOverride(broken);
    testing::internal::CaptureStderr();
    Game g;
    if (!g.f().FormClosed) {
      g.ChooseMode(1);
      g.Hold({'G'});
      EXPECT_GT(g.RunUntilStage(15, 300), 0);  // the fight's jingle fails after it
    }
    const std::string err = testing::internal::GetCapturedStderr();
    SetResourceOverride({});
    EXPECT_EQ(err, FailureLine(SoundFailure(sound)) + "\n");
    EXPECT_EQ(g.host->messages.size(), 1u);  // the box of the resource that cannot be read
  }
}

TEST_F(StartUp, WithoutTheStartJingleTheGameEndsAtStart) {
  static const uint8_t kNotAWave[] = {'x'};
  static const ResourceEntry kBrokenBegin[] = {{"S_BEGIN", ResourceType::Wave, kNotAWave}};
  SetResourceOverride(kBrokenBegin);
  Game g;
  SetResourceOverride({});
  EXPECT_TRUE(g.f().FormClosed);
  // StartDS could not make it either, and stopped sound.
  EXPECT_EQ(g.f().CloseFailure,
            "cannot make the sound \"S_BEGIN\" (sound was stopped by an earlier sound failure)");
  EXPECT_FALSE(g.f().IdleInstalled);
  EXPECT_TRUE(g.host->cursor_shown);
}

}  // namespace
}  // namespace zk::test
