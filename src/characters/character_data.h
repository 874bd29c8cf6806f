// One robot in a player slot.
#pragma once

#include <cstdint>

#include "characters/action_table.h"
#include "characters/character_status.h"

namespace zk {

struct CharacterData {
  char Name[60];
  int32_t Action;
  int32_t InputX;       // 0 none, 1 right, 2 left
  int32_t InputY;       // 0 none, 1 up, 2 down
  int32_t InputButton;  // 0 none, 1..4 weapons, 5 guard, 6 boost, 7..10 weapons with boost
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
