// The fight set-up and the fight loop on a headless game: the intro, the knock-out, the routing
// at the end of the fight, the carry-over, the random draws and the data checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "shell/form.h"
#include "support/case_names.h"
#include "support/scratch_dir.h"

namespace zk {
namespace {

class FightTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host = MakeHeadlessPlatform();
    form = std::make_unique<TForm1>(*host);
    form->HasFixedSeed = true;
    form->FixedSeed = 1234;
    form->Button1Click(StartChoices{1, 0, 0});
    ASSERT_FALSE(form->FormClosed);
    ASSERT_EQ(form->GameStage, 0);
  }

  // Prepares a fight the way the select screen and the before-fight wait do.
  void Prepare(int32_t mode, int32_t kind1, int32_t kind2 = 1) {
    form->GameMode = mode;
    form->RobotKind1 = kind1;
    form->RobotKind2 = kind2;
    form->NewRun = 1;
    form->GameStage = 7;
    form->ToBefore();
    ASSERT_EQ(form->GameStage, 7);
  }
  void Enter() {
    form->GameStage = 8;
    form->ToFight();
    ASSERT_EQ(form->GameStage, 8);
  }
  void StartFight(int32_t mode, int32_t kind1, int32_t kind2 = 1) {
    Prepare(mode, kind1, kind2);
    Enter();
    for (int f = 0; f < 75; ++f) form->FightStage();
    ASSERT_EQ(form->GameStage, 9);
  }
  std::vector<std::string> Sounds() { return host->TakeRecorded(); }
  bool Heard(const std::vector<std::string>& events, const std::string& what) {
    return std::find(events.begin(), events.end(), what) != events.end();
  }

  CharacterData& P1() { return form->Robots[0]; }
  CharacterData& P2() { return form->Robots[1]; }

  // The two-player routing enters the select screen, which makes "score.vur".
  test::ScopedDataDir dir;
  std::unique_ptr<Platform> host;
  std::unique_ptr<TForm1> form;
};

TEST_F(FightTest, SetUpPlacesTheRobotsAndLaysTheFloor) {
  Prepare(2, 7, 6);
  EXPECT_NE(form->BackdropSurface, nullptr);
  Enter();
  EXPECT_EQ(P1().X, 10);
  EXPECT_EQ(P1().Y, 200);
  EXPECT_EQ(P2().X, 790);
  EXPECT_EQ(P2().Y, 400);
  EXPECT_EQ(P1().Armor, P1().Status.MaxArmor);
  EXPECT_EQ(P2().Energy, P2().Status.MaxEnergy);
  EXPECT_EQ(form->StageFrame, 0);
  EXPECT_EQ(form->FloorTiles[0][0].x, -300);
  EXPECT_EQ(form->FloorTiles[0][0].y, -300);
  EXPECT_EQ(form->FloorTiles[7][6].x, 1100);
  EXPECT_EQ(form->FloorTiles[7][6].y, 900);
  EXPECT_EQ(form->FloorTiles[3][2].x, 300);
  EXPECT_EQ(form->FloorTiles[3][2].y, 100);
  EXPECT_EQ(form->BackdropSurface, nullptr);  // the fight does not draw it
  ASSERT_NE(form->JingleSoundBuffer, nullptr);
  EXPECT_EQ(form->JingleSoundBuffer->Name(), "S_START");
}

