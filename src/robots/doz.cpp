// D.O.Z.: status values and the action chains of Ruva Duvud Ovived and Dezu Ridev Adud.
#include "robots/robot_tables.h"
#include "robots/status_template.h"
#include "robots/step_rows.h"

namespace zk {

namespace {

constexpr KindValues kDoz = {660, 560, 30, 7, 2, 2};

// Steps both variants write alike.
// Step | Accept | Move | Duration | Fire | Turn | Motion | Frame | Next: none, 1, 2, 3, 4, guard
constexpr StepRow kShared[] = {
    {0, 0, 1, 1, 0, 1, 0, 0, {0, 10, 20, 30, 40, 50}},
    {20, 0, 1, 4, 0, 1, 2, 0, {21, 21, 21, 21, 21, 21}},
    {21, 0, 1, 1, 0, 0, 2, 1, {22, 22, 22, 22, 22, 22}},
    {22, 0, 1, 1, 0, 0, 2, 2, {23, 23, 23, 23, 23, 23}},
    {23, 0, 1, 3, 1, 0, 2, 3, {24, 24, 24, 24, 24, 24}},
    {24, 0, 1, 3, 0, 0, 2, 4, {25, 25, 25, 25, 25, 25}},
    {25, 0, 1, 3, 0, 0, 2, 5, {26, 26, 26, 26, 26, 26}},
    {26, 0, 1, 3, 0, 0, 2, 6, {27, 27, 27, 27, 27, 27}},
    {27, 0, 1, 3, 0, 0, 2, 7, {28, 28, 28, 28, 28, 28}},
    {28, 0, 1, 3, 0, 0, 2, 8, {29, 29, 29, 29, 29, 29}},
    {29, 0, 1, 4, 0, 0, 2, 9, {0, 0, 0, 0, 0, 0}},
    {50, 0, 0, 1, 0, 1, 5, 0, {0, 0, 0, 0, 0, 50}},
    {60, 0, 1, 10, 0, 0, 6, 0, {0, 0, 0, 0, 0, 0}},
};

constexpr StepRow kHeaven[] = {
    {10, 0, 1, 6, 0, 1, 1, 0, {11, 11, 11, 11, 11, 11}},
    {11, 1, 1, 6, 1, 0, 1, 1, {12, 11, 12, 12, 12, 12}},
    {12, 1, 1, 6, 0, 0, 1, 2, {0, 11, 0, 0, 0, 0}},
    {30, 0, 1, 4, 0, 1, 3, 0, {31, 31, 31, 31, 31, 31}},
    {31, 0, 1, 2, 0, 0, 3, 1, {32, 32, 32, 32, 32, 32}},
    {32, 0, 0, 2, 0, 0, 3, 2, {33, 33, 33, 33, 33, 33}},
    {33, 0, 0, 3, 1, 0, 3, 3, {34, 34, 34, 34, 34, 34}},
    {34, 0, 0, 3, 0, 0, 3, 4, {35, 35, 35, 35, 35, 35}},
    {35, 1, 1, 2, 0, 0, 3, 5, {0, 0, 0, 0, 0, 0}},
    {40, 1, 1, 4, 0, 0, 4, 0, {41, 41, 41, 41, 41, 41}},
    {41, 1, 1, 4, 0, 0, 4, 1, {42, 42, 42, 42, 42, 42}},
    {42, 1, 1, 4, 0, 0, 4, 2, {43, 43, 43, 43, 43, 43}},
    {43, 0, 0, 6, 1, 0, 4, 3, {44, 44, 44, 44, 44, 44}},
    {44, 1, 0, 10, 0, 0, 4, 4, {0, 0, 0, 0, 0, 0}},
};

// Dezu Ridev Adud's third weapon plays the animation of Ruva Duvud Ovived's fourth.
constexpr StepRow kHell[] = {
    {10, 0, 0, 6, 0, 0, 1, 0, {11, 11, 11, 11, 11, 11}},
    {11, 0, 0, 12, 1, 0, 1, 1, {12, 12, 12, 12, 12, 12}},
    {12, 1, 0, 6, 0, 0, 1, 2, {0, 0, 0, 0, 0, 0}},
    {30, 1, 1, 4, 0, 0, 4, 0, {31, 31, 31, 31, 31, 31}},
    {31, 1, 1, 4, 0, 0, 4, 1, {32, 32, 32, 32, 32, 32}},
    {32, 1, 1, 4, 0, 0, 4, 2, {33, 33, 33, 33, 33, 33}},
    {33, 0, 0, 6, 1, 0, 4, 3, {34, 34, 34, 34, 34, 34}},
    {34, 1, 0, 10, 0, 0, 4, 4, {0, 0, 0, 0, 0, 0}},
};

}  // namespace

void FMHStatus(CharacterStatus& dst, int32_t modifier) {
  FillStatus(dst, kDoz, modifier);
}

void FMHAction_Heaven(ActionTable& dst) {
  WriteSteps(dst, kShared);
  WriteSteps(dst, kHeaven);
}

void FMHAction_Hell(ActionTable& dst) {
  WriteSteps(dst, kShared);
  WriteSteps(dst, kHell);
  CopyIdleToSlot(dst, 4);
}

}  // namespace zk
