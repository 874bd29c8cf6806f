// Ro-da: status values and the action chains of North, West and South.
#include "robots/robot_tables.h"
#include "robots/status_template.h"
#include "robots/step_rows.h"

namespace zk {

namespace {

constexpr KindValues kRoDa = {500, 420, 20, 8, 1, 1};

// Step | Accept | Move | Duration | Fire | Turn | Motion | Frame | Next: none, 1, 2, 3, 4, guard
constexpr StepRow kNorth[] = {
    {0, 1, 1, 1, 0, 1, 0, 0, {0, 10, 20, 30, 40, 50}},
    {10, 0, 1, 2, 0, 1, 1, 0, {11, 11, 11, 11, 11, 11}},
    {11, 1, 1, 6, 1, 0, 1, 1, {12, 12, 12, 12, 12, 12}},
    {12, 1, 1, 2, 0, 0, 1, 2, {0, 11, 0, 0, 0, 0}},
    {20, 0, 1, 4, 0, 1, 2, 0, {21, 21, 21, 21, 21, 21}},
    {21, 0, 1, 4, 1, 0, 2, 1, {22, 22, 22, 22, 22, 22}},
    {22, 1, 1, 10, 0, 0, 2, 2, {0, 0, 21, 0, 0, 0}},
    {30, 0, 1, 2, 0, 1, 3, 0, {31, 31, 31, 31, 31, 31}},
    {31, 0, 1, 4, 0, 1, 3, 1, {32, 32, 32, 32, 32, 32}},
    {32, 0, 1, 2, 1, 0, 3, 2, {33, 33, 33, 33, 33, 33}},
    {33, 0, 1, 3, 0, 0, 3, 3, {34, 34, 34, 34, 34, 34}},
    {34, 0, 1, 4, 0, 0, 3, 1, {35, 35, 35, 31, 35, 35}},
    {35, 1, 1, 4, 0, 0, 3, 0, {0, 0, 0, 31, 0, 0}},
    {50, 1, 0, 1, 0, 1, 5, 0, {0, 0, 0, 0, 0, 50}},
    {60, 0, 1, 10, 0, 0, 6, 0, {0, 0, 0, 0, 0, 0}},
};

// West: no second strike from the recovery, no turning before the bazooka, turning while hit.
constexpr StepRow kWestChanges[] = {
    {22, 1, 1, 10, 0, 0, 2, 2, {0, 0, 0, 0, 0, 0}},
    {31, 0, 1, 4, 0, 0, 3, 1, {32, 32, 32, 32, 32, 32}},
    {60, 0, 1, 10, 0, 1, 6, 0, {0, 0, 0, 0, 0, 0}},
};

// South: turning in the acid recovery, none before the bazooka, turning while hit.
constexpr StepRow kSouthChanges[] = {
    {12, 1, 1, 2, 0, 1, 1, 2, {0, 11, 0, 0, 0, 0}},
    {31, 0, 1, 4, 0, 0, 3, 1, {32, 32, 32, 32, 32, 32}},
    {60, 0, 1, 10, 0, 1, 6, 0, {0, 0, 0, 0, 0, 0}},
};

}  // namespace

void DFStatus(CharacterStatus& dst, int32_t modifier) {
  FillStatus(dst, kRoDa, modifier);
}

void DFAction_North(ActionTable& dst) {
  WriteSteps(dst, kNorth);
  CopyIdleToSlot(dst, 4);
}

void DFAction_West(ActionTable& dst) {
  WriteSteps(dst, kNorth);
  WriteSteps(dst, kWestChanges);
  CopyIdleToSlot(dst, 4);
}

void DFAction_South(ActionTable& dst) {
  WriteSteps(dst, kNorth);
  WriteSteps(dst, kSouthChanges);
  CopyIdleToSlot(dst, 4);
}

}  // namespace zk
