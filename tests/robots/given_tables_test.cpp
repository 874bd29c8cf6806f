// The tabulated kinds' action tables, row for row.
#include <gtest/gtest.h>

#include "robot_catalogue.h"

namespace zk {
namespace {

using testing_robots::ActionFiller;

// The table as the loaders leave it: cleared to the default step, then filled.
ActionTable ClearedAndFilled(ActionFiller filler) {
  ActionStep deflt{};
  deflt.Move = 1;
  deflt.Duration = 2;
  deflt.Turn = 1;
  ActionTable t;
  for (auto& action : t.Steps) {
    for (ActionStep& s : action) s = deflt;
  }
  filler(t);
  return t;
}

// FNV-1a over every field of all 84 slots, as 32-bit words, in field order.
uint32_t Checksum(const ActionTable& t) {
  uint32_t h = 2166136261u;
  auto mix = [&h](int32_t v) { h = (h ^ static_cast<uint32_t>(v)) * 16777619u; };
  for (const auto& action : t.Steps) {
    for (const ActionStep& s : action) {
      mix(s.Accept);
      mix(s.Action);
      mix(s.Move);
      mix(s.Duration);
      mix(s.Fire);
      mix(s.Turn);
      mix(s.Motion);
      mix(s.Frame);
      for (int32_t n : s.Next) mix(n);
    }
  }
  return h;
}

struct GivenTable {
  const char* Name;
  ActionFiller Filler;
  uint32_t Sum;  // worked out from the published rows, default steps included
};

const GivenTable kGiven[] = {
    {"BuzzBAction_SLAB", &BuzzBAction_SLAB, 0x7011254bu},
    {"BuzzBAction_FLAB", &BuzzBAction_FLAB, 0xee766d8bu},
    {"DFAction_North", &DFAction_North, 0x7dd6c389u},
    {"DFAction_West", &DFAction_West, 0x45897cd0u},
    {"DFAction_South", &DFAction_South, 0x3c188c36u},
    {"FDogAction_StaryDog", &FDogAction_StaryDog, 0x695aab8bu},
    {"FDogAction_Hyaena", &FDogAction_Hyaena, 0xf0b805c3u},
    {"FDogAction_Coyote", &FDogAction_Coyote, 0xf0b805c3u},
    {"FMHAction_Heaven", &FMHAction_Heaven, 0x9be248a3u},
    {"FMHAction_Hell", &FMHAction_Hell, 0xc0e08d81u},
    {"HBackAction_Pupa", &HBackAction_Pupa, 0xba2162c8u},
    {"HBackAction_Cocoon", &HBackAction_Cocoon, 0xbb9c409du},
    {"LizardAction", &LizardAction, 0xddc17eedu},
    {"Lizard2Action_Tekkira", &Lizard2Action_Tekkira, 0x5efd75b1u},
    {"Lizard2Action_Vocka", &Lizard2Action_Vocka, 0x95cf2f37u},
    {"Lizard2Action_Jin", &Lizard2Action_Jin, 0x1a769b97u},
};

TEST(GivenTables, EveryRowMatchesItsChecksum) {
  for (const GivenTable& g : kGiven) {
    EXPECT_EQ(Checksum(ClearedAndFilled(g.Filler)), g.Sum) << g.Name;
  }
}

// Spot rows, to say which field went wrong when a checksum fails.
struct Row {
  ActionFiller Filler;
  int32_t Id;
  int32_t Accept, Action, Move, Duration, Fire, Turn, Motion, Frame;
  int32_t Next[6];
};

const Row kRows[] = {
    {&BuzzBAction_SLAB, 11, 1, 1, 1, 6, 1, 0, 1, 1, {12, 11, 12, 12, 12, 12}},
    {&BuzzBAction_SLAB, 30, 0, 3, 1, 6, 0, 1, 0, 0, {31, 31, 31, 31, 31, 31}},
    {&BuzzBAction_FLAB, 32, 0, 3, 1, 4, 1, 0, 3, 0, {33, 33, 33, 33, 33, 33}},
    {&BuzzBAction_FLAB, 40, 0, 0, 1, 1, 0, 1, 0, 0, {0, 10, 20, 30, 40, 50}},
    {&DFAction_North, 34, 0, 3, 1, 4, 0, 0, 3, 1, {35, 35, 35, 31, 35, 35}},
    {&DFAction_North, 22, 1, 2, 1, 10, 0, 0, 2, 2, {0, 0, 21, 0, 0, 0}},
    {&DFAction_West, 22, 1, 2, 1, 10, 0, 0, 2, 2, {0, 0, 0, 0, 0, 0}},
    {&DFAction_South, 12, 1, 1, 1, 2, 0, 1, 1, 2, {0, 11, 0, 0, 0, 0}},
    {&FDogAction_Hyaena, 23, 0, 2, 1, 20, 1, 0, 2, 3, {24, 24, 24, 24, 24, 24}},
    {&FDogAction_StaryDog, 10, 0, 1, 1, 6, 0, 0, 1, 0, {11, 11, 11, 11, 11, 11}},
    {&FDogAction_Coyote, 32, 1, 3, 1, 4, 0, 0, 3, 2, {0, 0, 0, 0, 0, 0}},
    {&FMHAction_Heaven, 43, 0, 4, 0, 6, 1, 0, 4, 3, {44, 44, 44, 44, 44, 44}},
    {&FMHAction_Heaven, 29, 0, 2, 1, 4, 0, 0, 2, 9, {0, 0, 0, 0, 0, 0}},
    {&FMHAction_Hell, 33, 0, 3, 0, 6, 1, 0, 4, 3, {34, 34, 34, 34, 34, 34}},
    {&FMHAction_Hell, 11, 0, 1, 0, 12, 1, 0, 1, 1, {12, 12, 12, 12, 12, 12}},
    {&HBackAction_Pupa, 23, 0, 2, 1, 3, 0, 0, 2, 3, {24, 24, 24, 24, 24, 24}},
    {&HBackAction_Cocoon, 23, 0, 2, 1, 3, 1, 0, 2, 3, {24, 24, 24, 24, 24, 24}},
    {&HBackAction_Pupa, 50, 0, 5, 0, 1, 0, 1, 5, 0, {0, 0, 0, 0, 0, 50}},
    {&LizardAction, 1, 1, 0, 1, 1, 0, 1, 0, 1, {1, 10, 20, 30, 40, 50}},
    {&LizardAction, 23, 0, 2, 1, 4, 1, 1, 2, 2, {24, 24, 24, 24, 24, 24}},
    {&LizardAction, 60, 0, 6, 1, 10, 0, 0, 6, 0, {1, 1, 1, 1, 1, 1}},
    {&Lizard2Action_Tekkira, 12, 1, 1, 1, 3, 0, 0, 1, 2, {13, 11, 13, 13, 13, 13}},
    {&Lizard2Action_Vocka, 32, 1, 3, 1, 10, 0, 0, 3, 2, {0, 0, 0, 11, 0, 0}},
    {&Lizard2Action_Jin, 31, 0, 3, 0, 10, 1, 1, 3, 1, {32, 32, 32, 32, 32, 32}},
    {&Lizard2Action_Jin, 26, 0, 2, 1, 4, 0, 0, 2, 6, {27, 27, 27, 27, 27, 27}},
};

TEST(GivenTables, SpotRows) {
  for (const Row& r : kRows) {
    const ActionTable t = ClearedAndFilled(r.Filler);
    const ActionStep& s = t.Steps[StepAction(r.Id)][StepIndex(r.Id)];
    SCOPED_TRACE(::testing::Message() << "step " << r.Id);
    EXPECT_EQ(s.Accept, r.Accept);
    EXPECT_EQ(s.Action, r.Action);
    EXPECT_EQ(s.Move, r.Move);
    EXPECT_EQ(s.Duration, r.Duration);
    EXPECT_EQ(s.Fire, r.Fire);
    EXPECT_EQ(s.Turn, r.Turn);
    EXPECT_EQ(s.Motion, r.Motion);
    EXPECT_EQ(s.Frame, r.Frame);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(s.Next[i], r.Next[i]) << "next " << i;
  }
}

// Slots a filler leaves alone keep the cleared default step.
TEST(GivenTables, UnlistedSlotsKeepTheDefaultStep) {
  const ActionTable t = ClearedAndFilled(&BuzzBAction_SLAB);
  for (int id : {1, 13, 23, 34, 41, 51, 61}) {
    const ActionStep& s = t.Steps[StepAction(id)][StepIndex(id)];
    EXPECT_EQ(s.Duration, 2) << id;
    EXPECT_EQ(s.Move, 1) << id;
    EXPECT_EQ(s.Next[1], 0) << id;
  }
  EXPECT_EQ(t.Steps[3][10].Duration, 2);
  EXPECT_EQ(t.Steps[6][11].Duration, 2);
}

}  // namespace
}  // namespace zk
