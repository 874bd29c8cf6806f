// The chains played through the robot's own stepping: timings, volleys, streams and loops, and
// every reachable frame checked against the kinds' motion tables.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "robot_catalogue.h"
#include "support/motion_tables.h"

namespace zk {
namespace {

using testing_robots::ActionFiller;
using testing_robots::KindInfo;

// One robot stepping its chains frame by frame as the fight loop does, with a weapon that
// always goes off when asked.
class Stepper {
 public:
  Stepper(ActionFiller filler, const KindInfo& kind, int32_t rapid1 = 0, int32_t rapid4 = 0) {
    std::memset(&r_, 0, sizeof r_);
    r_.ResetRuntime();
    r_.ClearActionTable();
    kind.Status(r_.BaseStatus, kind.Modifier);
    filler(r_.Actions);
    r_.RapidFire1 = rapid1;
    r_.RapidFire4 = rapid4;
    r_.RestoreStatus();
  }

  // Runs one frame with the given button code; true when a volley went off in it.
  bool Frame(int32_t button) {
    r_.InputX = 0;
    r_.InputY = 0;
    r_.InputButton = button;
    r_.ApplyInput();
    r_.StartAction();
    bool shot = false;
    if (r_.Step.Fire == 1 && r_.Fired == 0 && r_.Action >= 1 && r_.Action <= 4) {
      r_.Fired = 1;
      shot = true;
    }
    r_.AdvanceStep();
    return shot;
  }

  bool InIdleStep() const {
    return r_.Action == 0 && std::memcmp(&r_.Step, &r_.Actions.Steps[0][0], sizeof r_.Step) == 0;
  }

  const CharacterData& Robot() const { return r_; }

