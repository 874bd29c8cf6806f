// The computer opponent against scripted players over fixed seeds: the bars it must reach.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <vector>

#include "characters/robot_kinds.h"
#include "cpu_fights.h"

namespace zk::test {
namespace {

const RobotVariant& VariantOf(int32_t kind, int32_t variant) {
  return FindRobotKind(kind)->Variants[variant];
}

int32_t Variants(int32_t kind) {
  return static_cast<int32_t>(FindRobotKind(kind)->Variants.size());
}

// Every kind and variant as player 2, against each of `p1_kinds` as player 1.
std::vector<Fighters> AllOpponents(const std::vector<int32_t>& p1_kinds) {
  std::vector<Fighters> out;
  for (int32_t k = 1; k <= kRobotKinds; ++k) {
    for (int32_t v = 0; v < Variants(k); ++v) {
      for (int32_t p1 : p1_kinds) out.push_back({p1, static_cast<int32_t>(out.size() % 2), k, v});
    }
  }
  return out;
}

TEST(OpponentBars, BeatsAnIdlePlayerWithinAMinute) {
  std::vector<int32_t> frames;
  for (const Fighters& who : AllOpponents({1, 4, 7, 10})) {
    const FightResult r = RunFight(who, 11 + frames.size(), IdlePlayer(), 1500);
    EXPECT_EQ(r.winner, 2) << who.kind1 << " vs " << VariantOf(who.kind2, who.variant2).Name;
    EXPECT_EQ(r.empty_presses, 0);
    frames.push_back(r.frames);
  }
  std::sort(frames.begin(), frames.end());
  std::printf("idle player 1: %zu fights, median %d frames, longest %d\n", frames.size(),
              frames[frames.size() / 2], frames.back());
}

// Also: every weapon a variant arms is pressed, never an empty slot, and a frame that chooses a
// plan leaves player 2's control fields as they are.
TEST(OpponentBars, BeatsAMasherNineTimesInTenWithinTwoMinutes) {
  int32_t wins = 0, fights = 0, longest = 0;
  std::set<int32_t> pressed[kRobotKinds + 1][3];
  for (const Fighters& who : AllOpponents({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})) {
    const FightResult r = RunFight(who, 100 + fights, MashingPlayer(7 + fights), 3000);
    ++fights;
    wins += r.winner == 2;
    longest = std::max(longest, r.frames);
    EXPECT_NE(r.winner, 0) << who.kind1 << " vs " << VariantOf(who.kind2, who.variant2).Name;
    EXPECT_EQ(r.empty_presses, 0);
    EXPECT_EQ(r.planning_writes, 0);
    pressed[who.kind2][who.variant2].insert(r.pressed.begin(), r.pressed.end());
  }
  std::printf("masher: player 2 won %d of %d, longest %d frames\n", wins, fights, longest);
  EXPECT_GE(wins * 10, fights * 9);
  for (int32_t k = 1; k <= kRobotKinds; ++k) {
    for (int32_t v = 0; v < Variants(k); ++v) {
      for (int32_t s = 1; s <= 4; ++s) {
        EXPECT_EQ(VariantOf(k, v).Slots[s - 1] != nullptr, pressed[k][v].count(s) == 1)
            << VariantOf(k, v).Name << " weapon " << s;
      }
    }
  }
}

TEST(OpponentBars, EveryKindIsBeatableByAnAimingPlayerButNoPushover) {
  for (int32_t k = 1; k <= kRobotKinds; ++k) {
    int32_t wins = 0;
    constexpr int32_t kFights = 30;
    for (int32_t i = 0; i < kFights; ++i) {
      const Fighters who{1 + i % kRobotKinds, i % 2, k, i % Variants(k)};
      const FightResult r = RunFight(who, 500 + i, AimingPlayer(), 4500);
      wins += r.winner == 2;
      EXPECT_EQ(r.empty_presses, 0);
    }
    std::printf("kind %2d vs aiming player: won %2d of %d\n", k, wins, kFights);
    EXPECT_GE(wins * 5, kFights) << "kind " << k;
    EXPECT_LE(wins * 10, kFights * 9) << "kind " << k;
  }
}

TEST(OpponentBars, DodgesStraightShotsClearlyBetterThanAStandingTarget) {
  int32_t standing = 0, dodging = 0, shots = 0;
  for (int32_t k = 1; k <= kRobotKinds; ++k) {
    dodging += ShotsTaken(k, true, 16);
    standing += ShotsTaken(k, false, 16);
    shots += 16;
  }
  std::printf("straight shots hitting: standing %d of %d, dodging %d of %d\n", standing, shots,
              dodging, shots);
  EXPECT_LE(dodging * 2, standing);
}

}  // namespace
}  // namespace zk::test
