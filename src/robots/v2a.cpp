// V-2-A: status values and the action chains of L.M.T.
#include "robots/robot_tables.h"
#include "robots/status_template.h"
#include "robots/step_rows.h"

namespace zk {

namespace {

// A light flyer (speed modifier +1): thin armour, plenty of boost energy, and a decay interval
// of 3 so that it glides on, like RiziVov; the small dust cloud.
constexpr KindValues kV2A = {500, 560, 20, 6, 1, 3};

// L.M.T.
// Action 1, Rifle: 4 frames of aiming in which the robot may turn (10), the shot in a 2-frame
// step (11), 3, 3 and 3 frames of recovery (12 to 14; the motion frames run 0 to 4), then idle:
// 15 frames. A fresh press of button 1 during step 12 leads back to step 11 at once and fires
// again; button 1 held at the end of step 12 also leads back to step 11, but that pass does not
// fire, so holding the button keeps the rifle raised in steps 11 and 12 until it is released.
// Action 2, melee: 2 frames of wind-up in which the robot may turn (20), 2 frames of swing (21),
// the strike of 3 frames (22), 4 and 6 frames of recovery (23, 24), then idle: 17 frames.
// Action 3, LazerShot: 6 frames of charging in which the robot may turn (30), 6 more frames of
// charging standing still (31), the beam in a 4-frame step, still standing (32), 6 frames of
// recovery (33), then idle: 22 frames. A fresh press of button 3 during step 33 ends it at once
// for step 00, and so starts action 3 again from step 30 in the same frame.
// Action 4: no weapon; step 40 is a copy of step 00.
// Guard may turn, and so may the hit reaction.
// Step | Accept | Move | Duration | Fire | Turn | Motion | Frame | Next: none, 1, 2, 3, 4, guard
constexpr StepRow kLmt[] = {
    {0, 0, 1, 1, 0, 1, 0, 0, {0, 10, 20, 30, 40, 50}},
    {10, 0, 1, 4, 0, 1, 1, 0, {11, 11, 11, 11, 11, 11}},
    {11, 0, 1, 2, 1, 0, 1, 1, {12, 12, 12, 12, 12, 12}},
    {12, 1, 1, 3, 0, 0, 1, 2, {13, 11, 13, 13, 13, 13}},
    {13, 0, 1, 3, 0, 0, 1, 3, {14, 14, 14, 14, 14, 14}},
    {14, 0, 1, 3, 0, 0, 1, 4, {0, 0, 0, 0, 0, 0}},
    {20, 0, 1, 2, 0, 1, 2, 0, {21, 21, 21, 21, 21, 21}},
    {21, 0, 1, 2, 0, 0, 2, 1, {22, 22, 22, 22, 22, 22}},
    {22, 0, 1, 3, 1, 0, 2, 2, {23, 23, 23, 23, 23, 23}},
    {23, 0, 1, 4, 0, 0, 2, 3, {24, 24, 24, 24, 24, 24}},
    {24, 0, 1, 6, 0, 0, 2, 4, {0, 0, 0, 0, 0, 0}},
    {30, 0, 1, 6, 0, 1, 3, 0, {31, 31, 31, 31, 31, 31}},
    {31, 0, 0, 6, 0, 0, 3, 1, {32, 32, 32, 32, 32, 32}},
    {32, 0, 0, 4, 1, 0, 3, 2, {33, 33, 33, 33, 33, 33}},
    {33, 1, 1, 6, 0, 0, 3, 3, {0, 0, 0, 0, 0, 0}},
    {50, 0, 0, 1, 0, 1, 5, 0, {0, 0, 0, 0, 0, 50}},
    {60, 0, 1, 10, 0, 1, 6, 0, {0, 0, 0, 0, 0, 0}},
};

}  // namespace

void AgehaStatus(CharacterStatus& dst, int32_t modifier) {
  FillStatus(dst, kV2A, modifier);
}

void AgehaAction(ActionTable& dst) {
  WriteSteps(dst, kLmt);
  CopyIdleToSlot(dst, 4);
}

}  // namespace zk