 private:
  CharacterData r_;
};

struct PlayResult {
  int BackToIdle = 0;  // the frame, counting the press as 1, at whose end step 00 is entered
  int Shots = 0;
  std::vector<int> ShotFrames;
};

// Presses `button` for `held` frames (at least 1), then lets go and runs until idle again.
PlayResult Play(Stepper& s, int32_t button, int held = 1, int limit = 200) {
  PlayResult run;
  for (int frame = 1; frame <= limit; ++frame) {
    const bool shot = s.Frame(frame <= held ? button : 0);
    if (shot) {
      ++run.Shots;
      run.ShotFrames.push_back(frame);
    }
    if (frame >= held && s.InIdleStep()) {
      run.BackToIdle = frame;
      return run;
    }
  }
  return run;
}

struct ChainCase {
  const char* Name;
  ActionFiller Filler;
  const KindInfo* Kind;
  int32_t Button;
  int BackToIdle;
};

// A single short press: one volley, and back in step 00 after the chain's frames. Kinds whose
// idle step takes input at once count the press frame as the chain's first; the others start
// the chain at the end of the press frame.
TEST(Chains, SinglePressRunsTheWholeChainOnce) {
  using namespace testing_robots;
  const ChainCase cases[] = {
      // Published chains, as a check of the harness.
      {"VedoZad melee", &FDogAction_Hyaena, &kVedoZad, 2, 38},
      {"Ro-da bazooka", &DFAction_North, &kRoDa, 3, 19},
      {"RiziVov melee", &BuzzBAction_SLAB, &kRiziVov, 2, 1 + 24},
      // Designed chains.
      {"Bannila Boy gatling", &PyroAction_BannilaBoy, &kDuvuZirada, 1, 1 + 16},
      {"Bannila Boy melee", &PyroAction_BannilaBoy, &kDuvuZirada, 2, 1 + 17},
      {"Bannila Boy 180mm", &PyroAction_BannilaBoy, &kDuvuZirada, 3, 1 + 31},
      {"Bannila Boy missile", &PyroAction_BannilaBoy, &kDuvuZirada, 4, 1 + 18},
      {"Pepper Girl 80mm", &PyroAction_PepperGirl, &kDuvuZirada, 3, 1 + 20},
      {"Pepper Girl missiles", &PyroAction_PepperGirl, &kDuvuZirada, 4, 1 + 30},
      {"L.M.T rifle", &AgehaAction, &kV2A, 1, 1 + 15},
      {"L.M.T melee", &AgehaAction, &kV2A, 2, 1 + 17},
      {"L.M.T laser", &AgehaAction, &kV2A, 3, 1 + 22},
      {"Skinny Crow rifle", &ScavAction_SkinnyCrow, &kZeviruraR, 1, 1 + 11},
      {"Skinny Crow firefly", &ScavAction_SkinnyCrow, &kZeviruraR, 2, 1 + 20},
      {"Fat Owl missiles", &ScavAction_FatOwl, &kZeviruraR, 2, 1 + 28},
      {"Nine shotgun", &TBahaoAction_Nine, &kZizoruVuzev, 1, 1 + 22},
      {"Nine melee", &TBahaoAction_Nine, &kZizoruVuzev, 2, 1 + 21},
      {"Nine canon", &TBahaoAction_Nine, &kZizoruVuzev, 3, 1 + 26},
      {"Nine rockets", &TBahaoAction_Nine, &kZizoruVuzev, 4, 1 + 30},
      {"Six cannon", &TBahaoAction_Six, &kZizoruVuzev, 1, 1 + 21},
      {"Six granade", &TBahaoAction_Six, &kZizoruVuzev, 3, 1 + 20},
      {"Six snatcher", &TBahaoAction_Six, &kZizoruVuzev, 4, 1 + 20},
  };
  for (const ChainCase& c : cases) {
    Stepper s(c.Filler, *c.Kind);
    const PlayResult run = Play(s, c.Button);
    EXPECT_EQ(run.BackToIdle, c.BackToIdle) << c.Name;
    EXPECT_EQ(run.Shots, 1) << c.Name;
  }
}

// Rapid-fire weapons stream while their button is held, one volley per period.
TEST(Chains, HeldStreamsFireEveryRapidFirePeriod) {
  struct StreamCase {
    const char* Name;
    ActionFiller Filler;
    int32_t Button, Rapid1, Rapid4, Gap;
  };
  const StreamCase cases[] = {
      {"DuvuZirada gatling", &PyroAction_BannilaBoy, 1, 2, 0, 2},
      {"Pepper Girl gatling", &PyroAction_PepperGirl, 1, 2, 0, 2},
      {"the Six's snatcher", &TBahaoAction_Six, 4, 0, 3, 3},
  };
  for (const StreamCase& c : cases) {
    const KindInfo& kind =
        c.Filler == &TBahaoAction_Six ? testing_robots::kZizoruVuzev : testing_robots::kDuvuZirada;
    Stepper s(c.Filler, kind, c.Rapid1, c.Rapid4);
    const PlayResult run = Play(s, c.Button, 60);
    ASSERT_GE(run.Shots, 15) << c.Name;
    for (size_t i = 1; i < run.ShotFrames.size(); ++i) {
      EXPECT_EQ(run.ShotFrames[i] - run.ShotFrames[i - 1], c.Gap) << c.Name << " shot " << i;
    }
    // After release the stream finishes its firing step and winds down in 8 frames at most.
    EXPECT_GT(run.BackToIdle, 60) << c.Name;
    EXPECT_LE(run.BackToIdle - run.ShotFrames.back(), c.Gap + 8) << c.Name;
  }
}

// A held cannon cycles without firing again; a fresh press in its loop step fires at once.
TEST(Chains, HeldCannonsFireOnceAndFreshPressesFireAgain) {
  Stepper held(&PyroAction_PepperGirl, testing_robots::kDuvuZirada);
  EXPECT_EQ(Play(held, 3, 80).Shots, 1);

  // Pepper Girl: release in step 34 and press again; the loop back to 31 fires in 32.
  Stepper tapped(&PyroAction_PepperGirl, testing_robots::kDuvuZirada);
  int shots = 0;
  for (int frame = 1; frame <= 16; ++frame) shots += tapped.Frame(frame == 1 ? 3 : 0);
  EXPECT_EQ(shots, 1);
  ASSERT_EQ(tapped.Robot().Step.Frame, 4);  // step 34
  shots += tapped.Frame(3);
  EXPECT_EQ(tapped.Robot().Step.Frame, 1);  // back in step 31 at once
  for (int frame = 0; frame < 8; ++frame) shots += tapped.Frame(0);
  EXPECT_EQ(shots, 2);

  // The Six's twin cannon: a fresh press during step 13 leads to step 11 and fires again.
  Stepper six(&TBahaoAction_Six, testing_robots::kZizoruVuzev);
  shots = 0;
  for (int frame = 1; frame <= 18; ++frame) shots += six.Frame(frame == 1 ? 1 : 0);
  ASSERT_EQ(six.Robot().Step.Frame, 3);  // step 13
  EXPECT_EQ(shots, 1);
  shots += six.Frame(1);  // fires in the frame of the press
  EXPECT_EQ(six.Robot().Step.Frame, 1);
  EXPECT_EQ(shots, 2);
}

// ZeviruraR's empty slots leave it idle-looking and free, firing nothing.
TEST(Chains, WeaponlessButtonsKeepTheRobotIdle) {
  for (int32_t button : {3, 4}) {
    Stepper s(&ScavAction_FatOwl, testing_robots::kZeviruraR);
    int shots = 0;
    for (int frame = 0; frame < 10; ++frame) {
      shots += s.Frame(button);
      EXPECT_EQ(s.Robot().Step.Motion, 0);
      EXPECT_EQ(s.Robot().Step.Move, 1);
      EXPECT_EQ(s.Robot().Step.Turn, 1);
    }
    s.Frame(0);
    EXPECT_EQ(shots, 0);
    EXPECT_EQ(s.Robot().Action, 0);
  }
}

// The heavy weapons plant the robot for their firing steps.
TEST(Chains, HeavyWeaponsHoldTheRobotStillWhileFiring) {
  struct Heavy {
    ActionFiller Filler;
    const KindInfo* Kind;
    int32_t Button;
  };
  using namespace testing_robots;
  for (const Heavy& h :
       {Heavy{&PyroAction_BannilaBoy, &kDuvuZirada, 3},
        Heavy{&PyroAction_PepperGirl, &kDuvuZirada, 4}, Heavy{&TBahaoAction_Nine, &kZizoruVuzev, 3},
        Heavy{&TBahaoAction_Nine, &kZizoruVuzev, 4}, Heavy{&ScavAction_FatOwl, &kZeviruraR, 2},
        Heavy{&AgehaAction, &kV2A, 3}}) {
    Stepper s(h.Filler, *h.Kind);
    for (int frame = 1; frame <= 60; ++frame) {
      const ActionStep step = s.Robot().Step;
      if (s.Frame(frame == 1 ? h.Button : 0)) {
        EXPECT_EQ(step.Move, 0) << "button " << h.Button;
      }
    }
  }
}

// Every step of every variant names a listed frame in every facing of its kind's table.
TEST(Chains, EveryStepNamesAFrameOfItsKindsMotionTable) {
  using test_support::IsListedFrame;
  const test_support::FormWithMotionTables tables;
  for (const auto& v : testing_robots::AllVariants()) {
    const MotionTable& table = tables.Table(v.Kind->Frames->Index);
    ActionTable t{};
    v.Filler(t);
    for (const auto& action : t.Steps) {
      for (const ActionStep& s : action) {
        if (s.Duration == 0) continue;  // never written
        for (int facing = 0; facing < kFacings; ++facing) {
          EXPECT_TRUE(IsListedFrame(table.Frames[facing][s.Motion][s.Frame]))
              << v.Name << " facing " << facing << " motion " << s.Motion << " frame " << s.Frame;
        }
      }
    }
  }
}

}  // namespace
}  // namespace zk
