// The computer opponent's plan state.
#pragma once

#include <cstdint>

namespace zk {

// What the opponent is about in a frame, chosen anew each frame after its plan (cpu_engine.cpp).
enum CpuIntent : int32_t {
  kIntentPlan = 0,  // carries out its plan
  kIntentDodge,     // steps out of the path of player 1's shot, or guards it
  kIntentEvade,     // runs from a mine or a cloud about to catch it, guards a shot that turns
                    // after it
  kIntentCover,     // a guarding player 1 let go within reach, or its strike (winding up or
                    // out) can still reach it: guards or boosts back out
  kIntentPunish,    // player 1 has committed (struck, fired, was hit, boosts): in and strike
  kIntentPin,       // player 1 runs: cuts off its way to the open field and closes in
  kIntentRoam,      // has sent nothing for a while: circles player 1
  kIntentSlip,      // player 1's strike is near with an edge at its back, or reaches it with
                    // nothing stronger to answer: out along the edge or out of reach
  kIntentKeepOff,   // player 1's strike follows itself at once and it walks in: kept off,
                    // boosting, out toward the open field
  kIntents
};

struct CpuPlan {
  int32_t Phase;    // 0: choose a new plan this frame; 1: carry the plan out
  int32_t Counter;  // frames the plan has left (-1: the plan ran out; 0 with Phase 0: a new fight)
  int32_t Plan;     // CpuPlanKind
  int32_t Weapon;   // weapon button of the plan (1 to 4), 0 none
  int32_t Side;     // circling side, 1 or -1
  int32_t Trigger;  // fire rhythm: above 0 frames the button is still held, below 0 released
  int32_t Held;     // frames the button has been held in this press
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
  int32_t FoeFire;     // how much player 1 has been firing lately
  int32_t Frames;      // frames of this fight so far
  int32_t Intent;      // CpuIntent of this frame
  int32_t FoeVX;       // player 1's velocity lately, sixteenths of a pixel a frame
  int32_t FoeVY;
  int32_t FoeRun;        // how much player 1 has been running from it lately
  int32_t CloseIn;       // frames it closes on a runner instead of standing off
  int32_t FoeUnguarded;  // frames since player 1 last guarded (0: it guards now)
  int32_t CoverLeft;     // frames the cover (guard or backing off) has left
  int32_t KeyHold;       // frames its move keys have stayed as they are
  int32_t FoeStrikes;    // how much player 1 has struck lately
  int32_t FoeAmmo;       // player 1's limited ammunition, all slots, last frame
  int32_t FoeShot;       // frames since player 1's ammunition last fell
  int32_t FoeCharge;     // how much player 1 has been walking in on it lately
};

}  // namespace zk
