// The fight loop: one frame of the intro (stage 8), the fight (9) and the fight
// over (10).
#include <string>

#include "characters/body_box.h"
#include "core/failure_texts.h"
#include "shell/form.h"

namespace zk {

namespace {

// Edge zones of the camera: a robot driving into one pushes the scene the other
// way.
constexpr int32_t kLeftZone = 200, kRightZone = 600;
constexpr int32_t kTopZone = 150, kBottomZone = 450;

constexpr int32_t kKnockOutFrames = 10;
constexpr int32_t kIntroFrames = 75;
constexpr int32_t kFightOverFrames = 150;

int32_t HorizontalPart(const CharacterData& r) {
  const int32_t net = r.SpeedRight - r.SpeedLeft;
  if ((r.X < kLeftZone && net < 0) || (r.X > kRightZone && net > 0)) return -net;
  return 0;
}

int32_t VerticalPart(const CharacterData& r) {
  const int32_t net = r.SpeedDown - r.SpeedUp;
  if ((r.Y < kTopZone && net < 0) || (r.Y > kBottomZone && net > 0)) return -net;
  return 0;
}

BodyBox ShiftedBox(const CharacterData& r, int32_t dx, int32_t dy) {
  return BoxAround(r.X + dx, r.Y + dy, r.Status.HalfWidth, r.Status.HalfHeight);
}

}  // namespace

void TForm1::CameraScroll(const CharacterData& a, const CharacterData& b, int32_t& dx,
                          int32_t& dy) {
  dx = (3 * (HorizontalPart(a) + HorizontalPart(b))) / 5;
  dy = (3 * (VerticalPart(a) + VerticalPart(b))) / 5;
}

void TForm1::ShiftByScroll(CharacterData& self, const CharacterData& other, int32_t dx,
                           int32_t dy) {
  if (BoxesOverlap(ShiftedBox(self, dx, dy), ShiftedBox(other, dx, dy))) return;
  if (0 < self.X + dx && self.X + dx < 800) self.X += dx;
  if (0 < self.Y + dy && self.Y + dy < 600) self.Y += dy;
}

void TForm1::StopRobot(CharacterData& robot) {
  for (int32_t& latch : robot.ButtonLatch) latch = 0;
  robot.LevelUp = robot.LevelDown = robot.LevelRight = robot.LevelLeft = 0;
  robot.SpeedUp = robot.SpeedDown = robot.SpeedRight = robot.SpeedLeft = 0;
}

// Bad robot data sends the game to the error screen; every check runs, the last
// failing one names the player, and the frame goes on.
void TForm1::FightDataChecks() {
  const struct {
    int32_t Value;
    int32_t Code;
  } checks[4] = {{Robots[0].Status.MaxArmor, 1},
                 {Robots[1].Status.MaxArmor, 2},
                 {Robots[0].Status.MaxEnergy, 1},
                 {Robots[1].Status.MaxEnergy, 2}};
  for (const auto& check : checks) {
    if (check.Value <= 0) {
      EnterError(check.Code, "the robot of player " + std::to_string(check.Code) +
                                 " has no armour or energy maximum");
    }
  }
}

// Once per fight, in the MIDI mode: the pinch music when either robot's armour
// falls below a third of its maximum.
void TForm1::FightPinchMusic() {
  if (PinchPlayed != 0 || MusicMode != 0) return;
  if (Robots[0].Armor < Robots[0].Status.MaxArmor / 3 ||
      Robots[1].Armor < Robots[1].Status.MaxArmor / 3) {
    PinchPlayed = 1;
    PlayPinchSegment();
  }
}

void TForm1::FightStage() {
  CharacterData& p1 = Robots[0];
  CharacterData& p2 = Robots[1];

  // Bad robot data leads to the error screen; then the pinch music. Stopping the music for the
  // error screen may close the form, which ends the frame.
  FightDataChecks();
  if (CheckClosed()) return;
  FightPinchMusic();

  // Turning: in the fight-over stage only the winner turns.
  if (GameStage != kStageFightOver) {
    p1.FaceOpponent(p2);
    p2.FaceOpponent(p1);
  } else if (Winner == 1) {
    p1.FaceOpponent(p2);
  } else if (Winner == 2) {
    p2.FaceOpponent(p1);
  }

  // Input: none in the intro; after the knock-out only the winner's.
  if (GameStage == kStageFight) {
    p1.ApplyInput();
    p2.ApplyInput();
  } else if (GameStage == kStageFightOver) {
    if (Winner == 1) p1.ApplyInput();
    if (Winner == 2) p2.ApplyInput();
  }

  // Actions start from the latched buttons; the robots move and collide.
  p1.StartAction();
  p2.StartAction();
  p1.MoveAndCollide(p2);
  p2.MoveAndCollide(p1);

  // The camera: the floor moves twice as far as the robots and shots.
  int32_t dx = 0;
  int32_t dy = 0;
  if (GameStage == kStageFight || GameStage == kStageFightOver) {
    CameraScroll(p1, p2, dx, dy);
    BackMove(dx, dy);
    BackMove(dx, dy);
  }

  // The weapons fire and their shots move.
  ShotWeapon();
  ControlWeapon(dx, dy);

  // The robots shift with the scroll; player 2's test sees player 1 already shifted.
  ShiftByScroll(p1, p2, dx, dy);
  ShiftByScroll(p2, p1, dx, dy);

  // Each robot's step advances.
  p1.AdvanceStep();
  p2.AdvanceStep();

  // The stage itself: the intro's walk, the knock-out's count, the fight-over's wait.
  switch (GameStage) {
    case kStageFightIntro:
      FightIntro();
      break;
    case kStageFight:
      FightKnockOut();
      break;
    case kStageFightOver:
      FightOver();
      break;
    default:
      break;
  }
}

// The robots walk in from the edges; after 75 frames the fight begins.
void TForm1::FightIntro() {
  ++StageFrame;
  Robots[0].SpeedRight = 10;
  Robots[1].SpeedLeft = 10;
  if (StageFrame != kIntroFrames) return;

  StopSoundBuffer(JingleSoundBuffer.get());
  if (CreateSoundData("S_FINISH", JingleSoundBuffer) == 0) {
    EndDirectSound();
    CloseOnFailure(SoundFailure("S_FINISH"));
    return;
  }
  KoPending = 0;
  Winner = 0;
  StageFrame = 0;
  GameStage = kStageFight;
}

// An armour below zero ends the fight ten frames later; whoever else is down by
// then makes a draw.
void TForm1::FightKnockOut() {
  if (KoPending == 0) {
    if (Robots[0].Armor < 0) KoPending = 1;
    if (Robots[1].Armor < 0) KoPending = 2;
    return;
  }
  ++StageFrame;
  if (StageFrame != kKnockOutFrames) return;

  StopRobot(Robots[0]);
  StopRobot(Robots[1]);
  if (KoPending == 1) {
    Winner = Robots[1].Armor < 0 ? 0 : 2;
  } else {
    Winner = Robots[0].Armor < 0 ? 0 : 1;
  }
  StageFrame = 0;
  GameStage = kStageFightOver;
  EndSegment();
  if (CheckClosed()) return;
  PlaySoundBuffer(JingleSoundBuffer.get(), false);
}

// After six seconds the game goes on by mode: select, the next route or
// survival fight, the ending, or the title.
void TForm1::FightOver() {
  ++StageFrame;
  if (StageFrame != kFightOverFrames) return;

  KoPending = 0;
  StageFrame = 0;
  StopSoundBuffer(BeatSoundBuffer.get());

  switch (GameMode) {
    case kModeTwoPlayers:
      Winner = 0;
      GameStage = kStageSelect;
      ToSelect();
      break;
    case kModeOnePlayer:
      if (Winner == 1 && RouteStage < 5) {
        ++RouteStage;
        Winner = 0;
        GameStage = kStageBeforeFight;
        ToBefore();
      } else if (Winner == 1 && RouteStage == 5) {
        RouteStage = 0;
        Winner = 0;
        GameStage = kStageEnding;
        ToEnd();
      } else {
        Winner = 0;
        GameStage = kStageMenu;
        ToStart();
      }
      break;
    case kModeSurvival:
      if (Winner == 1) {
        Winner = 0;
        ++SurvivalWins;
        CarriedArmor = Robots[0].Armor;
        for (int k = 0; k < 4; ++k) CarriedAmmo[k] = Weapons[k].Ammo;
        GameStage = kStageBeforeFight;
        ToBefore();
      } else {
        Winner = 0;
        GameStage = kStageMenu;
        ToStart();
      }
      break;
    default:
      break;
  }
}

}  // namespace zk
