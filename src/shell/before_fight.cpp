// Preparing a fight: the before-fight entry (robots, pictures, jingle, beat, music) and the
// fight entry (survival carry-over, start positions, floor, music).
#include <algorithm>

#include "core/failure_texts.h"
#include "display/load_bitmap.h"
#include "shell/form.h"

namespace zk {

namespace {

// The robot loaders by kind number and player; kind 0 loads Ridezazo as kind 1 does.
using RobotLoader = void (TForm1::*)();
constexpr RobotLoader kRobotLoaders[12][2] = {
    {&TForm1::LizardIn1, &TForm1::LizardIn2},   {&TForm1::LizardIn1, &TForm1::LizardIn2},
    {&TForm1::Lizard2In1, &TForm1::Lizard2In2}, {&TForm1::PyroIn1, &TForm1::PyroIn2},
    {&TForm1::FMHIn1, &TForm1::FMHIn2},         {&TForm1::BuzzBIn1, &TForm1::BuzzBIn2},
    {&TForm1::FDogIn1, &TForm1::FDogIn2},       {&TForm1::DFIn1, &TForm1::DFIn2},
    {&TForm1::HBackIn1, &TForm1::HBackIn2},     {&TForm1::AgehaIn1, &TForm1::AgehaIn2},
    {&TForm1::TBahaoIn1, &TForm1::TBahaoIn2},   {&TForm1::ScavIn1, &TForm1::ScavIn2},
};

// Runs the loader of `kind` for `player` (0 or 1); a kind outside 0..11 loads nothing.
void LoadRobotOf(TForm1& form, int32_t kind, int player) {
  if (kind < 0 || kind > 11) return;
  const RobotLoader load = kRobotLoaders[kind][player];
  (form.*load)();
}

}  // namespace

void TForm1::LoadRobot1(int32_t kind) {
  LoadRobotOf(*this, kind, 0);
}

void TForm1::LoadRobot2(int32_t kind) {
  LoadRobotOf(*this, kind, 1);
}

int32_t TForm1::CarryArmor(int32_t carried, int32_t max_armor) {
  return std::min(carried + (2 * max_armor) / 10, max_armor);
}

int32_t TForm1::CarryAmmo(int32_t carried, int32_t fresh, bool hard) {
  const int32_t supply = hard ? (3 * fresh) / 10 : (6 * fresh) / 10;
  return std::min(carried + supply, fresh);
}

void TForm1::LayFloor() {
  for (int32_t i = 0; i < 8; ++i) {
    for (int32_t j = 0; j < 7; ++j) FloorTiles[i][j] = TilePos{200 * i - 300, 200 * j - 300};
  }
}

void TForm1::ToBefore() {
  StopSoundBuffer(BeatSoundBuffer.get());

  Robots[0].ResetRuntime();
  Robots[1].ResetRuntime();
  Robots[0].ClearActionTable();
  Robots[1].ClearActionTable();
  for (WeaponData& weapon : Weapons) weapon.RoundReset();

  // The draws come from the one generator in this order: kind (survival), variant (one player
  // and survival), fight music (MIDI, two players and survival).
  int32_t route_kind = 0;
  if (GameMode == kModeOnePlayer) route_kind = RouteTable[Route][RouteStage];

  LoadRobot1(RobotKind1);
  if (CheckClosed()) return;
  switch (GameMode) {
    case kModeTwoPlayers:
      LoadRobot2(RobotKind2);
      break;
    case kModeOnePlayer:
      RobotKind2 = route_kind;
      Robots[1].WeaponType = Random.Next() % VariantCount[RobotKind2];
      LoadRobot2(RobotKind2);
      break;
    case kModeSurvival:
      RobotKind2 = Random.Next() % 11 + 1;
      Robots[1].WeaponType = Random.Next() % VariantCount[RobotKind2];
      LoadRobot2(RobotKind2);
      break;
    default:
      break;
  }
  if (CheckClosed()) return;

  if (NewRun == 1) {
    Robots[0].Armor = Robots[0].Status.MaxArmor;
    CarriedArmor = Robots[0].Armor;
    if (GameMode == kModeSurvival) NewRun = 0;
  }
  Robots[1].Armor = Robots[1].Status.MaxArmor;
  Robots[0].Energy = Robots[0].Status.MaxEnergy;
  Robots[1].Energy = Robots[1].Status.MaxEnergy;

  for (WeaponData& weapon : Weapons) weapon.ResetShots();

  // The fight's pictures: shots and gauges, the floor tile, the move effects, the backdrop.
  struct Picture {
    std::unique_ptr<Surface>& Slot;
    const char* Name;
  };
  const Picture pictures[4] = {{SheetSurfaceA, "WEAPON"},
                               {SheetSurfaceB, "SABAKU"},
                               {DustSurface, "others/sand_dust.bmp"},
                               {BackdropSurface, "others/before_back.bmp"}};
  for (const Picture& picture : pictures) {
    picture.Slot.reset();
    picture.Slot = LoadBitmapSurface(DrawDevice.get(), PrimarySurface, picture.Name);
    if (!picture.Slot) {
      EndDX();
      EnterError(4, PictureFailure(picture.Name));
      return;
    }
  }
  // One key, matched on the shot sheet, for the sheet, the backdrop and the dust; the floor
  // tile has none.
  const uint32_t key = ColorMatch(SheetSurfaceA.get(), kMagenta);
  SheetSurfaceA->SetColorKey(key);
  BackdropSurface->SetColorKey(key);
  DustSurface->SetColorKey(key);

  // The score jingle, played only by the survival game's F1.
  if (!MakeJingle("S_SCORE")) return;

  PlaySoundBuffer(BeatSoundBuffer.get(), true);

  if (MusicMode == 0) {
    StopMusic();
    EndSegment();
    if (CheckClosed()) return;
    MakeSegment_Fight2();
    if (CheckClosed()) return;
    bool first_piece;
    if (GameMode == kModeOnePlayer) {
      first_piece = Route == 0;
    } else {
      first_piece = Random.Next() % 2 == 0;
    }
    if (first_piece) {
      MakeSegment_Fight1();
    } else {
      MakeSegment_Fight3();
    }
    if (CheckClosed()) return;
  } else {
    if (Host.Media().Mode() == MediaMode::Playing) Mp3Playing = 0;
    StopMp3();
  }
}

void TForm1::ToFight() {
  CharacterData& p1 = Robots[0];
  CharacterData& p2 = Robots[1];

  if (GameMode == kModeSurvival) {
    p1.Armor = CarryArmor(CarriedArmor, p1.Status.MaxArmor);
    p2.Armor = p2.Status.MaxArmor;
    if (SurvivalWins != 0) {
      for (int k = 0; k < 4; ++k) {
        CarriedAmmo[k] = CarryAmmo(CarriedAmmo[k], Weapons[k].Ammo, HardSurvival == 1);
        Weapons[k].Ammo = CarriedAmmo[k];
      }
    }
  } else {
    p1.Armor = p1.Status.MaxArmor;
    p2.Armor = p2.Status.MaxArmor;
  }
  p1.Energy = p1.Status.MaxEnergy;
  p2.Energy = p2.Status.MaxEnergy;

  StopRobot(p1);
  StopRobot(p2);
  p1.X = 10;
  p1.Y = 200;
  p2.X = 790;
  p2.Y = 400;
  for (CharacterData* robot : {&p1, &p2}) {
    robot->Action = kActionIdle;
    robot->DecayTick = 0;
    robot->StepTick = 0;
  }

  StageFrame = 0;
  PinchPlayed = 0;
  Cpu.Counter = 0;
  Cpu.Phase = 0;

  StopSoundBuffer(BeatSoundBuffer.get());

  if (!MakeJingle("S_START")) return;
  PlaySoundBuffer(JingleSoundBuffer.get(), false);

  LayFloor();

  if (MusicMode == 0) {
    PlayMusicSegment();
  } else {
    // An MP3 that cannot be played throws here: the set-up ends at the open, the fight goes on
    // without music and the backdrop stays loaded.
    PlayMp3("music/qura08.mp3");
    Mp3Playing = 1;
  }

  BackdropSurface.reset();
}

}  // namespace zk
