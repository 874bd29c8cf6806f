// The game's one random generator.
#pragma once

#include <cstdint>

namespace zk {

// state = state x 22695477 + 1 (mod 2^32); a draw returns bits 16 to 30 (0 to 32767).
class GameRandom {
 public:
  void Seed(uint32_t seed) { state_ = seed; }
  int32_t Next() {
    state_ = state_ * 22695477u + 1u;
    return static_cast<int32_t>((state_ >> 16) & 0x7FFF);
  }
  uint32_t State() const { return state_; }

 private:
  uint32_t state_ = 0;
};

}  // namespace zk
