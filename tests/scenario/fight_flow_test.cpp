// From the before-fight stage through the fight to where each mode goes next.
#include <gtest/gtest.h>

#include "game_harness.h"

namespace zk::test {
namespace {

class FightFlow : public GameTest {
 protected:
  // The game in the given mode, on the first before-fight frame after the select screen.
  static void ToBeforeFight(Game& g, int32_t mode) {
    g.ChooseMode(mode);
    g.Frames(10);
    g.ConfirmSelect();
  }
  // Knocks player `loser` (1 or 2) out in the next frame and runs to the fight-over stage.
  static int KnockOut(Game& g, int loser) {
    (loser == 1 ? g.p1() : g.p2()).Armor = -1;
    return g.RunUntilStage(10, 50);
  }
};

TEST_F(FightFlow, TheFirstBeforeFightStageLasts226FramesAndSilencesTheWaveSound) {
  for (int32_t mode : {1, 2, 3}) {
    Game g;
    ToBeforeFight(g, mode);
    EXPECT_EQ(g.f().StageFrame, 15);
    EXPECT_EQ(g.host->wave_silenced, 0);
    EXPECT_EQ(g.RunUntilStage(8), 226) << "mode " << mode;
    EXPECT_EQ(g.host->wave_silenced, 1);
    EXPECT_EQ(g.f().StageFrame, 0);
  }
}

TEST_F(FightFlow, TheIntroWalksTheRobotsInForSeventyFiveFrames) {
  Game g;
  ToBeforeFight(g, 2);
  ASSERT_EQ(g.RunUntilStage(8), 226);
  EXPECT_TRUE(Has(g.last_events, "play S_START"));
  EXPECT_EQ(g.p1().X, 10);
  EXPECT_EQ(g.p1().Y, 200);
  EXPECT_EQ(g.p2().X, 790);
  EXPECT_EQ(g.p2().Y, 400);
  // Input is ignored in the intro.
  g.Hold({'A', 'W', 0x27, 0x28});
  int32_t last1 = g.p1().X, last2 = g.p2().X;
  for (int frame = 1; frame < 75; ++frame) {
    g.Frame();
    ASSERT_EQ(g.f().GameStage, 8) << frame;
    EXPECT_GE(g.p1().X, last1);
    EXPECT_LE(g.p2().X, last2);
    EXPECT_EQ(g.p1().Y, 200);
    EXPECT_EQ(g.p2().Y, 400);
    last1 = g.p1().X;
    last2 = g.p2().X;
  }
  EXPECT_GT(g.p1().X, 10 + 9 * 60);
  EXPECT_LT(g.p2().X, 790 - 9 * 60);
  EXPECT_GT(g.p1().X, g.p2().X);  // they have passed each other
  g.Frame();
  EXPECT_EQ(g.f().GameStage, 9);
  EXPECT_EQ(g.f().StageFrame, 0);
  EXPECT_EQ(g.f().KoPending, 0);
  EXPECT_EQ(g.f().Winner, 0);
}

TEST_F(FightFlow, AKnockOutEndsTheFightTenFramesLaterWithTheJingle) {
  Game g;
  ToBeforeFight(g, 2);
  g.ToFighting();
  g.Frames(5);
  EXPECT_EQ(g.f().StageFrame, 0);  // not counted before a knock-out
  g.p2().Armor = 0;                // exactly 0 is still standing
  g.Frame();
  EXPECT_EQ(g.f().KoPending, 0);
  g.p2().Armor = -1;
  g.Frame();
  EXPECT_EQ(g.f().KoPending, 2);
  EXPECT_EQ(g.f().StageFrame, 0);
  g.Frames(9);
  EXPECT_EQ(g.f().GameStage, 9);
  EXPECT_EQ(g.f().StageFrame, 9);
  g.Frame();
  EXPECT_EQ(g.f().GameStage, 10);
  EXPECT_EQ(g.f().Winner, 1);
  EXPECT_TRUE(Has(g.last_events, "play S_FINISH"));
  EXPECT_EQ(g.p1().SpeedLeft + g.p1().SpeedRight + g.p1().SpeedUp + g.p1().SpeedDown, 0);
}

TEST_F(FightFlow, BothDownWithinTenFramesIsADraw) {
  Game g;
  ToBeforeFight(g, 2);
  g.ToFighting();
  g.p1().Armor = -1;
  g.Frame();
  EXPECT_EQ(g.f().KoPending, 1);
  g.Frames(4);
  g.p2().Armor = -5;
  EXPECT_EQ(g.RunUntilStage(10, 20), 6);
  EXPECT_EQ(g.f().Winner, 0);
}

TEST_F(FightFlow, TwoPlayersGoBackToTheSelectScreenAfter150Frames) {
  Game g;
  ToBeforeFight(g, 2);
  g.ToFighting();
  ASSERT_EQ(KnockOut(g, 1), 11);
  EXPECT_EQ(g.f().Winner, 2);
  g.Frames(149);
  EXPECT_EQ(g.f().GameStage, 10);
  EXPECT_EQ(g.f().StageFrame, 149);
  g.Frame();
  EXPECT_EQ(g.f().GameStage, 6);  // without the select intro
  EXPECT_EQ(g.f().Winner, 0);
  EXPECT_EQ(g.f().KoPending, 0);
  EXPECT_EQ(g.f().RobotKind1, 1);
  EXPECT_EQ(g.f().RobotKind2, 1);
  EXPECT_EQ(g.f().Decided1, 0);
  EXPECT_EQ(g.f().Decided2, 0);
}

TEST_F(FightFlow, OnePlayerLossReturnsToTheTitle) {
  Game g;
  ToBeforeFight(g, 1);
  g.ToFighting();
  ASSERT_GT(KnockOut(g, 1), 0);
  EXPECT_EQ(g.RunUntilStage(0, 200), 150);
  EXPECT_EQ(g.f().GameMode, 1);
  EXPECT_EQ(g.f().RouteStage, 0);
}

TEST_F(FightFlow, OnePlayerRouteOfSixFightsEndsInTheEndingRoll) {
  Game g;
  ToBeforeFight(g, 1);  // Ridezazo: route 0
  ASSERT_EQ(g.f().Route, 0);
  const int32_t route[6] = {6, 7, 8, 9, 10, 11};
  for (int fight = 0; fight < 6; ++fight) {
    EXPECT_EQ(g.f().GameStage, 7);
    EXPECT_EQ(g.f().RouteStage, fight);
    EXPECT_EQ(g.f().RobotKind2, route[fight]) << fight;
    EXPECT_LT(g.p2().WeaponType, g.f().VariantCount[route[fight]]);
    EXPECT_EQ(g.RunUntilStage(8), fight == 0 ? 226 : 121) << fight;
    EXPECT_EQ(g.p2().Armor, g.p2().Status.MaxArmor);
    g.ToFighting();
    ASSERT_EQ(KnockOut(g, 2), 11);
    EXPECT_EQ(g.f().Winner, 1);
    const int32_t next = fight < 5 ? 7 : 14;
    ASSERT_EQ(g.RunUntilStage(next, 200), 150) << fight;
  }
  EXPECT_EQ(g.f().RouteStage, 0);
  EXPECT_EQ(g.f().Winner, 0);
  EXPECT_EQ(g.f().StageFrame, 0);
  g.Frames(2439);
  EXPECT_EQ(g.f().GameStage, 14);
  EXPECT_EQ(g.f().StageFrame, 2439);
  g.Frame();
  EXPECT_EQ(g.f().GameStage, 0);
  EXPECT_EQ(g.f().GameMode, 1);
}

TEST_F(FightFlow, SurvivalCarriesArmourAndAmmunitionIntoTheNextFight) {
  for (const uint8_t hard : {0, 1}) {
    Game g({0, 0, hard});
    ToBeforeFight(g, 3);
    EXPECT_EQ(g.f().SurvivalWins, 0);
    g.ToFighting();
    EXPECT_EQ(g.p1().Armor, g.p1().Status.MaxArmor);  // the first fight starts full
    ASSERT_EQ(KnockOut(g, 2), 11);
    // What is left at the end of the fight-over stage is carried.
    g.Frames(140);
    g.p1().Armor = 100;
    g.f().Weapons[0].Ammo = 5;
    ASSERT_EQ(g.RunUntilStage(7, 20), 10);
    EXPECT_EQ(g.f().SurvivalWins, 1);
    EXPECT_EQ(g.f().CarriedArmor, 100);
    EXPECT_EQ(g.f().CarriedAmmo[0], 5);
    ASSERT_EQ(g.f().Weapons[0].Ammo, 20);  // the fresh amount the figures below are for
    ASSERT_EQ(g.RunUntilStage(8), 121);
    ASSERT_EQ(g.p1().Status.MaxArmor, 590);
    EXPECT_EQ(g.p1().Armor, 218);  // the 100 carried and a fifth of the 590 maximum
    // The 5 carried and three tenths (hard) or three fifths of the fresh 20.
    EXPECT_EQ(g.f().Weapons[0].Ammo, hard ? 11 : 17);
    EXPECT_EQ(g.p2().Armor, g.p2().Status.MaxArmor);
    EXPECT_GE(g.f().RobotKind2, 1);
    EXPECT_LE(g.f().RobotKind2, 11);
  }
}

TEST_F(FightFlow, ALostSurvivalFightReturnsToTheTitleOnSurvival) {
  Game g;
  ToBeforeFight(g, 3);
  g.ToFighting();
  ASSERT_GT(KnockOut(g, 1), 0);
  EXPECT_EQ(g.RunUntilStage(0, 200), 150);
  EXPECT_EQ(g.f().GameMode, 3);  // the menu reopens on survival
  EXPECT_EQ(g.f().SurvivalWins, 0);
}

TEST_F(FightFlow, ScrollingPushesTheOtherRobotByThreeFifthsOfTheNetSpeed) {
  Game g;
  ToBeforeFight(g, 2);
  g.ToFighting();
  // Player 2 walks back to the middle and stops; player 1 stays at the right edge.
  g.Hold({0x27});
  for (int i = 0; i < 200 && g.p2().X < 350; ++i) g.Frame();
  g.ReleaseAll();
  g.Frames(60);  // let the speeds run down
  ASSERT_GT(g.p1().X, 600);
  ASSERT_GT(g.p2().X, 300);
  ASSERT_EQ(g.p2().SpeedLeft + g.p2().SpeedRight + g.p2().SpeedUp + g.p2().SpeedDown, 0);
  g.Hold({'D'});
  int checked = 0;
  for (int i = 0; i < 30; ++i) {
    const int32_t before = g.p2().X, floor = g.f().FloorTiles[1][1].x;
    g.Frame();
    ASSERT_EQ(g.p2().SpeedLeft + g.p2().SpeedRight, 0);
    const int32_t net = g.p1().SpeedRight - g.p1().SpeedLeft;
    const int32_t part = (g.p1().X > 600 && net > 0) ? -net : 0;
    const int32_t dx = (3 * part) / 5;
    EXPECT_EQ((g.f().FloorTiles[1][1].x - floor - 2 * dx) % 200, 0);  // twice, less whole tiles
    if (before + dx > 0) {
      EXPECT_EQ(g.p2().X, before + dx) << "frame " << i << " net " << net;
      if (dx != 0) ++checked;
    }
  }
  EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace zk::test
