// The computer opponent's plan state.
#pragma once

#include <cstdint>

namespace zk {

struct CpuPlan {
  int32_t Phase;      // 0: choose a new plan this frame; 1: carry the plan out
  int32_t Counter;    // frames the plan has left
  int32_t Plan;       // CpuPlanKind
  int32_t Weapon;     // weapon button of the plan (1 to 4), 0 none
  int32_t Side;       // circling side, 1 or -1
  int32_t Trigger;    // fire rhythm: above 0 frames the button is still held, below 0 released
  int32_t Held;       // frames the button has been held in this press
  int32_t DodgeLeft;  // frames the dodge step has left
  int32_t DodgeX;     // the dodge step's control fields
  int32_t DodgeY;
  int32_t DodgeButton;
  int32_t Alert;       // frames a seen shot stays ignored after a failed dodge roll
  int32_t FoeGuard;    // how much player 1 has been guarding lately
  int32_t Quiet;       // frames in a row it has sent no input
  int32_t Idle;        // frames in a row no weapon button went down
  int32_t Misses;      // straight volleys in a row that missed
  int32_t Watch;       // frames until the last straight volley should have arrived (0: none)
  int32_t WatchArmor;  // player 1's armour when that volley went
  int32_t Hold;        // frames straight weapons wait while it moves to another line
  int32_t LastArmor;   // player 2's armour in the last frame (more now: a new fight)
  int32_t FoeFire;     // how much player 1 has been firing lately
  int32_t Frames;      // frames of this fight so far
};

}  // namespace zk
