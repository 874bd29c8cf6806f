// Sprite frames by facing, motion row and frame.
#pragma once

#include <cstdint>

namespace zk {

struct MotionFrame {
  int32_t Left;
  int32_t Top;
  int32_t Right;   // exclusive
  int32_t Bottom;  // exclusive
  int32_t HalfWidth;
  int32_t HalfHeight;
};

inline constexpr int kFacings = 8;
inline constexpr int kMotionRows = 10;
inline constexpr int kMotionFrames = 16;

struct MotionTable {
  MotionFrame Frames[kFacings][kMotionRows][kMotionFrames];
};

}  // namespace zk
