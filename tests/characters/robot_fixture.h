// A robot record in a known state for the routine tests.
#pragma once

#include <cstring>

#include "characters/character_data.h"

namespace zk::test {

// A reset robot with a cleared action table, standing in step 00, with a simple status.
inline CharacterData MakeRobot() {
  CharacterData robot;
  std::memset(&robot, 0, sizeof robot);
  robot.ResetRuntime();
  robot.ClearActionTable();
  robot.BaseStatus.MaxArmor = 500;
  robot.BaseStatus.MaxEnergy = 400;
  robot.BaseStatus.HalfWidth = 20;
  robot.BaseStatus.HalfHeight = 20;
  robot.BaseStatus.StunRecovery = 6;
  robot.RestoreStatus();
  robot.Energy = 400;
  return robot;
}

// A step of the given action with the fields the tests care about; every Next is 00.
inline ActionStep MakeStep(int32_t action, int32_t duration, uint8_t accept = 0, uint8_t move = 1) {
  ActionStep step{};
  step.Accept = accept;
  step.Action = action;
  step.Move = move;
  step.Duration = duration;
  step.Turn = 1;
  step.Motion = action;
  return step;
}

}  // namespace zk::test
