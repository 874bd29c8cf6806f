// DuvuZirada: status values and the action chains of Bannila Boy and Pepper Girl.
#include "robots/robot_tables.h"
#include "robots/status_template.h"
#include "robots/step_rows.h"

namespace zk {

namespace {

// A heavy gun platform (speed modifier -1): thick armour, a wide body, a fast stun recovery
// and the large dust cloud, like D.O.Z.; a little less energy than the walkers.
constexpr KindValues kDuvuZirada = {620, 520, 25, 7, 2, 2};

// The gatling gun and the melee strike, alike in both variants.
//
// Action 1, GatringGun: 4 frames of aiming in which the robot may turn (10), 2 frames while the
// barrels spin up (11), the firing step of 6 frames (12), 4 frames of spin-down (13), then idle:
// 16 frames. Button 1 held at the end of step 12 or 13, or pressed afresh in either, leads back
// to step 12, so the robot keeps streaming in step 12 while the button is held and the rapid-fire
// period of 2 frames fires it every 2 frames; after release it is idle 4 frames after its last
// firing step.
// Action 2, melee: 4 frames of wind-up in which the robot may turn (20), 2 frames of swing (21),
// the strike of 3 frames (22), 8 frames of recovery (23), then idle: 17 frames, always in order.
// Step | Accept | Move | Duration | Fire | Turn | Motion | Frame | Next: none, 1, 2, 3, 4, guard
constexpr StepRow kShared[] = {
    {0, 0, 1, 1, 0, 1, 0, 0, {0, 10, 20, 30, 40, 50}},
    {10, 0, 1, 4, 0, 1, 1, 0, {11, 11, 11, 11, 11, 11}},
    {11, 0, 1, 2, 0, 0, 1, 1, {12, 12, 12, 12, 12, 12}},
    {12, 1, 1, 6, 1, 0, 1, 2, {13, 12, 13, 13, 13, 13}},
    {13, 1, 1, 4, 0, 0, 1, 3, {0, 12, 0, 0, 0, 0}},
    {20, 0, 1, 4, 0, 1, 2, 0, {21, 21, 21, 21, 21, 21}},
    {21, 0, 1, 2, 0, 0, 2, 1, {22, 22, 22, 22, 22, 22}},
    {22, 0, 1, 3, 1, 0, 2, 2, {23, 23, 23, 23, 23, 23}},
    {23, 0, 1, 8, 0, 0, 2, 3, {0, 0, 0, 0, 0, 0}},
    {50, 0, 0, 1, 0, 1, 5, 0, {0, 0, 0, 0, 0, 50}},
};

// Bannila Boy.
// Action 3, 180mm Canon: 6 frames of aiming in which the robot may turn (30), then it plants
// itself: 6 frames of bracing (31) and 6 of wind-up (32), the shot in a 3-frame step (33), all
// three standing still, and 10 frames of recoil in which it may move again (34), then idle:
// 31 frames, no loop.
// Action 4, Missile X1: 4 frames of aiming in which the robot may turn (40), 3 frames raising
// the launcher (41), the launch step of 3 frames (42), 4 and 4 frames lowering it (43, 44),
// then idle: 18 frames; a fresh press of button 4 during step 44 ends it at once.
// The hit reaction holds the facing.
constexpr StepRow kBannilaBoy[] = {
    {30, 0, 1, 6, 0, 1, 3, 0, {31, 31, 31, 31, 31, 31}},
    {31, 0, 0, 6, 0, 0, 3, 1, {32, 32, 32, 32, 32, 32}},
    {32, 0, 0, 6, 0, 0, 3, 2, {33, 33, 33, 33, 33, 33}},
    {33, 0, 0, 3, 1, 0, 3, 3, {34, 34, 34, 34, 34, 34}},
    {34, 0, 1, 10, 0, 0, 3, 4, {0, 0, 0, 0, 0, 0}},
    {40, 0, 1, 4, 0, 1, 4, 0, {41, 41, 41, 41, 41, 41}},
    {41, 0, 1, 3, 0, 0, 4, 1, {42, 42, 42, 42, 42, 42}},
    {42, 0, 1, 3, 1, 0, 4, 2, {43, 43, 43, 43, 43, 43}},
    {43, 0, 1, 4, 0, 0, 4, 3, {44, 44, 44, 44, 44, 44}},
    {44, 1, 1, 4, 0, 0, 4, 4, {0, 0, 0, 0, 0, 0}},
    {60, 0, 1, 10, 0, 0, 6, 0, {0, 0, 0, 0, 0, 0}},
};

// Pepper Girl.
// Action 3, 80mm Cannon: 4 frames of aiming in which the robot may turn (30), 3 frames of
// wind-up (31), the shot in a 3-frame step standing still (32), 4 and 6 frames of recovery
// (33, 34), then idle: 20 frames. Button 3 held at the end of step 34, or pressed afresh during
// it, leads back to step 31: held, the robot cycles 31 to 34 (16 frames) without firing again;
// a fresh press during step 34 fires again in step 32.
// Action 4, Missile X6: 6 frames of aiming in which the robot may turn (40), 4 and 4 frames
// opening the pods standing still (41, 42), the salvo in a 6-frame step, still standing (43),
// 10 frames closing them (44), then idle: 30 frames; a fresh press of button 4 during step 44
// ends it at once.
// She may turn while reeling from a hit.
constexpr StepRow kPepperGirl[] = {
    {30, 0, 1, 4, 0, 1, 3, 0, {31, 31, 31, 31, 31, 31}},
    {31, 0, 1, 3, 0, 0, 3, 1, {32, 32, 32, 32, 32, 32}},
    {32, 0, 0, 3, 1, 0, 3, 2, {33, 33, 33, 33, 33, 33}},
    {33, 0, 1, 4, 0, 0, 3, 3, {34, 34, 34, 34, 34, 34}},
    {34, 1, 1, 6, 0, 0, 3, 4, {0, 0, 0, 31, 0, 0}},
    {40, 0, 1, 6, 0, 1, 4, 0, {41, 41, 41, 41, 41, 41}},
    {41, 0, 0, 4, 0, 0, 4, 1, {42, 42, 42, 42, 42, 42}},
    {42, 0, 0, 4, 0, 0, 4, 2, {43, 43, 43, 43, 43, 43}},
    {43, 0, 0, 6, 1, 0, 4, 3, {44, 44, 44, 44, 44, 44}},
    {44, 1, 1, 10, 0, 0, 4, 4, {0, 0, 0, 0, 0, 0}},
    {60, 0, 1, 10, 0, 1, 6, 0, {0, 0, 0, 0, 0, 0}},
};

}  // namespace

void PyroStatus(CharacterStatus& dst, int32_t modifier) {
  FillStatus(dst, kDuvuZirada, modifier);
}

void PyroAction_BannilaBoy(ActionTable& dst) {
  WriteSteps(dst, kShared);
  WriteSteps(dst, kBannilaBoy);
}

void PyroAction_PepperGirl(ActionTable& dst) {
  WriteSteps(dst, kShared);
  WriteSteps(dst, kPepperGirl);
}

}  // namespace zk
