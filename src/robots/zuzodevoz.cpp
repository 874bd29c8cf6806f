// ZuzodEvoz: status values and the action chains of Pupa and Cocoon.
#include "robots/robot_tables.h"
#include "robots/status_template.h"
#include "robots/step_rows.h"

namespace zk {

namespace {

constexpr KindValues kZuzodEvoz = {640, 600, 25, 6, 1, 3};

// Step | Accept | Move | Duration | Fire | Turn | Motion | Frame | Next: none, 1, 2, 3, 4, guard
constexpr StepRow kPupa[] = {
    {0, 0, 1, 1, 0, 1, 0, 0, {0, 10, 20, 30, 40, 50}},
    {10, 0, 1, 6, 0, 1, 1, 0, {11, 11, 11, 11, 11, 11}},
    {11, 0, 1, 3, 0, 0, 1, 1, {12, 12, 12, 12, 12, 12}},
    {12, 0, 1, 3, 1, 0, 1, 2, {13, 13, 13, 13, 13, 13}},
    {13, 1, 1, 8, 0, 0, 1, 0, {0, 0, 0, 0, 0, 0}},
    {20, 0, 1, 2, 0, 1, 2, 0, {21, 21, 21, 21, 21, 21}},
    {21, 0, 1, 2, 0, 0, 2, 1, {22, 22, 22, 22, 22, 22}},
    {22, 0, 1, 3, 1, 0, 2, 2, {23, 23, 23, 23, 23, 23}},
    {23, 0, 1, 3, 0, 0, 2, 3, {24, 24, 24, 24, 24, 24}},
    {24, 0, 1, 6, 0, 0, 2, 4, {0, 0, 0, 0, 0, 0}},
    {30, 0, 1, 6, 0, 0, 3, 0, {31, 31, 31, 31, 31, 31}},
    {31, 0, 1, 6, 0, 0, 3, 1, {32, 32, 32, 32, 32, 32}},
    {32, 0, 0, 6, 1, 0, 3, 2, {33, 33, 33, 33, 33, 33}},
    {33, 0, 0, 6, 0, 0, 3, 3, {34, 34, 34, 34, 34, 34}},
    {34, 0, 0, 6, 0, 0, 3, 4, {0, 0, 0, 0, 0, 0}},
    {40, 0, 1, 4, 0, 0, 4, 0, {41, 41, 41, 41, 41, 41}},
    {41, 0, 1, 4, 0, 0, 4, 1, {42, 42, 42, 42, 42, 42}},
    {42, 1, 1, 4, 0, 0, 4, 2, {43, 43, 43, 43, 43, 43}},
    {43, 1, 1, 4, 1, 0, 4, 3, {44, 44, 44, 44, 44, 44}},
    {44, 1, 1, 8, 0, 0, 4, 4, {0, 0, 0, 0, 0, 0}},
    {50, 0, 0, 1, 0, 1, 5, 0, {0, 0, 0, 0, 0, 50}},
    {60, 0, 1, 10, 0, 0, 6, 0, {0, 0, 0, 0, 0, 0}},
};

// Cocoon's melee strike goes off in two steps in a row.
constexpr StepRow kCocoonChanges[] = {
    {23, 0, 1, 3, 1, 0, 2, 3, {24, 24, 24, 24, 24, 24}},
};

}  // namespace

void HBackStatus(CharacterStatus& dst, int32_t modifier) {
  FillStatus(dst, kZuzodEvoz, modifier);
}

void HBackAction_Pupa(ActionTable& dst) {
  WriteSteps(dst, kPupa);
}

void HBackAction_Cocoon(ActionTable& dst) {
  WriteSteps(dst, kPupa);
  WriteSteps(dst, kCocoonChanges);
}

}  // namespace zk
