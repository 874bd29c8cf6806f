// Lizard: the action chains of Tekkira, Vocka and Jin (its status comes from LizardStatus).
#include "robots/robot_tables.h"
#include "robots/step_rows.h"

namespace zk {

namespace {

// Steps that all three variants write alike.
// Step | Accept | Move | Duration | Fire | Turn | Motion | Frame | Next: none, 1, 2, 3, 4, guard
constexpr StepRow kShared[] = {
    {0, 1, 1, 1, 0, 1, 0, 0, {0, 10, 20, 30, 40, 50}},
    {10, 0, 1, 4, 0, 1, 1, 0, {11, 11, 11, 11, 11, 11}},
    {20, 0, 1, 2, 0, 1, 2, 0, {21, 21, 21, 21, 21, 21}},
    {21, 0, 1, 2, 0, 0, 2, 1, {22, 22, 22, 22, 22, 22}},
    {22, 0, 1, 2, 0, 0, 2, 2, {23, 23, 23, 23, 23, 23}},
    {23, 0, 1, 2, 1, 0, 2, 3, {24, 24, 24, 24, 24, 24}},
    {24, 0, 1, 2, 0, 0, 2, 4, {25, 25, 25, 25, 25, 25}},
    {25, 0, 1, 2, 0, 0, 2, 5, {26, 26, 26, 26, 26, 26}},
    {26, 0, 1, 4, 0, 0, 2, 6, {27, 27, 27, 27, 27, 27}},
    {27, 0, 1, 2, 0, 0, 2, 7, {28, 28, 28, 28, 28, 28}},
    {28, 0, 1, 2, 0, 0, 2, 8, {0, 0, 0, 0, 0, 0}},
    {50, 1, 0, 1, 0, 1, 5, 0, {0, 0, 0, 0, 0, 50}},
    {60, 0, 1, 10, 0, 0, 6, 0, {0, 0, 0, 0, 0, 0}},
};

constexpr StepRow kTekkira[] = {
    {11, 0, 1, 4, 1, 0, 1, 1, {12, 11, 12, 12, 12, 12}},
    {12, 1, 1, 3, 0, 0, 1, 2, {13, 11, 13, 13, 13, 13}},
    {13, 0, 1, 3, 0, 0, 1, 3, {14, 11, 14, 14, 14, 14}},
    {14, 0, 1, 3, 0, 0, 1, 4, {0, 11, 0, 0, 0, 0}},
    {30, 0, 1, 10, 0, 1, 3, 0, {31, 31, 31, 31, 31, 31}},
    {31, 0, 0, 10, 1, 0, 3, 1, {32, 32, 32, 32, 32, 32}},
    {32, 1, 1, 10, 0, 0, 3, 2, {0, 0, 0, 31, 0, 0}},
};

// Vocka's button 3 held through step 32 runs action 1's steps while its action stays 3.
constexpr StepRow kVocka[] = {
    {11, 0, 1, 2, 1, 0, 1, 1, {12, 12, 12, 12, 12, 12}},
    {12, 1, 1, 3, 0, 0, 1, 2, {13, 13, 13, 13, 13, 13}},
    {13, 0, 1, 4, 0, 0, 1, 3, {14, 14, 14, 14, 14, 14}},
    {14, 0, 1, 4, 0, 0, 1, 4, {0, 11, 0, 0, 0, 0}},
    {30, 0, 1, 10, 0, 0, 3, 0, {31, 31, 31, 31, 31, 31}},
    {31, 0, 0, 10, 1, 1, 3, 1, {32, 32, 32, 32, 32, 32}},
    {32, 1, 1, 10, 0, 0, 3, 2, {0, 0, 0, 11, 0, 0}},
};

constexpr StepRow kJin[] = {
    {11, 0, 1, 4, 1, 0, 1, 1, {12, 12, 12, 12, 12, 12}},
    {12, 1, 1, 3, 0, 0, 1, 2, {13, 13, 13, 13, 13, 13}},
    {13, 0, 1, 4, 0, 0, 1, 3, {14, 14, 14, 14, 14, 14}},
    {14, 0, 1, 4, 0, 0, 1, 4, {0, 0, 0, 0, 0, 0}},
    {30, 0, 1, 10, 0, 1, 3, 0, {31, 31, 31, 31, 31, 31}},
    {31, 0, 0, 10, 1, 1, 3, 1, {32, 32, 32, 32, 32, 32}},
    {32, 1, 1, 10, 0, 0, 3, 2, {0, 0, 0, 31, 0, 0}},
};

void WriteLizard(ActionTable& dst, std::span<const StepRow> own) {
  WriteSteps(dst, kShared);
  WriteSteps(dst, own);
  CopyIdleToSlot(dst, 4);
}

}  // namespace

void Lizard2Action_Tekkira(ActionTable& dst) {
  WriteLizard(dst, kTekkira);
}

void Lizard2Action_Vocka(ActionTable& dst) {
  WriteLizard(dst, kVocka);
}

void Lizard2Action_Jin(ActionTable& dst) {
  WriteLizard(dst, kJin);
}

}  // namespace zk
