#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "shell/random.h"

namespace {

std::vector<int32_t> Draws(zk::GameRandom& r, int count) {
  std::vector<int32_t> out;
  for (int i = 0; i < count; ++i) out.push_back(r.Next());
  return out;
}

// The draws are worked out by hand from state x 22695477 + 1 (mod 2^32), bits 16 to 30.
TEST(Random, FollowsTheGamesRecurrence) {
  zk::GameRandom r;
  r.Seed(1);
  EXPECT_EQ(Draws(r, 6), (std::vector<int32_t>{346, 130, 10982, 1090, 11656, 7117}));
  EXPECT_EQ(r.State(), 2613937339u);
}

// A seed near the top wraps the state and leaves bit 31 set, which a draw must not return.
TEST(Random, WrapsTheStateAndDropsItsTopBit) {
  zk::GameRandom r;
  r.Seed(0xFFFFFFFFu);
  EXPECT_EQ(Draws(r, 4), (std::vector<int32_t>{32421, 561, 22046, 20874}));
  EXPECT_EQ(r.State(), 1368016523u);
}

// An unseeded generator starts from state 0; seeding again starts the sequence over.
TEST(Random, StartsFromZeroAndRestartsOnSeed) {
  zk::GameRandom r;
  EXPECT_EQ(Draws(r, 3), (std::vector<int32_t>{0, 346, 130}));
  r.Seed(1);
  EXPECT_EQ(Draws(r, 2), (std::vector<int32_t>{346, 130}));
}

}  // namespace
