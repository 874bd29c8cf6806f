// Table-wide rules over every variant of every kind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>

#include "robot_catalogue.h"
#include "support/case_names.h"

namespace zk {
namespace {

using testing_robots::AllVariants;
using testing_robots::VariantInfo;

// A step no filler writes: any reachable step that still holds it was never written.
ActionStep Unwritten() {
  ActionStep s{};
  s.Accept = 0;
  s.Action = 0;
  s.Move = 1;
  s.Duration = 77;
  s.Turn = 1;
  return s;
}

bool IsUnwritten(const ActionStep& s) {
  return s.Duration == 77;
}

ActionTable FilledWithSentinel(const VariantInfo& v) {
  ActionTable t;
  for (auto& action : t.Steps) {
    for (ActionStep& s : action) s = Unwritten();
  }
  v.Filler(t);
  return t;
}

const ActionStep& At(const ActionTable& t, int32_t id) {
  return t.Steps[StepAction(id)][StepIndex(id)];
}

bool ValidId(int32_t id) {
  return id >= 0 && id <= 69;
}

// Steps the robot can be in: the idle step, the first step of each action (started from idle),
// the hit reaction, and whatever their Next entries lead to.
std::set<int32_t> Reachable(const ActionTable& t) {
  std::set<int32_t> seen;
  std::vector<int32_t> todo = {0, 10, 20, 30, 40, 50, 60};
  while (!todo.empty()) {
    const int32_t id = todo.back();
    todo.pop_back();
    if (!ValidId(id) || !seen.insert(id).second) continue;
    for (int32_t next : At(t, id).Next) todo.push_back(next);
  }
  return seen;
}

class EveryVariant : public ::testing::TestWithParam<VariantInfo> {};

TEST_P(EveryVariant, NextEntriesNameWrittenSteps) {
  const ActionTable t = FilledWithSentinel(GetParam());
  for (int32_t id : Reachable(t)) {
    const ActionStep& s = At(t, id);
    EXPECT_FALSE(IsUnwritten(s)) << "step " << id << " is reached but never written";
    for (int32_t next : s.Next) {
      EXPECT_TRUE(ValidId(next) && StepIndex(next) <= 9) << "step " << id << " -> " << next;
    }
  }
}

TEST_P(EveryVariant, FieldsStayInTheirRanges) {
  const VariantInfo& v = GetParam();
  const ActionTable t = FilledWithSentinel(v);
  for (int32_t id : Reachable(t)) {
    const ActionStep& s = At(t, id);
    SCOPED_TRACE(::testing::Message() << "step " << id);
    for (uint8_t flag : {s.Accept, s.Move, s.Fire, s.Turn}) EXPECT_LE(flag, 1);
    EXPECT_GE(s.Duration, 1);
    EXPECT_LE(s.Duration, 20);
    EXPECT_GE(s.Motion, 0);
    EXPECT_LE(s.Motion, 6);
    const bool copy = std::count(v.Weaponless.begin(), v.Weaponless.end(), StepAction(id)) > 0;
    EXPECT_EQ(s.Action, copy ? 0 : StepAction(id));
    int32_t motion = copy ? 0 : StepAction(id);
    for (const auto& e : v.MotionExceptions) {
      if (e.StepId == id) motion = e.Motion;
    }
    EXPECT_EQ(s.Motion, motion);
  }
}

TEST_P(EveryVariant, ReachableFramesAreListedInTheKindsMotionTable) {
  const VariantInfo& v = GetParam();
  const ActionTable t = FilledWithSentinel(v);
  std::set<int32_t> framesUsed[7];
  for (int32_t id : Reachable(t)) {
    const ActionStep& s = At(t, id);
    ASSERT_GE(s.Motion, 0);
    ASSERT_LE(s.Motion, 6);
    EXPECT_GE(s.Frame, 0) << id;
    EXPECT_LT(s.Frame, v.Kind->Frames->Count[s.Motion]) << "step " << id << " motion " << s.Motion;
    framesUsed[s.Motion].insert(s.Frame);
  }
  if (v.Designed) {
    // A designed chain plays every frame of the rows it uses.
    for (int m = 1; m <= 4; ++m) {
      if (framesUsed[m].empty()) continue;
      EXPECT_EQ(static_cast<int>(framesUsed[m].size()), v.Kind->Frames->Count[m]) << "motion " << m;
    }
  }
}

TEST_P(EveryVariant, IdleGuardAndHitFollowTheRules) {
  const VariantInfo& v = GetParam();
  const ActionTable t = FilledWithSentinel(v);
  const int32_t home = v.Kind->HomeIdle;

  const ActionStep& idle = At(t, 0);
  EXPECT_EQ(idle.Accept, v.Kind->IdleAccept);
  EXPECT_EQ(idle.Action, 0);
  EXPECT_EQ(idle.Move, 1);
  EXPECT_EQ(idle.Duration, 1);
  EXPECT_EQ(idle.Fire, 0);
  EXPECT_EQ(idle.Turn, 1);
  EXPECT_EQ(idle.Motion, 0);
  EXPECT_EQ(idle.Frame, 0);
  const int32_t idleNext[6] = {0, 10, 20, 30, 40, 50};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(idle.Next[i], idleNext[i]);

  const ActionStep& guard = At(t, 50);
  EXPECT_EQ(guard.Action, 5);
  EXPECT_EQ(guard.Move, 0);
  EXPECT_EQ(guard.Duration, 1);
  EXPECT_EQ(guard.Fire, 0);
  EXPECT_EQ(guard.Motion, 5);
  EXPECT_EQ(guard.Frame, 0);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(guard.Next[i], home);
  EXPECT_EQ(guard.Next[5], 50);

  const ActionStep& hit = At(t, 60);
  EXPECT_EQ(hit.Action, 6);
  EXPECT_EQ(hit.Accept, 0);
  EXPECT_EQ(hit.Move, 1);
  EXPECT_EQ(hit.Duration, 10);
  EXPECT_EQ(hit.Fire, 0);
  EXPECT_EQ(hit.Motion, 6);
  EXPECT_EQ(hit.Frame, 0);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(hit.Next[i], home);

  // Guard and hit have one step each; the idle action has 00 (and Ridezazo's 01) only.
  for (int s = 1; s < kStepSlots; ++s) {
    EXPECT_TRUE(IsUnwritten(t.Steps[5][s])) << "guard step " << s;
    EXPECT_TRUE(IsUnwritten(t.Steps[6][s])) << "hit step " << s;
    if (s != home) {
      EXPECT_TRUE(IsUnwritten(t.Steps[0][s])) << "idle step " << s;
    }
  }
  // Nothing ever fires outside the weapon actions.
  for (int32_t id : Reachable(t)) {
    if (At(t, id).Action == 0 || StepAction(id) >= 5) {
      EXPECT_EQ(At(t, id).Fire, 0) << id;
    }
  }
}

TEST_P(EveryVariant, WeaponlessSlotsCopyTheIdleStep) {
  const VariantInfo& v = GetParam();
  const ActionTable t = FilledWithSentinel(v);
  for (int slot = 1; slot <= 4; ++slot) {
    const bool weaponless = std::count(v.Weaponless.begin(), v.Weaponless.end(), slot) > 0;
    if (weaponless) {
      EXPECT_EQ(std::memcmp(&t.Steps[slot][0], &t.Steps[0][0], sizeof(ActionStep)), 0) << slot;
      for (int s = 1; s < kStepSlots; ++s) EXPECT_TRUE(IsUnwritten(t.Steps[slot][s])) << slot;
    } else {
      bool fires = false;
      for (int32_t id : Reachable(t)) {
        if (StepAction(id) == slot && At(t, id).Fire == 1) fires = true;
      }
      EXPECT_TRUE(fires) << "slot " << slot << " never fires";
    }
  }
}

// Every chain ends: from any step, nothing held leads to an idle step.
TEST_P(EveryVariant, EveryChainReturnsToIdleWithNothingHeld) {
  const ActionTable t = FilledWithSentinel(GetParam());
  for (int32_t id : Reachable(t)) {
    int32_t at = id;
    int hops = 0;
    while (StepAction(at) != 0 && hops < 12) {
      at = At(t, at).Next[0];
      ++hops;
    }
    EXPECT_EQ(StepAction(at), 0) << "step " << id << " never returns to idle";
    EXPECT_EQ(At(t, at).Action, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(AllKinds, EveryVariant, ::testing::ValuesIn(AllVariants()),
                         [](const ::testing::TestParamInfo<VariantInfo>& info) {
                           return test_support::CaseName(info.param.Name);
                         });

TEST(StepIds, DecodeBySignedDivision) {
  EXPECT_EQ(StepAction(35), 3);
  EXPECT_EQ(StepIndex(35), 5);
  EXPECT_EQ(StepAction(0), 0);
  EXPECT_EQ(StepIndex(0), 0);
  EXPECT_EQ(StepAction(69), 6);
  EXPECT_EQ(StepIndex(69), 9);
  EXPECT_EQ(MakeStepId(4, 2), 42);
}

}  // namespace
}  // namespace zk
