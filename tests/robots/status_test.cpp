// Status fillers: the kinds' values, the speed template, its exceptions and the modifier.
#include <gtest/gtest.h>

#include <cstring>

#include "robot_catalogue.h"

namespace zk {
namespace {

using testing_robots::KindInfo;

CharacterStatus Filled(const KindInfo& kind) {
  CharacterStatus s{};
  kind.Status(s, kind.Modifier);
  return s;
}

// Walk level-1 speeds for modifier 0 by facing row and movement group, as (x, y).
constexpr int32_t kWalkBase[8][8][2] = {
    {{5, 0}, {5, 0}, {0, 5}, {4, 4}, {4, 4}, {0, 3}, {4, 3}, {4, 3}},
    {{5, 0}, {4, 0}, {0, 4}, {5, 5}, {4, 4}, {0, 3}, {3, 3}, {4, 4}},
    {{6, 0}, {4, 0}, {0, 4}, {5, 4}, {4, 4}, {0, 4}, {4, 4}, {5, 4}},
    {{5, 0}, {4, 0}, {0, 3}, {4, 4}, {3, 3}, {0, 4}, {4, 4}, {5, 5}},
    {{5, 0}, {5, 0}, {0, 3}, {4, 3}, {4, 3}, {0, 5}, {4, 4}, {4, 4}},
    {{4, 0}, {5, 0}, {0, 3}, {3, 3}, {4, 4}, {0, 4}, {5, 5}, {4, 4}},
    {{4, 0}, {6, 0}, {0, 4}, {4, 4}, {5, 4}, {0, 4}, {5, 4}, {4, 4}},
    {{4, 0}, {5, 0}, {0, 4}, {4, 4}, {5, 5}, {0, 3}, {4, 4}, {3, 3}},
};

// The four exception cells sit at the same places in the walk and the boost table.
bool IsException(int facing, int group, int level, int comp) {
  if (level != 3 || comp != 0) return false;
  return (facing == 2 && group == kGroupRight) || (facing == 6 && group == kGroupLeft);
}

// Every cell of every kind's tables follows the template, outside the four exception cells.
TEST(StatusTemplate, EveryCellOfEveryKindFollowsTheGrid) {
  for (const KindInfo* kind :
       {&testing_robots::kRidezazo, &testing_robots::kLizard, &testing_robots::kDuvuZirada,
        &testing_robots::kDoz, &testing_robots::kRiziVov, &testing_robots::kVedoZad,
        &testing_robots::kRoDa, &testing_robots::kZuzodEvoz, &testing_robots::kV2A,
        &testing_robots::kZizoruVuzev, &testing_robots::kZeviruraR}) {
    SCOPED_TRACE(kind->Name);
    const CharacterStatus s = Filled(*kind);
    const int m = kind->Modifier;
    for (int f = 0; f < 8; ++f) {
      for (int g = 0; g < 8; ++g) {
        for (int c = 0; c < 2; ++c) {
          EXPECT_EQ(s.WalkSpeed.Rows[f].Speed[g][0][c], 0);
          EXPECT_EQ(s.BoostSpeed.Rows[f].Speed[g][0][c], 0);
          for (int l = 1; l <= 3; ++l) {
            const int base = kWalkBase[f][g][c];
            const int walk = base == 0 ? 0 : m + base + l - 1;
            const int boost = base == 0 ? 0 : m + base + (c == 0 ? 5 : 4) + l - 1;
            if (!IsException(f, g, l, c)) {
              EXPECT_EQ(s.WalkSpeed.Rows[f].Speed[g][l][c], walk)
                  << "walk f" << f << " g" << g << " l" << l << " c" << c;
            }
            if (!IsException(f, g, l, c)) {
              EXPECT_EQ(s.BoostSpeed.Rows[f].Speed[g][l][c], boost)
                  << "boost f" << f << " g" << g << " l" << l << " c" << c;
            }
          }
        }
      }
    }
  }
}

struct StraightCase {
  const KindInfo* Kind;
  bool Boost;
  int Facing;
  int Group;
  int Levels[3];
};

// Straight ahead at levels 1 to 3, where the four exception cells stand.
TEST(StatusTemplate, StraightAheadSpeedsByModifier) {
  using namespace testing_robots;
  const StraightCase cases[] = {
      {&kRoDa, false, 2, kGroupRight, {7, 8, 8}},
      {&kRoDa, false, 6, kGroupLeft, {7, 8, 8}},
      {&kRoDa, true, 2, kGroupRight, {12, 13, 13}},
      {&kRoDa, true, 6, kGroupLeft, {12, 13, 13}},
      {&kRoDa, false, 0, kGroupUp, {6, 7, 8}},
      {&kRoDa, true, 0, kGroupUp, {10, 11, 12}},
      {&kLizard, false, 2, kGroupRight, {6, 7, 8}},
      {&kLizard, true, 2, kGroupRight, {11, 12, 12}},
      {&kLizard, true, 6, kGroupLeft, {11, 12, 13}},
      {&kDoz, false, 2, kGroupRight, {5, 6, 8}},
      {&kDoz, false, 6, kGroupLeft, {5, 6, 8}},
      {&kDoz, true, 2, kGroupRight, {10, 11, 11}},
      {&kDoz, true, 6, kGroupLeft, {10, 11, 13}},
      {&kZizoruVuzev, true, 2, kGroupRight, {10, 11, 11}},
      {&kV2A, true, 2, kGroupRight, {12, 13, 13}},
      {&kZeviruraR, false, 6, kGroupLeft, {7, 8, 8}},
      {&kDuvuZirada, true, 6, kGroupLeft, {10, 11, 13}},
  };
  for (const StraightCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.Kind->Name << (c.Boost ? " boost" : " walk")
                                      << " facing " << c.Facing << " group " << c.Group);
    const CharacterStatus s = Filled(*c.Kind);
    const SpeedTable& t = c.Boost ? s.BoostSpeed : s.WalkSpeed;
    const int comp = c.Group == kGroupUp ? 1 : 0;
    for (int l = 1; l <= 3; ++l)
      EXPECT_EQ(t.Rows[c.Facing].Speed[c.Group][l][comp], c.Levels[l - 1]);
  }
}

TEST(StatusTemplate, ModifierShiftsEveryMovingCellButThreeExceptions) {
  CharacterStatus ridezazo{}, lizard{};
  LizardStatus(ridezazo, 1);
  LizardStatus(lizard, 0);
  int equal = 0;
  for (int t = 0; t < 2; ++t) {
    const SpeedTable& a = t == 0 ? ridezazo.WalkSpeed : ridezazo.BoostSpeed;
    const SpeedTable& b = t == 0 ? lizard.WalkSpeed : lizard.BoostSpeed;
    for (int f = 0; f < 8; ++f) {
      for (int g = 0; g < 8; ++g) {
        for (int l = 1; l <= 3; ++l) {
          for (int c = 0; c < 2; ++c) {
            const int32_t x = a.Rows[f].Speed[g][l][c], y = b.Rows[f].Speed[g][l][c];
            if (y == 0) {
              EXPECT_EQ(x, 0);
            } else if (x == y) {
              ++equal;
            } else {
              EXPECT_EQ(x, y + 1) << t << " f" << f << " g" << g << " l" << l;
            }
          }
        }
      }
    }
  }
  EXPECT_EQ(equal, 3);
  EXPECT_EQ(ridezazo.MaxArmor, lizard.MaxArmor);
}

TEST(StatusTemplate, MirrorSymmetricApartFromTheBoostExceptions) {
  constexpr int kMirrorLR[8] = {1, 0, 2, 4, 3, 5, 7, 6};  // groups: right<->left, ur<->ul, dl<->dr
  constexpr int kMirrorTB[8] = {0, 1, 5, 7, 6, 2, 4, 3};  // up<->down, ur<->dr, ul<->dl
  for (int m = -1; m <= 1; ++m) {
    CharacterStatus s{};
    FDogStatus(s, m);
    for (int t = 0; t < 2; ++t) {
      const SpeedTable& tab = t == 0 ? s.WalkSpeed : s.BoostSpeed;
      for (int f = 0; f < 8; ++f) {
        for (int g = 0; g < 8; ++g) {
          for (int l = 0; l <= 3; ++l) {
            for (int c = 0; c < 2; ++c) {
              if (t == 1 && IsException(f, g, l, c)) continue;
              const int32_t v = tab.Rows[f].Speed[g][l][c];
              EXPECT_EQ(v, tab.Rows[(8 - f) % 8].Speed[kMirrorLR[g]][l][c]);
              EXPECT_EQ(v, tab.Rows[(12 - f) % 8].Speed[kMirrorTB[g]][l][c]);
            }
          }
        }
      }
    }
  }
}

TEST(StatusTemplate, SpeedBoundsForTheModifiersInUse) {
  for (int m = -1; m <= 1; ++m) {
    CharacterStatus s{};
    HBackStatus(s, m);
    int walkMax = 0, boostMax = 0, moveMin = 100;
    for (int f = 0; f < 8; ++f) {
      for (int g = 0; g < 8; ++g) {
        for (int l = 1; l <= 3; ++l) {
          for (int c = 0; c < 2; ++c) {
            const int32_t w = s.WalkSpeed.Rows[f].Speed[g][l][c];
            walkMax = std::max(walkMax, w);
            boostMax = std::max(boostMax, s.BoostSpeed.Rows[f].Speed[g][l][c]);
            if (w != 0) moveMin = std::min(moveMin, w);
          }
        }
      }
    }
    EXPECT_EQ(walkMax, 8) << m;
    EXPECT_EQ(boostMax, 13) << m;
    EXPECT_EQ(moveMin, 3 + m) << m;
  }
}

struct KindRow {
  const KindInfo* Kind;
  int32_t MaxArmor, MaxEnergy, Half, StunRecovery, BoostEffect, Decay;
};

TEST(StatusValues, TheSevenTabulatedKinds) {
  using namespace testing_robots;
  const KindRow rows[] = {
      {&kRidezazo, 590, 480, 20, 6, 1, 2},  {&kLizard, 590, 480, 20, 6, 1, 2},
      {&kDoz, 660, 560, 30, 7, 2, 2},       {&kRiziVov, 460, 400, 15, 5, 0, 3},
      {&kVedoZad, 600, 640, 20, 5, 1, 1},   {&kRoDa, 500, 420, 20, 8, 1, 1},
      {&kZuzodEvoz, 640, 600, 25, 6, 1, 3},
  };
  for (const KindRow& r : rows) {
    SCOPED_TRACE(r.Kind->Name);
    const CharacterStatus s = Filled(*r.Kind);
    EXPECT_EQ(s.MaxArmor, r.MaxArmor);
    EXPECT_EQ(s.MaxEnergy, r.MaxEnergy);
    EXPECT_EQ(s.HalfHeight, r.Half);
    EXPECT_EQ(s.HalfWidth, r.Half);
    EXPECT_EQ(s.StunRecovery, r.StunRecovery);
    EXPECT_EQ(s.BoostEffect, r.BoostEffect);
    for (int f = 0; f < 8; ++f) {
      EXPECT_EQ(s.WalkSpeed.Rows[f].DecayInterval, r.Decay);
      EXPECT_EQ(s.BoostSpeed.Rows[f].DecayInterval, r.Decay);
    }
  }
}

// The four designed kinds stay inside what the seven tabulated kinds span.
TEST(StatusValues, DesignedKindsStayWithinTheTabulatedRange) {
  using namespace testing_robots;
  for (const KindInfo* kind : {&kDuvuZirada, &kV2A, &kZeviruraR, &kZizoruVuzev}) {
    SCOPED_TRACE(kind->Name);
    const CharacterStatus s = Filled(*kind);
    EXPECT_GE(s.MaxArmor, 460);
    EXPECT_LE(s.MaxArmor, 660);
    EXPECT_GE(s.MaxEnergy, 400);
    EXPECT_LE(s.MaxEnergy, 640);
    EXPECT_GE(s.HalfWidth, 15);
    EXPECT_LE(s.HalfWidth, 30);
    EXPECT_EQ(s.HalfHeight, s.HalfWidth);
    EXPECT_GE(s.StunRecovery, 5);
    EXPECT_LE(s.StunRecovery, 8);
    EXPECT_GE(s.BoostEffect, 0);
    EXPECT_LE(s.BoostEffect, 2);
    EXPECT_GE(s.WalkSpeed.Rows[0].DecayInterval, 1);
    EXPECT_LE(s.WalkSpeed.Rows[0].DecayInterval, 3);
    for (int f = 0; f < 8; ++f) {
      EXPECT_EQ(s.WalkSpeed.Rows[f].DecayInterval, s.WalkSpeed.Rows[0].DecayInterval);
      EXPECT_EQ(s.BoostSpeed.Rows[f].DecayInterval, s.WalkSpeed.Rows[0].DecayInterval);
    }
  }
}

// A filler run over an earlier kind's values (or over garbage) leaves nothing of them.
TEST(StatusValues, FillerOverwritesEveryField) {
  using namespace testing_robots;
  for (const KindInfo* kind : {&kRidezazo, &kDoz, &kRiziVov, &kVedoZad, &kRoDa, &kZuzodEvoz,
                               &kDuvuZirada, &kV2A, &kZeviruraR, &kZizoruVuzev}) {
    CharacterStatus clean{}, dirty;
    std::memset(&dirty, 0x5A, sizeof dirty);
    kind->Status(clean, kind->Modifier);
    kind->Status(dirty, kind->Modifier);
    EXPECT_EQ(std::memcmp(&clean, &dirty, sizeof clean), 0) << kind->Name;
  }
}

}  // namespace
}  // namespace zk
