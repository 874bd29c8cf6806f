// Fights of the computer opponent against scripted players, run straight through the fight loop.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <set>

#include "platform/platform.h"
#include "shell/form.h"

namespace zk::test {

// Player 1's driver for a frame: writes player 1's control fields.
using Player1 = std::function<void(TForm1& form, int32_t frame)>;

struct FightResult {
  int32_t winner = 0;           // 1, 2, or 0 for a draw or no knock-out in time
  int32_t frames = 0;           // fighting frames until the fight-over stage
  std::set<int32_t> pressed;    // player 2's weapon buttons pressed (1 to 4)
  int32_t empty_presses = 0;    // presses of a slot without a weapon or ammunition
  int32_t planning_writes = 0;  // plan-choosing frames that changed player 2's control fields
};

struct Fighters {
  int32_t kind1, variant1, kind2, variant2;
};

// A form with both robots loaded for a one-player fight, started as the intro leaves it.
std::unique_ptr<TForm1> FightForm(Platform& host, const Fighters& who, uint32_t seed);

// Runs a fight frame by frame as the game's frame does (player 1, then the decision routine,
// then the fight logic) for at most `max_frames` frames.
FightResult RunFight(const Fighters& who, uint32_t seed, const Player1& p1, int32_t max_frames);

// Scripted players 1.
Player1 IdlePlayer();
Player1 MashingPlayer(uint32_t seed);
Player1 AimingPlayer();

}  // namespace zk::test

namespace zk::test {

// Player 2 of `kind` stands on player 1's firing line 300 to 500 px away and player 1 fires one
// rifle shot at it, `trials` times; returns the shots that hit. With `think` false player 2
// stands still instead of following its decision routine.
int32_t ShotsTaken(int32_t kind, bool think, int32_t trials);

}  // namespace zk::test