TEST_F(FightTest, IntroWalksInForSeventyFiveFrames) {
  Prepare(2, 7, 7);
  Enter();
  for (int f = 1; f < 75; ++f) {
    P1().InputX = 2;  // input is ignored in the intro
    form->FightStage();
    ASSERT_EQ(form->GameStage, 8) << f;
    ASSERT_EQ(form->StageFrame, f);
  }
  EXPECT_GT(P1().X, 10);
  EXPECT_LT(P2().X, 790);
  form->FightStage();
  EXPECT_EQ(form->GameStage, 9);
  EXPECT_EQ(form->StageFrame, 0);
  EXPECT_EQ(form->KoPending, 0);
  EXPECT_EQ(form->Winner, 0);
  ASSERT_NE(form->JingleSoundBuffer, nullptr);
  EXPECT_EQ(form->JingleSoundBuffer->Name(), "S_FINISH");
  EXPECT_GT(P1().X, P2().X);    // they have passed each other
  EXPECT_EQ(P1().X, 10 + 666);  // pushed at 10 a frame, this robot walks 666 pixels
  EXPECT_EQ(P2().X, 790 - 666);
}

TEST_F(FightTest, KnockOutEndsTheFightTenFramesLater) {
  StartFight(2, 7, 7);
  P2().Armor = 0;  // zero is still standing
  form->FightStage();
  EXPECT_EQ(form->KoPending, 0);
  P2().Armor = -1;
  form->FightStage();
  EXPECT_EQ(form->KoPending, 2);
  EXPECT_EQ(form->StageFrame, 0);
  Sounds();
  for (int f = 1; f < 10; ++f) {
    form->FightStage();
    ASSERT_EQ(form->GameStage, 9) << f;
  }
  P1().SpeedRight = 3;
  form->FightStage();
  EXPECT_EQ(form->GameStage, 10);
  EXPECT_EQ(form->Winner, 1);
  EXPECT_EQ(form->StageFrame, 0);
  EXPECT_EQ(P1().SpeedRight, 0);
  EXPECT_EQ(P1().LevelRight, 0);
  const auto events = Sounds();
  EXPECT_TRUE(Heard(events, "play S_FINISH"));
  EXPECT_TRUE(Heard(events, "music-stop"));
}

TEST_F(FightTest, KnockOutsThatMakeADraw) {
  // Both down in the same frame.
  StartFight(2, 7, 7);
  P1().Armor = -1;
  P2().Armor = -5;
  form->FightStage();
  EXPECT_EQ(form->KoPending, 2);
  for (int f = 0; f < 10; ++f) form->FightStage();
  EXPECT_EQ(form->GameStage, 10);
  EXPECT_EQ(form->Winner, 0);
}

TEST_F(FightTest, SecondRobotDownWithinTenFramesIsADraw) {
  StartFight(2, 7, 7);
  P1().Armor = -1;
  form->FightStage();
  EXPECT_EQ(form->KoPending, 1);
  for (int f = 0; f < 5; ++f) form->FightStage();
  P2().Armor = -1;
  for (int f = 0; f < 5; ++f) form->FightStage();
  EXPECT_EQ(form->GameStage, 10);
  EXPECT_EQ(form->Winner, 0);
}

TEST_F(FightTest, OnlyTheWinnerMovesInTheFightOver) {
  StartFight(2, 7, 7);
  P2().Armor = -1;
  for (int f = 0; f < 11; ++f) form->FightStage();
  ASSERT_EQ(form->GameStage, 10);
  ASSERT_EQ(form->Winner, 1);
  const int32_t p2x = P2().X;
  const int32_t p1y = P1().Y;
  for (int f = 0; f < 10; ++f) {
    P1().InputY = P1().Y > 300 ? 1 : 2;
    P2().InputX = 1;
    P2().InputY = 2;
    form->FightStage();
  }
  EXPECT_NE(P1().Y, p1y);
  EXPECT_EQ(P2().X, p2x);
}

struct Routing {
  const char* what;
  int32_t mode, winner, route_stage;
  int32_t want_stage, want_route_stage;
};

void PrintTo(const Routing& r, std::ostream* os) {
  *os << r.what;
}

class FightOverRouting : public FightTest, public ::testing::WithParamInterface<Routing> {};

