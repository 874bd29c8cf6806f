// RiziVov: status values and the action chains of S.L.A.B and F.L.A.B.
#include "robots/robot_tables.h"
#include "robots/status_template.h"
#include "robots/step_rows.h"

namespace zk {

namespace {

constexpr KindValues kRiziVov = {460, 400, 15, 5, 0, 3};

// Step | Accept | Move | Duration | Fire | Turn | Motion | Frame | Next: none, 1, 2, 3, 4, guard
constexpr StepRow kSlab[] = {
    {0, 0, 1, 1, 0, 1, 0, 0, {0, 10, 20, 30, 40, 50}},
    {10, 0, 1, 4, 0, 1, 1, 0, {11, 11, 11, 11, 11, 11}},
    {11, 1, 1, 6, 1, 0, 1, 1, {12, 11, 12, 12, 12, 12}},
    {12, 1, 1, 4, 0, 0, 1, 2, {0, 11, 0, 0, 0, 0}},
    {20, 0, 1, 6, 0, 1, 2, 0, {21, 21, 21, 21, 21, 21}},
    {21, 0, 1, 6, 1, 0, 2, 1, {22, 22, 22, 22, 22, 22}},
    {22, 0, 1, 12, 0, 0, 2, 2, {0, 0, 0, 0, 0, 0}},
    {30, 0, 1, 6, 0, 1, 0, 0, {31, 31, 31, 31, 31, 31}},
    {31, 0, 1, 4, 0, 0, 3, 0, {32, 32, 32, 32, 32, 32}},
    {32, 0, 1, 8, 1, 0, 3, 0, {33, 33, 33, 33, 33, 33}},
    {33, 0, 1, 8, 0, 0, 0, 0, {0, 0, 0, 0, 0, 0}},
    {50, 1, 0, 1, 0, 1, 5, 0, {0, 0, 0, 0, 0, 50}},
    {60, 0, 1, 10, 0, 0, 6, 0, {0, 0, 0, 0, 0, 0}},
};

// F.L.A.B: a shorter third-weapon burst, a fixed facing in guard, turning while hit.
constexpr StepRow kFlabChanges[] = {
    {32, 0, 1, 4, 1, 0, 3, 0, {33, 33, 33, 33, 33, 33}},
    {50, 1, 0, 1, 0, 0, 5, 0, {0, 0, 0, 0, 0, 50}},
    {60, 0, 1, 10, 0, 1, 6, 0, {0, 0, 0, 0, 0, 0}},
};

}  // namespace

void BuzzBStatus(CharacterStatus& dst, int32_t modifier) {
  FillStatus(dst, kRiziVov, modifier);
}

void BuzzBAction_SLAB(ActionTable& dst) {
  WriteSteps(dst, kSlab);
  CopyIdleToSlot(dst, 4);
}

void BuzzBAction_FLAB(ActionTable& dst) {
  WriteSteps(dst, kSlab);
  WriteSteps(dst, kFlabChanges);
  CopyIdleToSlot(dst, 4);
}

}  // namespace zk
