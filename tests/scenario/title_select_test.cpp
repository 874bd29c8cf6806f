// The start-up, the title and the select screen, frame by frame.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "game_harness.h"

namespace zk::test {
namespace {

class TitleSelect : public GameTest {};

TEST_F(TitleSelect, StartUpLeavesTheGameOnTheTitleWithItsPlaceholders) {
  Game g;
  TForm1& f = g.f();
  EXPECT_FALSE(f.FormClosed);
  EXPECT_TRUE(f.IdleInstalled);
  EXPECT_EQ(f.GameStage, 0);
  EXPECT_EQ(f.GameMode, 1);
  EXPECT_EQ(f.SelectUnlocked, 1);
  EXPECT_EQ(f.WindowMode, 0);  // the dialog's first items: full screen, MIDI, normal
  EXPECT_EQ(f.MusicMode, 0);
  EXPECT_EQ(f.HardSurvival, 0);
  EXPECT_FALSE(g.host->cursor_shown);
  const int32_t variants[12] = {0, 2, 3, 2, 2, 2, 3, 3, 2, 1, 2, 2};
  for (int k = 1; k <= 11; ++k) EXPECT_EQ(f.VariantCount[k], variants[k]) << k;
  const int32_t routes[2][6] = {{6, 7, 8, 9, 10, 11}, {1, 2, 3, 4, 5, 11}};
  for (int r = 0; r < 2; ++r) {
    for (int i = 0; i < 6; ++i) EXPECT_EQ(f.RouteTable[r][i], routes[r][i]);
  }
  // The start-up's Ro-da placeholders; the title entry reset their run-time state since.
  EXPECT_EQ(std::strncmp(f.Robots[0].Name, "Ro-da", 5), 0);
  EXPECT_EQ(std::strncmp(f.Robots[1].Name, "Ro-da", 5), 0);
  EXPECT_GT(f.Robots[0].Status.MaxArmor, 0);
  // Every kind's decision routine is bound, and entry 0 holds Ridezazo's.
  for (int k = 0; k < 12; ++k) EXPECT_NE(f.ThinkTable[k], nullptr) << k;
  EXPECT_EQ(f.ThinkTable[0], f.ThinkTable[1]);
  // The name plate n = 19 (V-2-A) is the second cell of the fourth picture's top row.
  EXPECT_EQ(f.NamePlates[8][0].Image, 4);
  EXPECT_EQ(f.NamePlates[8][0].Source.Left, 260);
  EXPECT_EQ(f.NamePlates[8][0].Source.Top, 0);
  EXPECT_EQ(f.NamePlates[10][1].Image, 4);
  EXPECT_EQ(f.NamePlates[10][1].Source.Left, 520);
  EXPECT_EQ(f.NamePlates[10][1].Source.Top, 280);
}

TEST_F(TitleSelect, WindowSitsCentredOnTheDesktop) {
  Game g({1, 0, 0});
  const DesktopRect desk = g.host->Desktop();
  EXPECT_EQ(g.f().Top, (desk.Bottom - desk.Top) / 2 - 299);
  EXPECT_EQ(g.f().Left, (desk.Right - desk.Left) / 2 - 399);
  EXPECT_EQ(g.f().WindowMode, 1);
}

TEST_F(TitleSelect, TheTitleIntroLastsSixtyFramesAndPlaysTheJingle) {
  Game g;
  g.Frames(59);
  EXPECT_EQ(g.f().GameStage, 0);
  EXPECT_EQ(g.f().StageFrame, 59);
  g.Frame();
  EXPECT_EQ(g.f().GameStage, 1);
  EXPECT_EQ(g.f().StageFrame, 0);
  EXPECT_TRUE(Has(g.last_events, "play S_BEGIN"));
}

TEST_F(TitleSelect, TheMenuGateTakesOneInputEveryElevenFrames) {
  Game g;
  ASSERT_EQ(g.RunUntilStage(1), 60);
  g.Hold({'S'});
  for (int frame = 1; frame <= 40; ++frame) {
    g.Frame();
    const int32_t expected = frame < 11 ? 1 : frame < 22 ? 2 : 3;
    EXPECT_EQ(g.f().GameMode, expected) << "menu frame " << frame;
    EXPECT_EQ(g.f().StageFrame, 0);  // the menu counts no stage frames
  }
  g.ReleaseAll();
  g.Hold({'W'});
  g.Frames(40);
  EXPECT_EQ(g.f().GameMode, 1);
  g.Frames(40);
  EXPECT_EQ(g.f().GameMode, 1);
}

TEST_F(TitleSelect, OnlyWeaponButtonOneAloneConfirmsTheMenu) {
  Game g;
  ASSERT_EQ(g.RunUntilStage(1), 60);
  g.Hold({'V', 'G'});  // button 1 with boost: code 7
  g.Frames(30);
  EXPECT_EQ(g.f().GameStage, 1);
  g.ReleaseAll();
  g.Frames(11);
  // Down and confirm in one frame: the mode decided is the new one.
  g.Hold({'S', 'G'});
  g.Frame();
  EXPECT_EQ(g.f().GameStage, 4);
  EXPECT_EQ(g.f().GameMode, 2);
  EXPECT_TRUE(Has(g.last_events, "play S_BEGIN"));
}

TEST_F(TitleSelect, FromTheConfirmToTheSelectScreensFirstInput) {
  Game g;
  ASSERT_EQ(g.RunUntilStage(1), 60);
  g.Hold({'G'});
  ASSERT_EQ(g.RunUntilStage(4), 11);
  g.ReleaseAll();
  EXPECT_EQ(g.RunUntilStage(5), 60);
  EXPECT_EQ(g.f().StageFrame, 0);
  EXPECT_EQ(g.RunUntilStage(6), 36);
  // Hold down from the first select frame: the gate lets it through in the 11th.
  g.Hold({'S'});
  g.Frames(10);
  EXPECT_EQ(g.f().RobotKind1, 1);
  g.Frame();
  EXPECT_EQ(g.f().RobotKind1, 2);
}

TEST_F(TitleSelect, EnteringTheSelectScreenCreatesAnEmptyScoreFile) {
  ASSERT_FALSE(std::filesystem::exists("score.vur"));
  Game g;
  g.ChooseMode(1);
  EXPECT_TRUE(std::filesystem::exists("score.vur"));
}

TEST_F(TitleSelect, CursorWrapsOverTheKindsAndKeepsVariantsInRange) {
  Game g;
  g.ChooseMode(1);
  TForm1& f = g.f();
  auto step = [&](std::initializer_list<int> keys) {
    g.Hold(keys);
    g.Frame();
    g.ReleaseAll();
    g.Frames(10);  // let the gate reopen
  };
  g.Frames(10);
  step({'W'});
  EXPECT_EQ(f.RobotKind1, 11);  // up at kind 1
  step({'S'});
  EXPECT_EQ(f.RobotKind1, 1);  // down at kind 11
  step({'S'});                 // Lizard: three variants
  EXPECT_EQ(f.RobotKind1, 2);
  step({'A'});
  EXPECT_EQ(f.Robots[0].WeaponType, 0);  // no wrap below 0
  step({'D'});
  step({'D'});
  EXPECT_EQ(f.Robots[0].WeaponType, 2);
  step({'D'});
  EXPECT_EQ(f.Robots[0].WeaponType, 2);  // nor above the last variant
  step({'S'});
  EXPECT_EQ(f.RobotKind1, 3);
  EXPECT_EQ(f.Robots[0].WeaponType, 0);  // a new kind starts on variant 0

  // With the wrap closed, down stops at kind 10 and keeps its variant.
  f.SelectUnlocked = 0;
  for (int i = 0; i < 7; ++i) step({'S'});
  EXPECT_EQ(f.RobotKind1, 10);
  step({'D'});
  EXPECT_EQ(f.Robots[0].WeaponType, 1);
  step({'S'});
  EXPECT_EQ(f.RobotKind1, 10);
  EXPECT_EQ(f.Robots[0].WeaponType, 1);
  step({'W'});
  step({'W'});
  step({'S'});
  EXPECT_EQ(f.RobotKind1, 9);
}

TEST_F(TitleSelect, PlayerOnesConfirmChoosesTheRouteAndHandsOverFifteenFramesLater) {
  struct {
    int moves_down;
    int32_t route;  // -1: either
  } cases[] = {{0, 0}, {4, 0}, {5, 1}, {9, 1}, {10, -1}};
  for (const auto& c : cases) {
    Game g;
    g.ChooseMode(1);
    g.Frames(10);
    for (int i = 0; i < c.moves_down; ++i) {
      g.Hold({'S'});
      g.Frame();
      g.ReleaseAll();
      g.Frames(10);
    }
    g.f().Route = 7;
    g.Hold({'G'});
    g.Frame();
    g.ReleaseAll();
    EXPECT_EQ(g.f().Decided1, 1);
    EXPECT_EQ(g.f().StageFrame, 1);  // the confirm frame counts as the first
    EXPECT_TRUE(Has(g.last_events, "play S_SELECT"));
    if (c.route >= 0) {
      EXPECT_EQ(g.f().Route, c.route) << c.moves_down;
    } else {
      EXPECT_TRUE(g.f().Route == 0 || g.f().Route == 1);
    }
    EXPECT_EQ(g.RunUntilStage(7), 14);
    EXPECT_EQ(g.f().StageFrame, 15);
    EXPECT_EQ(g.f().NewRun, 1);
    EXPECT_EQ(g.f().RobotKind1, c.moves_down + 1);
  }
}

TEST_F(TitleSelect, TwoPlayersCountFromTheSecondConfirm) {
  Game g;
  g.ChooseMode(2);
  g.Frames(10);
  g.Hold({'G'});
  g.Frame();
  g.ReleaseAll();
  EXPECT_EQ(g.f().Decided1, 1);
  g.Frames(20);
  EXPECT_EQ(g.f().GameStage, 6);
  EXPECT_EQ(g.f().StageFrame, 0);
  g.Hold({0x28});  // player 2 moves down, then confirms
  g.Frame();
  g.ReleaseAll();
  g.Frames(10);
  g.Hold({0x64});
  g.Frame();
  g.ReleaseAll();
  EXPECT_EQ(g.f().Decided2, 1);
  EXPECT_EQ(g.f().RobotKind2, 2);
  EXPECT_EQ(g.RunUntilStage(7), 14);
}

TEST_F(TitleSelect, InTheOnePlayerGamePlayerTwosFieldsStayUntilTheFight) {
  Game g;
  g.ChooseMode(1);
  g.f().Robots[1].InputX = 2;
  g.f().Robots[1].InputButton = 3;
  g.Hold({0x27, 0x64});  // player 2's keys are not read in the one-player game
  g.Frames(20);
  EXPECT_EQ(g.f().Robots[1].InputX, 2);
  EXPECT_EQ(g.f().Robots[1].InputButton, 3);
}

}  // namespace
}  // namespace zk::test