TEST_P(FightOverRouting, AfterOneHundredFiftyFrames) {
  const Routing& r = GetParam();
  StartFight(r.mode, 7, 7);
  form->RouteStage = r.route_stage;
  form->GameStage = 10;
  form->Winner = r.winner;
  form->StageFrame = 0;
  form->KoPending = 2;
  for (int f = 1; f < 150; ++f) {
    form->FightStage();
    ASSERT_EQ(form->GameStage, 10) << f;
  }
  form->FightStage();
  EXPECT_EQ(form->GameStage, r.want_stage) << r.what;
  EXPECT_EQ(form->RouteStage, r.want_route_stage) << r.what;
  EXPECT_EQ(form->Winner, 0) << r.what;
  EXPECT_EQ(form->KoPending, 0) << r.what;
  if (r.want_stage == 7 && r.mode == 1) {
    EXPECT_EQ(form->RobotKind2, form->RouteTable[form->Route][r.want_route_stage]);
  }
}

INSTANTIATE_TEST_SUITE_P(ByMode, FightOverRouting,
                         ::testing::Values(Routing{"two players, won", 2, 1, 0, 6, 0},
                                           Routing{"two players, draw", 2, 0, 0, 6, 0},
                                           Routing{"one player, won, next route fight", 1, 1, 2, 7,
                                                   3},
                                           Routing{"one player, sixth fight won", 1, 1, 5, 14, 0},
                                           Routing{"one player, lost", 1, 2, 3, 0, 0},
                                           Routing{"one player, draw", 1, 0, 0, 0, 0},
                                           Routing{"survival, won", 3, 1, 0, 7, 0},
                                           Routing{"survival, lost", 3, 2, 0, 0, 0},
                                           Routing{"survival, draw", 3, 0, 0, 0, 0}),
                         test_support::NameFromWhat());

TEST_F(FightTest, WonSurvivalFightCarriesArmourAndAmmunition) {
  form->SurvivalWins = 0;
  StartFight(3, 7);
  EXPECT_EQ(P1().Armor, P1().Status.MaxArmor);  // the first fight starts full
  int32_t fresh[4];
  for (int k = 0; k < 4; ++k) fresh[k] = form->Weapons[k].Ammo;
  // The figures below are worked out for this robot.
  ASSERT_EQ(P1().Status.MaxArmor, 500);
  ASSERT_EQ(fresh[0], 12);

  P1().Armor = 100;
  form->Weapons[0].Ammo = 2;
  P2().Armor = -1;
  for (int f = 0; f < 11; ++f) form->FightStage();
  ASSERT_EQ(form->GameStage, 10);
  for (int f = 0; f < 150; ++f) form->FightStage();
  ASSERT_EQ(form->GameStage, 7);
  EXPECT_EQ(form->SurvivalWins, 1);
  EXPECT_EQ(form->CarriedArmor, 100);
  EXPECT_EQ(form->CarriedAmmo[0], 2);
  EXPECT_EQ(P2().Armor, P2().Status.MaxArmor);

  Enter();
  EXPECT_EQ(P1().Armor, 200);  // the 100 carried and a fifth of the 500 maximum
  EXPECT_EQ(P2().Armor, P2().Status.MaxArmor);
  EXPECT_EQ(form->Weapons[0].Ammo, 9);  // the 2 carried and three fifths of a fresh 12 (7)
  for (int k = 1; k < 4; ++k) EXPECT_EQ(form->Weapons[k].Ammo, fresh[k]) << k;  // capped
  EXPECT_EQ(form->CarriedAmmo[0], form->Weapons[0].Ammo);
}

