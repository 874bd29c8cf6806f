// The computer opponent's decision routines, one per robot kind: each is the shared engine
// (cpu_engine.cpp) with its kind's table.
#include "cpu/cpu_brain.h"
#include "shell/form.h"

namespace zk {

namespace {

// Near, Far | plans: close, circle, strafe, keep away, burst, mine, guard, boost out |
// weapons 1-4 | dodge %, fire gap, boost energy, patient
constexpr CpuBrain kRidezazo = {110, 250, {30, 30, 15, 5, 10, 15, 5, 10}, {5, 3, 3, 0}, 75, 4,
                                120, 0};
constexpr CpuBrain kLizard = {100, 240, {30, 25, 20, 10, 10, 0, 5, 10}, {5, 3, 4, 0}, 80, 3,
                              120, 0};
constexpr CpuBrain kDuvuZirada = {150, 300, {20, 25, 10, 15, 20, 0, 10, 10}, {5, 2, 4, 3}, 65, 5,
                                  150, 0};
constexpr CpuBrain kDOZ = {130, 280, {25, 25, 10, 10, 15, 15, 10, 10}, {5, 3, 4, 3}, 65, 5, 150, 0};
constexpr CpuBrain kRiziVov = {110, 250, {25, 30, 25, 10, 5, 0, 5, 10}, {5, 2, 4, 0}, 85, 2,
                               100, 0};
constexpr CpuBrain kVedoZad = {70, 200, {40, 25, 15, 5, 5, 15, 5, 10}, {6, 4, 3, 0}, 80, 3, 100, 0};
constexpr CpuBrain kRoDa = {140, 280, {25, 25, 10, 15, 15, 0, 10, 10}, {5, 2, 4, 0}, 70, 4, 140, 0};
constexpr CpuBrain kZuzodEvoz = {150, 280, {25, 25, 10, 15, 15, 0, 10, 10}, {5, 2, 4, 4}, 70, 4,
                                 140, 0};
constexpr CpuBrain kV2A = {60, 160, {50, 15, 15, 0, 15, 0, 5, 10}, {4, 8, 4, 0}, 85, 1, 100, 0};
constexpr CpuBrain kZizoruVuzev = {120, 260, {30, 25, 10, 10, 15, 0, 10, 10}, {5, 2, 4, 4}, 60, 5,
                                   160, 0};
constexpr CpuBrain kZeviruraR = {40,  100, {50, 15, 15, 0, 15, 0, 5, 10}, {5, 4, 0, 0}, 90, 1,
                                 100, 1};

}  // namespace

void TForm1::LizardT_Think() {
  ThinkWith(*this, kRidezazo);
}
void TForm1::LizardV_Think() {
  ThinkWith(*this, kLizard);
}
void TForm1::Pyro_Think() {
  ThinkWith(*this, kDuvuZirada);
}
void TForm1::FMH_Think() {
  ThinkWith(*this, kDOZ);
}
void TForm1::BuzzB_Think() {
  ThinkWith(*this, kRiziVov);
}
void TForm1::FDog_Think() {
  ThinkWith(*this, kVedoZad);
}
void TForm1::DF_Think() {
  ThinkWith(*this, kRoDa);
}
void TForm1::HBack_Think() {
  ThinkWith(*this, kZuzodEvoz);
}
void TForm1::Ageha_Think() {
  ThinkWith(*this, kV2A);
}
void TForm1::Bahao_Think() {
  ThinkWith(*this, kZizoruVuzev);
}
void TForm1::Scav_Think() {
  ThinkWith(*this, kZeviruraR);
}

}  // namespace zk
