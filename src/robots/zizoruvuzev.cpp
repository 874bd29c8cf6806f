// ZizoruVuzev: status values and the action chains of the Nine and the Six.
#include "robots/robot_tables.h"
#include "robots/status_template.h"
#include "robots/step_rows.h"

namespace zk {

namespace {

// The heaviest walker (speed modifier -1): armour next to D.O.Z.'s, D.O.Z.'s body size, the least
// boost energy after RiziVov and Ro-da, the large dust cloud, and a decay interval of 1 so that
// it stops at once when it lets go of the controls.
constexpr KindValues kZizoruVuzev = {650, 440, 30, 7, 2, 1};

// The melee strike, alike in both variants.
// Action 2, melee: 4 frames of wind-up in which the robot may turn (20), 2 frames of swing (21),
// the strike of 3 frames (22), 4 and 8 frames of recovery (23, 24), then idle: 21 frames,
// always in that order.
// Step | Accept | Move | Duration | Fire | Turn | Motion | Frame | Next: none, 1, 2, 3, 4, guard
constexpr StepRow kShared[] = {
    {0, 0, 1, 1, 0, 1, 0, 0, {0, 10, 20, 30, 40, 50}},
    {20, 0, 1, 4, 0, 1, 2, 0, {21, 21, 21, 21, 21, 21}},
    {21, 0, 1, 2, 0, 0, 2, 1, {22, 22, 22, 22, 22, 22}},
    {22, 0, 1, 3, 1, 0, 2, 2, {23, 23, 23, 23, 23, 23}},
    {23, 0, 1, 4, 0, 0, 2, 3, {24, 24, 24, 24, 24, 24}},
    {24, 0, 1, 8, 0, 0, 2, 4, {0, 0, 0, 0, 0, 0}},
    {60, 0, 1, 10, 0, 0, 6, 0, {0, 0, 0, 0, 0, 0}},
};

// The Nine.
// Action 1, ShotGun: 6 frames of aiming in which the robot may turn (10), the firing step of
// 4 frames (11), 4 and 8 frames of pumping (12, 13), then idle: 22 frames, no loop; a fresh
// press of button 1 during step 12 only skips ahead to step 13.
// Action 3, 80mmCanon X3: 6 frames of aiming in which the robot may turn (30), then it stands
// still: 6 frames of bracing (31), the three shells in a 4-frame step (32), 10 frames of recoil
// (33), then idle: 26 frames, no loop.
// Action 4, Rocket X6: 6 frames of aiming in which the robot may turn (40), 4 frames raising
// the pods (41), 4 frames of bracing standing still (42), the salvo in a 6-frame step, still
// standing (43), 10 frames lowering the pods (44), then idle: 30 frames; a fresh press of
// button 4 during step 44 ends it at once.
// Guard may turn; the hit reaction holds the facing.
constexpr StepRow kNine[] = {
    {10, 0, 1, 6, 0, 1, 1, 0, {11, 11, 11, 11, 11, 11}},
    {11, 0, 1, 4, 1, 0, 1, 1, {12, 12, 12, 12, 12, 12}},
    {12, 1, 1, 4, 0, 0, 1, 2, {13, 13, 13, 13, 13, 13}},
    {13, 0, 1, 8, 0, 0, 1, 3, {0, 0, 0, 0, 0, 0}},
    {30, 0, 1, 6, 0, 1, 3, 0, {31, 31, 31, 31, 31, 31}},
    {31, 0, 0, 6, 0, 0, 3, 1, {32, 32, 32, 32, 32, 32}},
    {32, 0, 0, 4, 1, 0, 3, 2, {33, 33, 33, 33, 33, 33}},
    {33, 0, 0, 10, 0, 0, 3, 3, {0, 0, 0, 0, 0, 0}},
    {40, 0, 1, 6, 0, 1, 4, 0, {41, 41, 41, 41, 41, 41}},
    {41, 0, 1, 4, 0, 0, 4, 1, {42, 42, 42, 42, 42, 42}},
    {42, 0, 0, 4, 0, 0, 4, 2, {43, 43, 43, 43, 43, 43}},
    {43, 0, 0, 6, 1, 0, 4, 3, {44, 44, 44, 44, 44, 44}},
    {44, 1, 1, 10, 0, 0, 4, 4, {0, 0, 0, 0, 0, 0}},
    {50, 0, 0, 1, 0, 1, 5, 0, {0, 0, 0, 0, 0, 50}},
};

// The Six.
// Action 1, 80mmCannon X2: 6 frames of aiming in which the robot may turn (10), the twin shells
// in a 3-frame step (11), 8 frames of recoil (12), 4 frames of reloading (13), then idle:
// 21 frames. A fresh press of button 1 during step 13 leads back to step 11 at once and fires
// again; held at the end of step 13 the button also leads back to step 11, without firing.
// Action 3, Granade: 6 frames of wind-back in which the robot may turn (30), 3 frames of swing
// (31), the throw in a 3-frame step (32), 8 frames of recovery (33), then idle: 20 frames; a
// fresh press of button 3 during step 33 ends it at once for step 00, and so starts action 3
// again from step 30 in the same frame.
// Action 4, Snatcher: 4 frames of aiming in which the robot may turn (40), 2 frames reaching out
// (41), the firing step of 6 frames (42), 4 and 4 frames pulling back (43, 44), then idle:
// 20 frames. Button 4 held at the end of step 42 or 43, or pressed afresh in either, leads back
// to step 42, so the robot keeps firing in step 42 while the button is held, every 3 frames by
// the rapid-fire period of slot 4; after release it is idle 8 frames after its last firing step.
// Guard and the hit reaction hold the facing.
constexpr StepRow kSix[] = {
    {10, 0, 1, 6, 0, 1, 1, 0, {11, 11, 11, 11, 11, 11}},
    {11, 0, 1, 3, 1, 0, 1, 1, {12, 12, 12, 12, 12, 12}},
    {12, 0, 1, 8, 0, 0, 1, 2, {13, 13, 13, 13, 13, 13}},
    {13, 1, 1, 4, 0, 0, 1, 3, {0, 11, 0, 0, 0, 0}},
    {30, 0, 1, 6, 0, 1, 3, 0, {31, 31, 31, 31, 31, 31}},
    {31, 0, 1, 3, 0, 0, 3, 1, {32, 32, 32, 32, 32, 32}},
    {32, 0, 1, 3, 1, 0, 3, 2, {33, 33, 33, 33, 33, 33}},
    {33, 1, 1, 8, 0, 0, 3, 3, {0, 0, 0, 0, 0, 0}},
    {40, 0, 1, 4, 0, 1, 4, 0, {41, 41, 41, 41, 41, 41}},
    {41, 0, 1, 2, 0, 0, 4, 1, {42, 42, 42, 42, 42, 42}},
    {42, 1, 1, 6, 1, 0, 4, 2, {43, 43, 43, 43, 42, 43}},
    {43, 1, 1, 4, 0, 0, 4, 3, {44, 44, 44, 44, 42, 44}},
    {44, 0, 1, 4, 0, 0, 4, 4, {0, 0, 0, 0, 0, 0}},
    {50, 0, 0, 1, 0, 0, 5, 0, {0, 0, 0, 0, 0, 50}},
};

}  // namespace

void TBahaoStatus(CharacterStatus& dst, int32_t modifier) {
  FillStatus(dst, kZizoruVuzev, modifier);
}

void TBahaoAction_Nine(ActionTable& dst) {
  WriteSteps(dst, kShared);
  WriteSteps(dst, kNine);
}

void TBahaoAction_Six(ActionTable& dst) {
  WriteSteps(dst, kShared);
  WriteSteps(dst, kSix);
}

}  // namespace zk
