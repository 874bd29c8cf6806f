#include <gtest/gtest.h>

#include "shell/random.h"

TEST(Random, FollowsTheGamesRecurrence) {
  zk::GameRandom r;
  r.Seed(1);
  EXPECT_EQ(r.Next(), static_cast<int32_t>(((1u * 22695477u + 1u) >> 16) & 0x7FFF));
}
