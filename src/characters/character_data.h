// One robot in a player slot.
#pragma once

#include <cstdint>

#include "characters/action_table.h"
#include "characters/character_status.h"

namespace zk {

// The control fields' codes, written by the players' input and the computer opponent.
enum InputXCode : int32_t { kInputXNone = 0, kInputRight = 1, kInputLeft = 2 };
enum InputYCode : int32_t { kInputYNone = 0, kInputUp = 1, kInputDown = 2 };
enum InputButtonCode : int32_t {
  kButtonNone = 0,
  kButtonWeapon1 = 1,  // 1..4: a weapon button
  kButtonWeapon2 = 2,
  kButtonWeapon3 = 3,
  kButtonWeapon4 = 4,
  kButtonGuard = 5,
  kButtonBoost = 6,
  kButtonBoostWeapon1 = 7,  // 7..10: boost with a weapon button
  kButtonBoostWeapon2 = 8,
  kButtonBoostWeapon3 = 9,
  kButtonBoostWeapon4 = 10,
};

struct CharacterData {
  char Name[60];
  int32_t Action;       // ActionId
  int32_t InputX;       // InputXCode
  int32_t InputY;       // InputYCode
  int32_t InputButton;  // InputButtonCode
  ActionStep Step;
  int32_t Facing;
  int32_t MoveCode;
  int32_t KnockbackDir;
  int32_t SpeedLeft;
  int32_t SpeedRight;
  int32_t SpeedUp;
  int32_t SpeedDown;
  int32_t LevelLeft;
  int32_t LevelRight;
  int32_t LevelUp;
  int32_t LevelDown;
  int32_t StepTick;
  int32_t DecayTick;
  int32_t Stun;
  int32_t Fired;
  int32_t Armor;
  int32_t Energy;
  int32_t X;
  int32_t Y;
  int32_t ButtonLatch[4];
  int32_t GuardLatch;
  int32_t Boost;
  CharacterStatus Status;
  SpeedTable WalkSpeed;
  SpeedTable BoostSpeed;
  CharacterStatus BaseStatus;
  ActionTable Actions;
  int32_t RapidFire1;
  int32_t RapidFire4;
  int32_t WeaponType;
  int32_t MoveCycle;

  // Record states (robot record and reset).
  void ResetRuntime();
  void ClearActionTable();
  void RestoreStatus();

  // The per-frame routines (stepping, movement, facing) are declared in
  // characters/character_routines.inc, included here.
#include "characters/character_routines.inc"
};

}  // namespace zk
