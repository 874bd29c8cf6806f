// Ridezazo: the status filler it shares with Lizard, and the action chains of both its variants.
#include "robots/robot_tables.h"
#include "robots/status_template.h"
#include "robots/step_rows.h"

namespace zk {

namespace {

// Ridezazo and Lizard share these values; their speed modifiers tell them apart.
constexpr KindValues kLizardKinds = {590, 480, 20, 6, 1, 2};

// Step 01 is the second idle step, the one every chain returns to.
// Step | Accept | Move | Duration | Fire | Turn | Motion | Frame | Next: none, 1, 2, 3, 4, guard
constexpr StepRow kRidezazo[] = {
    {0, 1, 1, 1, 0, 1, 0, 0, {0, 10, 20, 30, 40, 50}},
    {1, 1, 1, 1, 0, 1, 0, 1, {1, 10, 20, 30, 40, 50}},
    {10, 0, 1, 3, 0, 0, 1, 0, {11, 11, 11, 11, 11, 11}},
    {11, 0, 1, 2, 0, 0, 1, 1, {12, 12, 12, 12, 12, 12}},
    {12, 0, 1, 2, 0, 0, 1, 2, {13, 13, 13, 13, 13, 13}},
    {13, 0, 1, 3, 0, 0, 1, 3, {14, 14, 14, 14, 14, 14}},
    {14, 0, 1, 4, 1, 0, 1, 4, {15, 13, 15, 15, 15, 15}},
    {15, 0, 1, 8, 0, 0, 1, 3, {16, 13, 16, 16, 16, 16}},
    {16, 0, 1, 8, 0, 0, 1, 2, {17, 13, 17, 17, 17, 17}},
    {17, 0, 1, 4, 0, 0, 1, 1, {18, 18, 18, 18, 18, 18}},
    {18, 0, 1, 4, 0, 0, 1, 0, {1, 1, 1, 1, 1, 1}},
    {20, 0, 1, 6, 0, 0, 2, 0, {21, 21, 21, 21, 21, 21}},
    {21, 0, 1, 2, 1, 0, 2, 1, {22, 22, 22, 22, 22, 22}},
    {22, 1, 1, 14, 0, 0, 2, 1, {1, 1, 23, 1, 1, 1}},
    {23, 0, 1, 4, 1, 1, 2, 2, {24, 24, 24, 24, 24, 24}},
    {24, 1, 1, 16, 0, 0, 2, 2, {1, 1, 25, 1, 1, 1}},
    {25, 0, 1, 6, 0, 0, 2, 3, {26, 26, 26, 26, 26, 26}},
    {26, 0, 1, 2, 1, 0, 2, 4, {27, 27, 27, 27, 27, 27}},
    {27, 1, 1, 14, 0, 0, 2, 4, {1, 1, 1, 1, 1, 1}},
    {30, 0, 1, 2, 1, 0, 3, 0, {1, 1, 1, 1, 1, 1}},
    {50, 1, 0, 1, 0, 1, 5, 0, {1, 1, 1, 1, 1, 50}},
    {60, 0, 1, 10, 0, 0, 6, 0, {1, 1, 1, 1, 1, 1}},
};

}  // namespace

void LizardStatus(CharacterStatus& dst, int32_t modifier) {
  FillStatus(dst, kLizardKinds, modifier);
}

void LizardAction(ActionTable& dst) {
  WriteSteps(dst, kRidezazo);
  CopyIdleToSlot(dst, 4);
}

}  // namespace zk
