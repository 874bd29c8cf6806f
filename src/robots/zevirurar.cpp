// ZeviruraR: status values and the action chains of Skinny Crow and Fat Owl.
#include "robots/robot_tables.h"
#include "robots/status_template.h"
#include "robots/step_rows.h"

namespace zk {

namespace {

// A light scavenger with only two weapons (speed modifier +1): the thinnest armour after
// RiziVov, as much boost energy as ZuzodEvoz (only VedoZad has more), a slow stun recovery.
constexpr KindValues kZeviruraR = {480, 600, 20, 5, 1, 2};

// The rifle, alike in both variants.
// Action 1, Rifle: 3 frames of aiming in which the robot may turn (10), the shot in a 3-frame
// step (11), 5 frames of recovery (12), then idle: 11 frames. A fresh press of button 1 during
// step 12 leads back to step 11 at once and fires again; button 1 held at the end of step 12
// also leads back to step 11 without firing, so the held rifle stays raised until release.
// Actions 3 and 4: no weapon; steps 30 and 40 are copies of step 00.
// Step | Accept | Move | Duration | Fire | Turn | Motion | Frame | Next: none, 1, 2, 3, 4, guard
constexpr StepRow kShared[] = {
    {0, 0, 1, 1, 0, 1, 0, 0, {0, 10, 20, 30, 40, 50}},
    {10, 0, 1, 3, 0, 1, 1, 0, {11, 11, 11, 11, 11, 11}},
    {11, 0, 1, 3, 1, 0, 1, 1, {12, 12, 12, 12, 12, 12}},
    {12, 1, 1, 5, 0, 0, 1, 2, {0, 11, 0, 0, 0, 0}},
};

// Skinny Crow.
// Action 2, FireFly: 6 frames raising the pod in which the robot may turn (20), the launch step
// of 6 frames (21), 8 frames lowering it (22, motion frame 0 again), then idle: 20 frames.
// A fresh press of button 2 during step 22 ends it at once for step 00 and so starts action 2
// again from step 20 in the same frame.
// Guard and the hit reaction may turn.
constexpr StepRow kSkinnyCrow[] = {
    {20, 0, 1, 6, 0, 1, 2, 0, {21, 21, 21, 21, 21, 21}},
    {21, 0, 1, 6, 1, 0, 2, 1, {22, 22, 22, 22, 22, 22}},
    {22, 1, 1, 8, 0, 0, 2, 0, {0, 0, 0, 0, 0, 0}},
    {50, 0, 0, 1, 0, 1, 5, 0, {0, 0, 0, 0, 0, 50}},
    {60, 0, 1, 10, 0, 1, 6, 0, {0, 0, 0, 0, 0, 0}},
};

// Fat Owl.
// Action 2, Missile X6: 8 frames opening the rack in which the robot may turn (20), 4 frames of
// bracing standing still (21), the salvo in a 6-frame step, still standing (22, the same motion
// frame), 10 frames closing the rack (23, motion frame 0 again), then idle: 28 frames, no loop.
// Guard and the hit reaction hold the facing.
constexpr StepRow kFatOwl[] = {
    {20, 0, 1, 8, 0, 1, 2, 0, {21, 21, 21, 21, 21, 21}},
    {21, 0, 0, 4, 0, 0, 2, 1, {22, 22, 22, 22, 22, 22}},
    {22, 0, 0, 6, 1, 0, 2, 1, {23, 23, 23, 23, 23, 23}},
    {23, 0, 1, 10, 0, 0, 2, 0, {0, 0, 0, 0, 0, 0}},
    {50, 0, 0, 1, 0, 0, 5, 0, {0, 0, 0, 0, 0, 50}},
    {60, 0, 1, 10, 0, 0, 6, 0, {0, 0, 0, 0, 0, 0}},
};

void WriteZeviruraR(ActionTable& dst, std::span<const StepRow> own) {
  WriteSteps(dst, kShared);
  WriteSteps(dst, own);
  CopyIdleToSlot(dst, 3);
  CopyIdleToSlot(dst, 4);
}

}  // namespace

void ScavStatus(CharacterStatus& dst, int32_t modifier) {
  FillStatus(dst, kZeviruraR, modifier);
}

void ScavAction_SkinnyCrow(ActionTable& dst) {
  WriteZeviruraR(dst, kSkinnyCrow);
}

void ScavAction_FatOwl(ActionTable& dst) {
  WriteZeviruraR(dst, kFatOwl);
}

}  // namespace zk
