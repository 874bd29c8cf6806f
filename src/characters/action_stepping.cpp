// Action chain stepping: control fields to latches, starting and chaining actions, and counting
// the frames of each step.
#include <cstdint>
#include <limits>

#include "characters/character_data.h"

namespace zk {

namespace {

// A held button counts its frames; the count stops at the top instead of wrapping.
void CountHeld(int32_t& latch) {
  if (latch < std::numeric_limits<int32_t>::max()) ++latch;
}

// Sets the latches for one held weapon button k (1 to 4) and clears the other three.
void HoldWeaponButton(int32_t (&latches)[4], int32_t k) {
  for (int32_t i = 0; i < 4; ++i) {
    if (i == k - 1) {
      CountHeld(latches[i]);
    } else {
      latches[i] = 0;
    }
  }
}

void ReleaseWeaponButtons(int32_t (&latches)[4]) {
  for (int32_t& latch : latches) latch = 0;
}

}  // namespace

void CharacterData::EnterStep(int32_t id) {
  int32_t action = StepAction(id);
  int32_t step = StepIndex(id);
  // A broken table must not send the robot outside its steps: such an id means idle.
  if (action < 0 || action >= kActionCount || step < 0 || step > 9) {
    action = 0;
    step = 0;
  }
  Step = Actions.Steps[action][step];
  StepTick = 0;
}

void CharacterData::ApplyInput() {
  MoveCode = 0;

  switch (InputX) {
    case kInputXNone:
      LevelLeft = 0;
      LevelRight = 0;
      break;
    case kInputRight:
      if (LevelRight < 3) ++LevelRight;
      LevelLeft = 0;
      MoveCode += 2;
      break;
    case kInputLeft:
      if (LevelLeft < 3) ++LevelLeft;
      LevelRight = 0;
      MoveCode += 1;
      break;
    default:
      break;
  }

  switch (InputY) {
    case kInputYNone:
      LevelUp = 0;
      LevelDown = 0;
      break;
    case kInputUp:
      if (LevelUp < 3) ++LevelUp;
      LevelDown = 0;
      MoveCode += 10;
      break;
    case kInputDown:
      if (LevelDown < 3) ++LevelDown;
      LevelUp = 0;
      MoveCode += 20;
      break;
    default:
      break;
  }

  const int32_t code = InputButton;
  if (code == kButtonNone) {
    ReleaseWeaponButtons(ButtonLatch);
    GuardLatch = 0;
    Boost = 0;
  } else if (code >= kButtonWeapon1 && code <= kButtonWeapon4) {
    HoldWeaponButton(ButtonLatch, code);
    GuardLatch = 0;
    Boost = 0;
  } else if (code == kButtonGuard) {
    ReleaseWeaponButtons(ButtonLatch);
    GuardLatch = 1;
    Boost = 0;
  } else if (code == kButtonBoost) {
    ReleaseWeaponButtons(ButtonLatch);
    GuardLatch = 0;
    Boost = 1;
  } else if (code >= kButtonBoostWeapon1 && code <= kButtonBoostWeapon4) {
    HoldWeaponButton(ButtonLatch, code - kButtonBoost);
    GuardLatch = 0;
    Boost = 1;
  }
  // Any other code leaves every latch as it was.
}

int32_t CharacterData::StartAction() {
  if (Step.Accept != 1) return 0;

  if (Action == kActionIdle) {
    if (GuardLatch == 1) {
      Action = kActionGuard;
      EnterStep(MakeStepId(kActionGuard, 0));
      return kActionGuard;
    }
    for (int32_t k = kActionWeapon1; k <= kActionWeapon4; ++k) {
      if (ButtonLatch[k - 1] == 1) {
        Action = k;
        EnterStep(MakeStepId(k, 0));
        ButtonLatch[k - 1] = 2;
        return k;
      }
    }
    return 0;
  }

  if (Action >= kActionWeapon1 && Action <= kActionWeapon4 && ButtonLatch[Action - 1] == 1) {
    // A fresh press of the action's own button chains; the action number stays whatever
    // action the entered step belongs to.
    EnterStep(Step.Next[Action]);
    ButtonLatch[Action - 1] = 2;
    Fired = 0;
    return Action;
  }
  return 0;
}

int32_t CharacterData::AdvanceStep() {
  if (Step.Action == kActionHit) {
    // The hit reaction lasts until the stun is worked off; its Duration is not used.
    // A recovery below 1 would keep the robot stunned for good; it counts at least 1.
    const int64_t recovery = Status.StunRecovery < 1 ? 1 : Status.StunRecovery;
    const int64_t tick = static_cast<int64_t>(StepTick) + recovery;
    StepTick = tick > std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max()
                                                          : static_cast<int32_t>(tick);
    if (StepTick >= Stun) {
      EnterStep(Step.Next[0]);
      Fired = 0;
      if (Step.Action == kActionIdle) {
        Action = kActionIdle;
        return kActionIdle;
      }
    }
    return kActionHit;
  }

  if (StepTick < std::numeric_limits<int32_t>::max()) ++StepTick;

  // Rapid fire re-arms the weapon every period frames of a step of action 1 or 4.
  if (RapidFire1 != 0 && Step.Action == kActionWeapon1 && StepTick % RapidFire1 == 0 && Fired == 1)
    Fired = 0;
  if (RapidFire4 != 0 && Step.Action == kActionWeapon4 && StepTick % RapidFire4 == 0 && Fired == 1)
    Fired = 0;

  // A step shorter than one frame would never end; it lasts one frame instead.
  const int32_t duration = Step.Duration < 1 ? 1 : Step.Duration;
  if (StepTick != duration) return 0;

  if (GuardLatch == 1) {
    EnterStep(Step.Next[kActionGuard]);
    Action = kActionGuard;
    return kActionGuard;
  }
  for (int32_t k = kActionWeapon1; k <= kActionWeapon4; ++k) {
    if (ButtonLatch[k - 1] >= 1) {
      EnterStep(Step.Next[k]);
      Action = k;
      return k;
    }
  }
  EnterStep(Step.Next[0]);
  Fired = 0;
  if (Step.Action == kActionIdle) Action = kActionIdle;
  return kActionIdle;
}

}  // namespace zk
