// The robot record's known states: the run-time reset, the cleared action table and the idle
// start of a freshly loaded robot.
#include "characters/character_data.h"

namespace zk {

namespace {

void ClearSpeedCells(SpeedTable& table) {
  for (SpeedRow& row : table.Rows) {
    for (auto& group : row.Speed) {
      for (auto& level : group) {
        level[0] = 0;
        level[1] = 0;
      }
    }
  }
}

}  // namespace

void CharacterData::ResetRuntime() {
  Action = kActionIdle;
  InputX = kInputXNone;
  InputY = kInputYNone;
  InputButton = kButtonNone;
  Facing = 0;
  MoveCode = 0;
  KnockbackDir = 0;
  SpeedLeft = 0;
  SpeedRight = 0;
  SpeedUp = 0;
  SpeedDown = 0;
  LevelLeft = 0;
  LevelRight = 0;
  LevelUp = 0;
  LevelDown = 0;
  StepTick = 0;
  DecayTick = 0;
  Stun = 0;
  Fired = 0;
  // Placeholders: every road into a fight sets the maxima afterwards.
  Armor = 2;
  Energy = 2;
  X = 100;
  Y = 100;
  for (int32_t& latch : ButtonLatch) latch = 0;
  GuardLatch = 0;
  Boost = 0;
  RapidFire1 = 0;
  RapidFire4 = 0;
  MoveCycle = 1;
  // The speed cells go, the decay intervals stay.
  ClearSpeedCells(WalkSpeed);
  ClearSpeedCells(BoostSpeed);
}

void CharacterData::ClearActionTable() {
  ActionStep idle{};
  idle.Accept = 0;
  idle.Action = kActionIdle;
  idle.Move = 1;
  idle.Duration = 2;
  idle.Fire = 0;
  idle.Turn = 1;
  idle.Motion = 0;
  idle.Frame = 0;
  for (int32_t& next : idle.Next) next = 0;
  for (auto& action : Actions.Steps) {
    for (ActionStep& step : action) step = idle;
  }
}

void CharacterData::RestoreStatus() {
  Status = BaseStatus;
  Action = kActionIdle;
  EnterStep(MakeStepId(kActionIdle, 0));
}

}  // namespace zk
