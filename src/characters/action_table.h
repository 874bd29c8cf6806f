// Action chains: timed steps, seven actions of a robot, and step ids (action x 10 + step).
#pragma once

#include <cstdint>

namespace zk {

enum ActionId : int32_t {
  kActionIdle = 0,
  kActionWeapon1 = 1,  // 1..4: the weapon in slot 1..4
  kActionWeapon2 = 2,
  kActionWeapon3 = 3,
  kActionWeapon4 = 4,
  kActionGuard = 5,
  kActionHit = 6,
};

inline constexpr int kActionCount = 7;
inline constexpr int kStepSlots = 12;  // slots 10 and 11 are never reached by a step id
inline constexpr int kNextCount = 6;   // 0 nothing held, 1..4 weapon buttons, 5 guard

struct ActionStep {
  uint8_t Accept;
  int32_t Action;
  uint8_t Move;
  int32_t Duration;
  uint8_t Fire;
  uint8_t Turn;
  int32_t Motion;
  int32_t Frame;
  int32_t Next[kNextCount];
};

struct ActionTable {
  ActionStep Steps[kActionCount][kStepSlots];
};

// Step ids decode by signed division by 10.
constexpr int32_t StepAction(int32_t id) {
  return id / 10;
}
constexpr int32_t StepIndex(int32_t id) {
  return id % 10;
}
constexpr int32_t MakeStepId(int32_t action, int32_t step) {
  return action * 10 + step;
}

}  // namespace zk
