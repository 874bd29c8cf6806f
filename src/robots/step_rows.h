// Action chains written as rows: one row per step, in the order the kinds' tables list them.
#pragma once

#include <cstdint>
#include <span>

#include "characters/action_table.h"

namespace zk {

struct StepRow {
  int32_t Id;  // action x 10 + step
  uint8_t Accept;
  uint8_t Move;
  int32_t Duration;
  uint8_t Fire;
  uint8_t Turn;
  int32_t Motion;
  int32_t Frame;
  int32_t Next[kNextCount];
};

// Stores each row at its step id; the step's Action is the id's tens digit.
void WriteSteps(ActionTable& dst, std::span<const StepRow> rows);

// A weapon slot without a weapon: its first step is the idle step 00, Action 0 included.
void CopyIdleToSlot(ActionTable& dst, int32_t slot);

}  // namespace zk
