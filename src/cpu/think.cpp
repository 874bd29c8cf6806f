// The computer opponent's decision routines, one per robot kind: each is the shared engine
// (cpu_engine.cpp) with its kind's table.
#include "cpu/cpu_brain.h"
#include "shell/form.h"

namespace zk {

namespace {

// Each kind's table, in select order: the distance band it keeps (near, far); how often it picks
// each plan (close, circle, strafe, keep away, burst, mine, guard, boost out); how much it likes
// weapons 1 to 4; the percent of shots it dodges; the frames between presses; the energy it keeps
// before boosting; whether straight shots wait for ones that cannot be guarded.
// clang-format off
constexpr CpuBrain kBrains[11] = {
    {110, 250, {30, 30, 15,  5, 10, 15,  5, 10}, {5, 3, 3, 0}, 75, 4, 120, 0},  // Ridezazo
    {100, 240, {30, 25, 20, 10, 10,  0,  5, 10}, {5, 3, 4, 0}, 80, 3, 120, 0},  // Lizard
    {150, 300, {20, 25, 10, 15, 20,  0, 10, 10}, {5, 2, 4, 3}, 65, 5, 150, 0},  // DuvuZirada
    {130, 280, {25, 25, 10, 10, 15, 15, 10, 10}, {5, 3, 4, 3}, 45, 6, 150, 0},  // D.O.Z.
    {110, 250, {25, 30, 25, 10,  5,  0,  5, 10}, {5, 2, 4, 0}, 85, 2, 100, 0},  // RiziVov
    { 70, 200, {40, 25, 15,  5,  5, 15,  5, 10}, {6, 4, 3, 0}, 80, 3, 100, 0},  // VedoZad
    {140, 280, {25, 25, 10, 15, 15,  0, 10, 10}, {5, 2, 4, 0}, 45, 7, 140, 0},  // Ro-da
    {150, 280, {25, 25, 10, 15, 15,  0, 10, 10}, {5, 2, 4, 4}, 35, 9, 140, 0},  // ZuzodEvoz
    { 60, 160, {50, 15, 15,  0, 15,  0,  5, 10}, {4, 8, 4, 0}, 85, 1, 100, 0},  // V-2-A
    {120, 260, {30, 25, 10, 10, 15,  0, 10, 10}, {5, 2, 4, 4}, 60, 5, 160, 0},  // ZizoruVuzev
    { 40, 100, {50, 15, 15,  0, 15,  0,  5, 10}, {5, 4, 0, 0}, 90, 1, 100, 1},  // ZeviruraR
};
// clang-format on

}  // namespace

void TForm1::LizardT_Think() {
  ThinkWith(*this, kBrains[0]);
}
void TForm1::LizardV_Think() {
  ThinkWith(*this, kBrains[1]);
}
void TForm1::Pyro_Think() {
  ThinkWith(*this, kBrains[2]);
}
void TForm1::FMH_Think() {
  ThinkWith(*this, kBrains[3]);
}
void TForm1::BuzzB_Think() {
  ThinkWith(*this, kBrains[4]);
}
void TForm1::FDog_Think() {
  ThinkWith(*this, kBrains[5]);
}
void TForm1::DF_Think() {
  ThinkWith(*this, kBrains[6]);
}
void TForm1::HBack_Think() {
  ThinkWith(*this, kBrains[7]);
}
void TForm1::Ageha_Think() {
  ThinkWith(*this, kBrains[8]);
}
void TForm1::Bahao_Think() {
  ThinkWith(*this, kBrains[9]);
}
void TForm1::Scav_Think() {
  ThinkWith(*this, kBrains[10]);
}

}  // namespace zk
