// Esc, F1 and F12 in the stages where they act, and the error stage for each error code.
#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "game_harness.h"

namespace zk::test {
namespace {

class KeysErrors : public GameTest {};

// Drives a game to a stage: 0 title, 1 menu, 4 decided, 5 select intro, 6 select, 7 before
// fight, 8 intro, 9 fighting, 10 fight over.
void Reach(Game& g, int32_t mode, int32_t stage) {
  if (stage == 0) return;
  if (stage == 1) {
    ASSERT_GT(g.RunUntilStage(1), 0);
    return;
  }
  if (stage == 4 || stage == 5) {
    ASSERT_GT(g.RunUntilStage(1), 0);
    while (g.f().GameMode != mode) {
      g.Hold({'S'});
      g.Frame();
      g.ReleaseAll();
    }
    g.Hold({'G'});
    ASSERT_GT(g.RunUntilStage(4, 40), 0);
    g.ReleaseAll();
    if (stage == 5) {
      ASSERT_GT(g.RunUntilStage(5), 0);
    }
    return;
  }
  g.ChooseMode(mode);
  if (stage == 6) return;
  g.Frames(10);
  g.ConfirmSelect();
  if (stage == 7) return;
  ASSERT_GT(g.RunUntilStage(8), 0);
  if (stage == 8) return;
  g.ToFighting();
  if (stage == 9) return;
  g.p2().Armor = -1;
  ASSERT_GT(g.RunUntilStage(10, 20), 0);
}

TEST_F(KeysErrors, EscClosesTheFormFromEveryStage) {
  for (int32_t stage : {0, 1, 4, 5, 6, 7, 8, 9, 10}) {
    Game g;
    Reach(g, 1, stage);
    ASSERT_EQ(g.f().GameStage, stage);
    g.Key(0x1B);
    EXPECT_TRUE(g.f().FormClosed) << stage;
    EXPECT_EQ(g.f().CloseFailure, "") << stage;  // Esc is no failure
    EXPECT_TRUE(g.host->Closed());
    EXPECT_TRUE(g.host->cursor_shown);
    EXPECT_FALSE(g.f().DrawDevice);  // everything released
    EXPECT_FALSE(g.f().JingleSoundBuffer);
    const int32_t frame = g.f().StageFrame;
    g.Frames(3);  // no frame runs any more
    EXPECT_EQ(g.f().StageFrame, frame);
    EXPECT_TRUE(g.last_events.empty());
  }
}

TEST_F(KeysErrors, F1ReturnsToTheTitleOutsideSurvival) {
  for (int32_t mode : {1, 2}) {
    for (int32_t stage : {1, 4, 5, 6, 7, 8, 9, 10}) {
      Game g;
      Reach(g, mode, stage);
      ASSERT_EQ(g.f().GameStage, stage);
      g.Key(0x70);
      EXPECT_EQ(g.f().GameStage, 0) << mode << "/" << stage;
      EXPECT_EQ(g.f().StageFrame, 0);
      // The menu reopens on the mode last chosen.
      EXPECT_EQ(g.f().GameMode, stage == 1 ? 1 : mode);
      EXPECT_EQ(g.f().RobotKind1, 1);
      EXPECT_EQ(g.RunUntilStage(1), 60);
    }
  }
}

TEST_F(KeysErrors, F1AndEscInTheEnding) {
  for (const int key : {0x70, 0x1B}) {
    Game g;
    ASSERT_GT(g.RunUntilStage(1), 0);
    g.f().ToEnd();  // as the sixth won route fight enters it
    ASSERT_EQ(g.f().GameStage, 14);
    g.Frames(300);
    EXPECT_EQ(g.f().GameStage, 14);
    g.Key(key);
    if (key == 0x70) {
      EXPECT_EQ(g.f().GameStage, 0);
      EXPECT_EQ(g.RunUntilStage(1), 60);
    } else {
      EXPECT_TRUE(g.f().FormClosed);
    }
  }
}

// After the sixth win, an ending picture that cannot be loaded ends the game, naming the picture.
TEST_F(KeysErrors, AMissingEndingPictureClosesTheFormNamingIt) {
  dir.Detach("others");
  std::filesystem::remove("others/nr_end2.bmp");
  Game g;
  ASSERT_GT(g.RunUntilStage(1), 0);
  g.f().ToEnd();
  EXPECT_TRUE(g.f().FormClosed);
  EXPECT_EQ(g.f().CloseFailure, "cannot load the picture \"others/nr_end2.bmp\"");
}

// Stages that nothing enters still dispatch: 2 and 3 to the title's logic (which does nothing
// for them), 12 to the survival result (200 frames) and 13 to the time limit (300 frames), both
// then returning to the title.
TEST_F(KeysErrors, TheNeverEnteredStagesDispatchAsTheirLogicSays) {
  for (const auto& [stage, frames] :
       {std::pair{2, 0}, std::pair{3, 0}, std::pair{12, 200}, std::pair{13, 300}}) {
    Game g;
    g.f().GameStage = stage;
    g.f().StageFrame = 0;
    g.f().ScoreFileError = 1;
    const int took = g.RunUntilStage(0, 400);
    if (frames == 0) {
      EXPECT_EQ(took, -1) << stage;
      EXPECT_EQ(g.f().GameStage, stage);
    } else {
      EXPECT_EQ(took, frames) << stage;
      EXPECT_EQ(g.f().ScoreFileError, 0) << stage;
    }
  }
}

TEST_F(KeysErrors, EscClosesTheSurvivalResultAndTheErrorScreen) {
  Game g;
  Reach(g, 3, 7);
  g.Key(0x70);
  ASSERT_EQ(g.f().GameStage, 11);
  g.Frames(10);
  g.Key(0x1B);
  EXPECT_TRUE(g.f().FormClosed);

  Game e;
  Reach(e, 2, 9);
  e.p1().Status.MaxArmor = 0;
  e.Frame();
  ASSERT_EQ(e.f().GameStage, 15);
  e.Key(0x1B);
  EXPECT_TRUE(e.f().FormClosed);
}

TEST_F(KeysErrors, F1InSurvivalActsOnlyBeforeAFight) {
  for (int32_t stage : {4, 6, 8, 9, 10}) {
    Game g;
    Reach(g, 3, stage);
    g.Key(0x70);
    EXPECT_EQ(g.f().GameStage, stage);
  }
  Game g;
  Reach(g, 3, 7);
  g.f().SurvivalWins = 3;
  g.Key(0x70);
  EXPECT_EQ(g.f().GameStage, 11);
  EXPECT_EQ(g.f().StageFrame, 0);
  EXPECT_EQ(g.f().ScoreFileError, 0);
  EXPECT_EQ(g.f().ScoreTable[0].Score, 3);
  EXPECT_EQ(g.f().ScoreTable[1].Score, 0);
  EXPECT_TRUE(std::filesystem::exists("score.vur"));
  FillRect(*g.f().BackSurface, Rect{790, 590, 800, 600}, 0xFFFFFF);
  g.Frame();
  EXPECT_EQ(g.f().BackSurface->Pixel(795, 595), 0xFFFFFFu);  // drawn over, never cleared
  const auto& rec = g.host->recorded;
  EXPECT_TRUE(Has(rec, "stop S_BEAT"));
  EXPECT_TRUE(Has(rec, "play S_SCORE"));
  // A second F1 in the result stage does nothing.
  g.Key(0x70);
  EXPECT_EQ(g.f().GameStage, 11);
  g.f().ScoreFileError = 1;
  EXPECT_EQ(g.RunUntilStage(0, 300), 199);
  EXPECT_EQ(g.f().ScoreFileError, 0);
  EXPECT_EQ(g.f().GameMode, 3);
}

TEST_F(KeysErrors, F12ReplaysPlayerOnesFirstFireSoundEvenOnTheTitle) {
  Game g;
  ASSERT_TRUE(g.f().FireSoundBuffers[0]);
  const std::string name = g.f().FireSoundBuffers[0]->Name();
  g.host->TakeRecorded();
  g.Key(0x7B);
  EXPECT_TRUE(Has(g.host->TakeRecorded(), "play " + name));
}

TEST_F(KeysErrors, BadRobotDataEntersTheErrorStageWithTheLastFailingCode) {
  struct {
    bool p1_armor, p2_armor, p1_energy, p2_energy;
    int32_t code;
  } cases[] = {
      {true, false, false, false, 1}, {false, true, false, false, 2},
      {false, false, true, false, 1}, {false, false, false, true, 2},
      {true, true, false, false, 2},  {false, true, true, false, 1},
  };
  for (const auto& c : cases) {
    Game g;
    Reach(g, 2, 9);
    if (c.p1_armor) g.p1().Status.MaxArmor = 0;
    if (c.p2_armor) g.p2().Status.MaxArmor = -4;
    if (c.p1_energy) g.p1().Status.MaxEnergy = 0;
    if (c.p2_energy) g.p2().Status.MaxEnergy = 0;
    g.Frame();
    EXPECT_EQ(g.f().GameStage, 15);
    EXPECT_EQ(g.f().ErrorCode, c.code);
    EXPECT_NE(g.f().ErrorFailure.find("no armour or energy maximum"), std::string::npos);
    // The error stage has no logic: nothing counts, only Esc or F1 leave it.
    g.Frames(20);
    EXPECT_EQ(g.f().GameStage, 15);
  }
}

TEST_F(KeysErrors, ASoundFailureOnEnteringTheTitleShowsErrorThree) {
  Game g;
  Reach(g, 1, 6);
  g.f().EndDirectSound();
  g.Key(0x70);  // F1: the title's jingle cannot be made
  EXPECT_EQ(g.f().GameStage, 15);
  EXPECT_EQ(g.f().ErrorCode, 3);
  EXPECT_EQ(g.f().ErrorFailure, "cannot make the sound \"S_BEGIN\"");
  g.Frames(5);
  EXPECT_EQ(g.f().GameStage, 15);
  // F1 tries the title again and fails again; in a survival game it would do nothing.
  g.Key(0x70);
  EXPECT_EQ(g.f().GameStage, 15);
  g.Key(0x1B);
  EXPECT_TRUE(g.f().FormClosed);
}

TEST_F(KeysErrors, ErrorStageIgnoresF1InSurvival) {
  Game g;
  Reach(g, 3, 9);
  g.p1().Status.MaxEnergy = 0;
  g.Frame();
  ASSERT_EQ(g.f().GameStage, 15);
  g.Key(0x70);
  EXPECT_EQ(g.f().GameStage, 15);
}

TEST_F(KeysErrors, APictureFailureOnTheSelectScreenShowsErrorFour) {
  Game g;
  Reach(g, 1, 4);
  g.f().EndDX();
  EXPECT_EQ(g.RunUntilStage(15, 100), 60);
  EXPECT_EQ(g.f().ErrorCode, 4);
  EXPECT_EQ(g.f().ErrorFailure, "cannot load the picture \"SELECT_MARKS\"");
  EXPECT_FALSE(g.f().FormClosed);
  g.Frames(5);  // frames go on without drawing
  EXPECT_EQ(g.f().GameStage, 15);
  // The error screen cannot be drawn, so its texts come in a box, once.
  ASSERT_EQ(g.host->messages.size(), 1u);
  EXPECT_NE(g.host->messages[0].find("There is a Error In Drawing."), std::string::npos);
  EXPECT_NE(g.host->messages[0].find("ErrorCode #4."), std::string::npos);
  g.Key(0x1B);
  EXPECT_TRUE(g.f().FormClosed);
}

}  // namespace
}  // namespace zk::test
