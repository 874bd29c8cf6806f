// VedoZad: status values and the action chains of StaryDog, Hyaena and Coyote.
#include "robots/robot_tables.h"
#include "robots/status_template.h"
#include "robots/step_rows.h"

namespace zk {

namespace {

constexpr KindValues kVedoZad = {600, 640, 20, 5, 1, 1};

// Hyaena and Coyote.
// Step | Accept | Move | Duration | Fire | Turn | Motion | Frame | Next: none, 1, 2, 3, 4, guard
constexpr StepRow kHyaena[] = {
    {0, 1, 1, 1, 0, 1, 0, 0, {0, 10, 20, 30, 40, 50}},
    {10, 0, 1, 6, 0, 1, 1, 0, {11, 11, 11, 11, 11, 11}},
    {11, 1, 1, 4, 1, 0, 1, 1, {12, 12, 12, 12, 12, 12}},
    {12, 1, 1, 4, 0, 0, 1, 2, {13, 13, 13, 13, 13, 13}},
    {13, 0, 1, 8, 0, 0, 1, 3, {0, 0, 0, 0, 0, 0}},
    {20, 0, 1, 2, 0, 1, 2, 0, {21, 21, 21, 21, 21, 21}},
    {21, 0, 1, 2, 0, 0, 2, 1, {22, 22, 22, 22, 22, 22}},
    {22, 0, 1, 4, 0, 0, 2, 2, {23, 23, 23, 23, 23, 23}},
    {23, 0, 1, 20, 1, 0, 2, 3, {24, 24, 24, 24, 24, 24}},
    {24, 0, 1, 4, 0, 0, 2, 4, {25, 25, 25, 25, 25, 25}},
    {25, 0, 1, 6, 0, 0, 2, 5, {0, 0, 0, 0, 0, 0}},
    {30, 0, 1, 10, 0, 1, 3, 0, {31, 31, 31, 31, 31, 31}},
    {31, 0, 1, 4, 1, 0, 3, 1, {32, 32, 32, 32, 32, 32}},
    {32, 1, 1, 4, 0, 0, 3, 2, {0, 0, 0, 0, 0, 0}},
    {50, 1, 0, 1, 0, 1, 5, 0, {0, 0, 0, 0, 0, 50}},
    {60, 0, 1, 10, 0, 0, 6, 0, {0, 0, 0, 0, 0, 0}},
};

// StaryDog holds its facing through the first step of actions 1 and 2.
constexpr StepRow kStaryDogChanges[] = {
    {10, 0, 1, 6, 0, 0, 1, 0, {11, 11, 11, 11, 11, 11}},
    {20, 0, 1, 2, 0, 0, 2, 0, {21, 21, 21, 21, 21, 21}},
};

void WriteHyaena(ActionTable& dst) {
  WriteSteps(dst, kHyaena);
  CopyIdleToSlot(dst, 4);
}

}  // namespace

void FDogStatus(CharacterStatus& dst, int32_t modifier) {
  FillStatus(dst, kVedoZad, modifier);
}

void FDogAction_StaryDog(ActionTable& dst) {
  WriteHyaena(dst);
  WriteSteps(dst, kStaryDogChanges);
}

void FDogAction_Hyaena(ActionTable& dst) {
  WriteHyaena(dst);
}

void FDogAction_Coyote(ActionTable& dst) {
  WriteHyaena(dst);
}

}  // namespace zk
