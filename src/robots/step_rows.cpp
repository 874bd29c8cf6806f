// Writing action chains from rows.
#include "robots/step_rows.h"

namespace zk {

void WriteSteps(ActionTable& dst, std::span<const StepRow> rows) {
  for (const StepRow& row : rows) {
    ActionStep& step = dst.Steps[StepAction(row.Id)][StepIndex(row.Id)];
    step.Accept = row.Accept;
    step.Action = StepAction(row.Id);
    step.Move = row.Move;
    step.Duration = row.Duration;
    step.Fire = row.Fire;
    step.Turn = row.Turn;
    step.Motion = row.Motion;
    step.Frame = row.Frame;
    for (int i = 0; i < kNextCount; ++i) step.Next[i] = row.Next[i];
  }
}

void CopyIdleToSlot(ActionTable& dst, int32_t slot) {
  dst.Steps[slot][0] = dst.Steps[0][0];
}

}  // namespace zk
