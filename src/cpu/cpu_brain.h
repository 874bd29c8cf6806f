// What sets one robot kind's computer opponent apart: a small table the shared engine reads.
#pragma once

#include <cstdint>

namespace zk {

class TForm1;

// The plans the engine can follow for a few frames to a few seconds.
enum CpuPlanKind : int32_t {
  kPlanClose = 0,  // close to the chosen weapon's band, line up and fire
  kPlanCircle,     // circle at the weapon's band toward a firing line, fire when on it
  kPlanStrafe,     // run sideways at the weapon's band, firing
  kPlanKeepAway,   // back off to the far band, fire when a line opens
  kPlanBurst,      // stand, turn and fire
  kPlanMine,       // walk to where player 1 goes and lay a mine there
  kPlanGuard,      // guard while player 1 fires
  kPlanBoostOut,   // boost out of a corner toward the open field
  kPlanKinds
};

struct CpuBrain {
  int32_t Near;                    // the distance band it keeps when no weapon asks otherwise
  int32_t Far;                     // (and the far band of keeping away)
  int32_t PlanWeight[kPlanKinds];  // how often each plan is chosen, where it fits
  int32_t SlotWeight[4];           // preference for weapons 1 to 4 where the variant arms them
  int32_t DodgeChance;             // percent of incoming shots it sees and steps away from
  int32_t FireGap;                 // frames a weapon button stays up between two presses
  int32_t BoostEnergy;             // energy it keeps before boosting
  int32_t Patient;                 // 1: every weapon runs dry; a straight shot goes only where
                                   // it arrives before a guard can go up, or player 1 cannot guard
};

// One frame of the computer opponent with `brain`: reads the scene, and either chooses a new plan
// (leaving player 2's control fields as they are) or writes them from the plan.
void ThinkWith(TForm1& form, const CpuBrain& brain);

}  // namespace zk
