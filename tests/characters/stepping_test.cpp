// Action chain stepping: latches, starting and chaining actions, step timings, rapid fire and the
// hit reaction.
#include <gtest/gtest.h>

#include "robot_fixture.h"

namespace zk {
namespace {

using test::MakeRobot;
using test::MakeStep;

struct LatchCase {
  int32_t code;
  int32_t latch[4];
  int32_t guard;
  int32_t boost;
};

// Every code writes all six latch fields; starting from a robot whose latches all read 5 (held
// for a while) shows which it sets, counts and clears.
TEST(ApplyInput, ButtonCodesSetAndClearEveryLatch) {
  const LatchCase cases[] = {
      {0, {0, 0, 0, 0}, 0, 0},  {1, {6, 0, 0, 0}, 0, 0},  {2, {0, 6, 0, 0}, 0, 0},
      {3, {0, 0, 6, 0}, 0, 0},  {4, {0, 0, 0, 6}, 0, 0},  {5, {0, 0, 0, 0}, 1, 0},
      {6, {0, 0, 0, 0}, 0, 1},  {7, {6, 0, 0, 0}, 0, 1},  {8, {0, 6, 0, 0}, 0, 1},
      {9, {0, 0, 6, 0}, 0, 1},  {10, {0, 0, 0, 6}, 0, 1}, {11, {5, 5, 5, 5}, 5, 5},
      {-1, {5, 5, 5, 5}, 5, 5},
  };
  for (const LatchCase& c : cases) {
    CharacterData robot = MakeRobot();
    for (int32_t& latch : robot.ButtonLatch) latch = 5;
    robot.GuardLatch = 5;
    robot.Boost = 5;
    robot.InputButton = c.code;
    robot.ApplyInput();
    for (int k = 0; k < 4; ++k) EXPECT_EQ(robot.ButtonLatch[k], c.latch[k]) << "code " << c.code;
    EXPECT_EQ(robot.GuardLatch, c.guard) << "code " << c.code;
    EXPECT_EQ(robot.Boost, c.boost) << "code " << c.code;
  }
}

TEST(ApplyInput, HeldButtonCountsFramesAndReleaseClears) {
  CharacterData robot = MakeRobot();
  robot.InputButton = 3;
  for (int32_t frame = 1; frame <= 4; ++frame) {
    robot.ApplyInput();
    EXPECT_EQ(robot.ButtonLatch[2], frame);
  }
  robot.InputButton = 9;  // the same button with boost keeps counting
  robot.ApplyInput();
  EXPECT_EQ(robot.ButtonLatch[2], 5);
  robot.InputButton = 0;
  robot.ApplyInput();
  EXPECT_EQ(robot.ButtonLatch[2], 0);
}

TEST(ApplyInput, LevelsClimbToThreeAndDropAtOnce) {
  CharacterData robot = MakeRobot();
  robot.InputX = 1;
  robot.InputY = 2;
  const int32_t expected[] = {1, 2, 3, 3};
  for (int32_t level : expected) {
    robot.ApplyInput();
    EXPECT_EQ(robot.LevelRight, level);
    EXPECT_EQ(robot.LevelDown, level);
    EXPECT_EQ(robot.MoveCode, 22);
  }
  robot.InputX = 2;  // the opposite direction starts from 1 and drops the other to 0
  robot.InputY = 0;
  robot.ApplyInput();
  EXPECT_EQ(robot.LevelLeft, 1);
  EXPECT_EQ(robot.LevelRight, 0);
  EXPECT_EQ(robot.LevelDown, 0);
  EXPECT_EQ(robot.MoveCode, 1);
}

TEST(ApplyInput, MoveCodeForEveryDirectionPair) {
  const int32_t codes[3][3] = {{0, 10, 20}, {2, 12, 22}, {1, 11, 21}};  // [InputX][InputY]
  for (int32_t x = 0; x < 3; ++x) {
    for (int32_t y = 0; y < 3; ++y) {
      CharacterData robot = MakeRobot();
      robot.MoveCode = 99;
      robot.InputX = x;
      robot.InputY = y;
      robot.ApplyInput();
      EXPECT_EQ(robot.MoveCode, codes[x][y]) << x << "," << y;
    }
  }
}

TEST(ApplyInput, UnknownDirectionCodeChangesNothingOnItsAxis) {
  CharacterData robot = MakeRobot();
  robot.LevelLeft = 2;
  robot.LevelRight = 0;
  robot.LevelUp = 3;
  robot.InputX = 3;
  robot.InputY = -4;
  robot.ApplyInput();
  EXPECT_EQ(robot.LevelLeft, 2);
  EXPECT_EQ(robot.LevelUp, 3);
  EXPECT_EQ(robot.MoveCode, 0);
}

// A table whose weapon actions have two steps: k0 (Duration 3, Accept 1) chaining to k1.
CharacterData ChainRobot() {
  CharacterData robot = MakeRobot();
  ActionStep idle = MakeStep(0, 1, 1);
  for (int k = 0; k < 6; ++k) idle.Next[k] = k * 10;
  robot.Actions.Steps[0][0] = idle;
  for (int k = 1; k <= 4; ++k) {
    ActionStep first = MakeStep(k, 3, 1);
    first.Fire = 1;
    for (int n = 0; n < 6; ++n) first.Next[n] = k * 10 + 1;
    first.Next[0] = 0;
    robot.Actions.Steps[k][0] = first;
    ActionStep second = MakeStep(k, 2, 1);
    second.Next[k] = k * 10;
    robot.Actions.Steps[k][1] = second;
  }
  ActionStep guard = MakeStep(5, 1, 0, 0);
  guard.Next[5] = 50;
  robot.Actions.Steps[5][0] = guard;
  robot.Actions.Steps[6][0] = MakeStep(6, 10);
  robot.RestoreStatus();
  return robot;
}

TEST(StartAction, StartsOnlyOnAFreshPressInAnAcceptingStep) {
  CharacterData robot = ChainRobot();
  robot.ButtonLatch[1] = 2;  // held from before: no start
  EXPECT_EQ(robot.StartAction(), 0);
  EXPECT_EQ(robot.Action, 0);

  robot.ButtonLatch[1] = 1;
  robot.Step.Accept = 0;  // a step that takes no input at once
  EXPECT_EQ(robot.StartAction(), 0);

  robot.Step.Accept = 2;  // only 1 counts as set
  EXPECT_EQ(robot.StartAction(), 0);

  robot.Step.Accept = 1;
  robot.Fired = 1;
  EXPECT_EQ(robot.StartAction(), 2);
  EXPECT_EQ(robot.Action, 2);
  EXPECT_EQ(robot.Step.Action, 2);
  EXPECT_EQ(robot.StepTick, 0);
  EXPECT_EQ(robot.ButtonLatch[1], 2);
  EXPECT_EQ(robot.Fired, 1);  // a start does not re-arm
}

TEST(StartAction, GuardNeedsNoFreshPressAndComesFirst) {
  CharacterData robot = ChainRobot();
  robot.GuardLatch = 1;
  robot.ButtonLatch[0] = 1;
  EXPECT_EQ(robot.StartAction(), 5);
  EXPECT_EQ(robot.Action, 5);
  EXPECT_EQ(robot.Step.Action, 5);
  EXPECT_EQ(robot.ButtonLatch[0], 1);
  // In guard nothing starts or chains.
  robot.Step.Accept = 1;
  EXPECT_EQ(robot.StartAction(), 0);
}

TEST(StartAction, FreshPressOfOwnButtonChainsAndReArms) {
  CharacterData robot = ChainRobot();
  robot.ButtonLatch[0] = 1;
  ASSERT_EQ(robot.StartAction(), 1);
  robot.Fired = 1;
  robot.ButtonLatch[0] = 1;
  EXPECT_EQ(robot.StartAction(), 1);
  EXPECT_EQ(robot.Step.Action, 1);
  EXPECT_EQ(robot.Step.Duration, 2);  // step 11
  EXPECT_EQ(robot.Fired, 0);
  EXPECT_EQ(robot.ButtonLatch[0], 2);

  // A fresh press of another button does nothing now.
  robot.ButtonLatch[0] = 0;
  robot.ButtonLatch[1] = 1;
  EXPECT_EQ(robot.StartAction(), 0);
  EXPECT_EQ(robot.Action, 1);
}

TEST(StartAction, ChainKeepsTheActionWhateverTheEnteredStepBelongsTo) {
  CharacterData robot = ChainRobot();
  robot.Actions.Steps[3][0].Next[3] = 0;  // a chain back into idle
  robot.ButtonLatch[2] = 1;
  ASSERT_EQ(robot.StartAction(), 3);
  robot.ButtonLatch[2] = 1;
  EXPECT_EQ(robot.StartAction(), 3);
  EXPECT_EQ(robot.Step.Action, 0);
  EXPECT_EQ(robot.Action, 3);
}

TEST(StartAction, HitReactionNeverActs) {
  CharacterData robot = ChainRobot();
  robot.Action = 6;
  robot.Step = robot.Actions.Steps[6][0];
  robot.Step.Accept = 1;
  robot.ButtonLatch[0] = 1;
  robot.GuardLatch = 1;
  EXPECT_EQ(robot.StartAction(), 0);
  EXPECT_EQ(robot.Action, 6);
}

// Frames in which a 3-frame step ends, counted from the frame it was entered.
TEST(AdvanceStep, StepEnteredByStartActionEndsOneFrameEarlier) {
  CharacterData robot = ChainRobot();
  // Frame 0: fresh press, StartAction enters step 10 (3 frames); AdvanceStep counts 1 already.
  robot.ButtonLatch[0] = 1;
  ASSERT_EQ(robot.StartAction(), 1);
  robot.ButtonLatch[0] = 0;
  int frame = 0;
  robot.AdvanceStep();
  while (robot.Step.Duration == 3) {
    ++frame;
    robot.AdvanceStep();
  }
  EXPECT_EQ(frame, 2);

  // Entered by AdvanceStep: step 10 reached at the end of an idle frame with button 1 held.
  CharacterData other = ChainRobot();
  other.ButtonLatch[0] = 3;
  ASSERT_EQ(other.AdvanceStep(), 1);
  ASSERT_EQ(other.Step.Duration, 3);
  other.ButtonLatch[0] = 0;
  frame = 0;
  while (other.Step.Duration == 3 && other.Step.Action == 1) {
    ++frame;
    other.AdvanceStep();
  }
  EXPECT_EQ(frame, 3);
}

TEST(AdvanceStep, EndOfStepFollowsGuardThenButtonsThenNothing) {
  CharacterData robot = ChainRobot();
  robot.Actions.Steps[0][0].Next[5] = 50;

  // Guard held at the end: Next[5], action 5, Fired kept.
  robot.GuardLatch = 1;
  robot.Fired = 1;
  EXPECT_EQ(robot.AdvanceStep(), 5);
  EXPECT_EQ(robot.Action, 5);
  EXPECT_EQ(robot.Fired, 1);

  // Held button (not fresh) at the end: Next[k], action k.
  robot = ChainRobot();
  robot.ButtonLatch[3] = 7;
  EXPECT_EQ(robot.AdvanceStep(), 4);
  EXPECT_EQ(robot.Action, 4);
  EXPECT_EQ(robot.Step.Action, 4);

  // Nothing held: Next[0], Fired re-armed, back to idle.
  robot.ButtonLatch[3] = 0;
  robot.Fired = 1;
  for (int i = 0; i < 3; ++i) robot.AdvanceStep();
  EXPECT_EQ(robot.Action, 0);
  EXPECT_EQ(robot.Fired, 0);
}

TEST(AdvanceStep, NoInputIntoANonIdleStepKeepsTheAction) {
  CharacterData robot = ChainRobot();
  robot.Actions.Steps[2][0].Next[0] = 21;
  robot.ButtonLatch[1] = 1;
  ASSERT_EQ(robot.StartAction(), 2);
  robot.ButtonLatch[1] = 0;
  robot.AdvanceStep();
  robot.AdvanceStep();
  EXPECT_EQ(robot.AdvanceStep(), 0);
  EXPECT_EQ(robot.Step.Duration, 2);  // step 21
  EXPECT_EQ(robot.Action, 2);
}

TEST(AdvanceStep, RapidFireReArmsEveryPeriodInItsActionOnly) {
  CharacterData robot = MakeRobot();
  ActionStep burst = MakeStep(1, 12);
  burst.Fire = 1;
  robot.Step = burst;
  robot.Action = 1;
  robot.RapidFire1 = 4;
  std::vector<int32_t> rearmed;
  for (int32_t frame = 1; frame <= 11; ++frame) {
    robot.Fired = 1;
    robot.AdvanceStep();
    if (robot.Fired == 0) rearmed.push_back(robot.StepTick);
  }
  EXPECT_EQ(rearmed, (std::vector<int32_t>{4, 8}));

  // RapidFire4 does not touch a step of action 1, nor RapidFire1 a step of action 4.
  CharacterData other = MakeRobot();
  other.Step = burst;
  other.RapidFire4 = 1;
  other.Fired = 1;
  other.AdvanceStep();
  EXPECT_EQ(other.Fired, 1);
  other.Step = MakeStep(4, 12);
  other.RapidFire1 = 1;
  other.RapidFire4 = 0;  // period 0 switches re-arming off
  other.StepTick = 0;
  other.AdvanceStep();
  EXPECT_EQ(other.Fired, 1);
}

TEST(AdvanceStep, HitReactionCountsStunOff) {
  struct Case {
    int32_t stun;
    int32_t frames;
  };
  for (const Case& c : {Case{20, 4}, Case{0, 1}, Case{24, 4}, Case{25, 5}}) {
    CharacterData robot = ChainRobot();  // StunRecovery 6
    robot.Action = 6;
    robot.Step = robot.Actions.Steps[6][0];
    robot.Stun = c.stun;
    robot.Fired = 1;
    int32_t frames = 0;
    int32_t result = 6;
    while (result == 6 && frames < 100) {
      result = robot.AdvanceStep();
      ++frames;
    }
    EXPECT_EQ(frames, c.frames) << "stun " << c.stun;
    EXPECT_EQ(robot.Stun, c.stun);  // kept for the next hit
    EXPECT_EQ(robot.Action, 0);
    EXPECT_EQ(robot.Fired, 0);
  }
}

// A kind whose recovery is 0 or less would stay stunned for good; it recovers 1 per frame.
TEST(AdvanceStep, HitReactionEndsEvenWithoutRecovery) {
  for (int32_t recovery : {0, -4}) {
    CharacterData robot = ChainRobot();
    robot.Status.StunRecovery = recovery;
    robot.Action = 6;
    robot.Step = robot.Actions.Steps[6][0];
    robot.Stun = 3;
    EXPECT_EQ(robot.AdvanceStep(), 6);
    EXPECT_EQ(robot.AdvanceStep(), 6);
    EXPECT_EQ(robot.AdvanceStep(), 0) << recovery;
    EXPECT_EQ(robot.Action, 0);
  }
}

TEST(AdvanceStep, HitReactionEndingInANonIdleStepReportsSix) {
  CharacterData robot = ChainRobot();
  robot.Actions.Steps[6][0].Next[0] = 11;
  robot.Action = 6;
  robot.Step = robot.Actions.Steps[6][0];
  robot.Stun = 0;
  robot.GuardLatch = 1;  // no latch is looked at in the reaction
  EXPECT_EQ(robot.AdvanceStep(), 6);
  EXPECT_EQ(robot.Step.Action, 1);
  EXPECT_EQ(robot.Action, 6);
}

TEST(AdvanceStep, ClearedTableWalksStepZeroInTwoFrameSteps) {
  CharacterData robot = MakeRobot();
  for (int frame = 1; frame <= 6; ++frame) {
    robot.AdvanceStep();
    EXPECT_EQ(robot.StepTick, frame % 2);
    EXPECT_EQ(robot.Action, 0);
  }
}

// Faults a broken table could cause are held off: a step shorter than a frame ends after one
// frame, and a Next that names no step leads to the idle step.
TEST(AdvanceStep, ShortStepsLastOneFrame) {
  for (int32_t duration : {0, -3}) {
    CharacterData robot = MakeRobot();
    robot.Step = MakeStep(1, duration);
    robot.Step.Next[0] = 0;
    robot.Action = 1;
    EXPECT_EQ(robot.AdvanceStep(), 0);
    EXPECT_EQ(robot.Action, 0);
    EXPECT_EQ(robot.StepTick, 0);
  }
}

TEST(AdvanceStep, NextThatNamesNoStepEntersIdle) {
  for (int32_t id : {70, 99, -1, -25, 1000}) {
    CharacterData robot = ChainRobot();
    robot.Actions.Steps[0][3] = MakeStep(2, 5);  // a marker that must not be entered
    robot.Step = MakeStep(1, 1);
    robot.Step.Next[0] = id;
    robot.Action = 1;
    robot.AdvanceStep();
    EXPECT_EQ(robot.Step.Action, 0) << id;
    EXPECT_EQ(robot.Step.Duration, 1) << id;
    EXPECT_EQ(robot.Action, 0) << id;
  }
}

TEST(EnterStep, DecodesActionAndStep) {
  CharacterData robot = MakeRobot();
  robot.Actions.Steps[3][5] = MakeStep(3, 7);
  robot.StepTick = 4;
  robot.EnterStep(35);
  EXPECT_EQ(robot.Step.Duration, 7);
  EXPECT_EQ(robot.StepTick, 0);
}

}  // namespace
}  // namespace zk
