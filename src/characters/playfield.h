// The playfield a robot moves on, in pixels: a robot's centre stays strictly inside it.
#pragma once

#include <cstdint>

namespace zk {

inline constexpr int32_t kFieldWidth = 800;
inline constexpr int32_t kFieldHeight = 600;

}  // namespace zk