TEST_F(FightTest, RandomDrawsComeInTheirOrder) {
  // Survival in the MIDI mode: kind, then variant, then the fight music.
  GameRandom expect = form->Random;
  const int32_t kind = expect.Next() % 11 + 1;
  const int32_t variant = expect.Next() % form->VariantCount[kind];
  const int32_t music = expect.Next() % 2;
  Prepare(3, 7);
  EXPECT_EQ(form->RobotKind2, kind);
  EXPECT_EQ(P2().WeaponType, variant);
  EXPECT_EQ(form->Random.State(), expect.State());
  // The third draw picked the piece the fight plays.
  Sounds();
  Enter();
  const std::vector<std::string> played = Sounds();
  const std::string piece = music == 0 ? "Fighting1.mid" : "Fighting3.mid";
  EXPECT_TRUE(std::any_of(played.begin(), played.end(),
                          [&](const std::string& e) {
                            return e.rfind("music ", 0) == 0 && e.find(piece) != std::string::npos;
                          }))
      << "no " << piece << " played";

  // One player: the route's kind, one draw for the variant, the music by the route.
  form->Route = 1;
  form->RouteStage = 4;
  expect = form->Random;
  const int32_t variant1 = expect.Next() % form->VariantCount[form->RouteTable[1][4]];
  Prepare(1, 7);
  EXPECT_EQ(form->RobotKind2, 5);
  EXPECT_EQ(P2().WeaponType, variant1);
  EXPECT_EQ(form->Random.State(), expect.State());

  // Two players: only the music.
  expect = form->Random;
  expect.Next();
  Prepare(2, 7, 9);
  EXPECT_EQ(form->RobotKind2, 9);
  EXPECT_EQ(form->Random.State(), expect.State());

  // In the MP3 mode there is no music draw.
  form->MusicMode = 1;
  expect = form->Random;
  Prepare(2, 7, 9);
  EXPECT_EQ(form->Random.State(), expect.State());
}

TEST_F(FightTest, DataChecksLeaveTheLastFailingCode) {
  StartFight(2, 7, 7);
  P2().Status.MaxArmor = 0;
  P1().Status.MaxEnergy = -3;
  form->FightStage();
  EXPECT_EQ(form->GameStage, 15);
  EXPECT_EQ(form->ErrorCode, 1);

  StartFight(2, 7, 7);
  P2().Status.MaxEnergy = 0;
  form->FightStage();
  EXPECT_EQ(form->GameStage, 15);
  EXPECT_EQ(form->ErrorCode, 2);
}

// A music stop that fails closes the form; the close ends the fight frame at once.
TEST_F(FightTest, AFailedMusicStopForTheErrorScreenEndsTheFrame) {
  class StuckMusic final : public MidiPerformance {
   public:
    std::unique_ptr<MidiSegment> LoadSegment(const std::string&) override { return nullptr; }
    bool Play(MidiSegment&, int, MusicBoundary) override { return true; }
    bool Stop(MusicBoundary) override { return false; }
    bool TransitionTo(MidiSegment&, MusicBoundary) override { return true; }
  };
  StartFight(2, 7, 7);
  P1().Status.MaxArmor = 0;
  P1().SpeedRight = 5;
  const int32_t x = P1().X;
  form->MusicPerformance = std::make_unique<StuckMusic>();
  form->FightStage();
  EXPECT_EQ(form->ErrorCode, 1);
  EXPECT_TRUE(form->FormClosed);
  EXPECT_EQ(form->CloseFailure, "cannot stop the MIDI music");
  EXPECT_EQ(P1().X, x);
}

TEST_F(FightTest, PinchMusicOnceBelowAThird) {
  StartFight(2, 7, 7);
  const int32_t third = P1().Status.MaxArmor / 3;
  P1().Armor = third;
  Sounds();
  form->FightStage();
  EXPECT_EQ(form->PinchPlayed, 0);
  P1().Armor = third - 1;
  form->FightStage();
  EXPECT_EQ(form->PinchPlayed, 1);
  EXPECT_TRUE(Heard(Sounds(), "pinch"));
  form->FightStage();
  EXPECT_FALSE(Heard(Sounds(), "pinch"));

  // The MP3 mode never switches.
  StartFight(2, 7, 7);
  form->MusicMode = 1;
  P2().Armor = 1;
  form->FightStage();
  EXPECT_EQ(form->PinchPlayed, 0);
}

}  // namespace
}  // namespace zk
