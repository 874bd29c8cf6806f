// Frame pacing: drawing and presenting take at least 40 ms.
#pragma once

#include <cstdint>

namespace zk {

class Platform;

struct FrameTimer {
  uint32_t StartMs = 0;
  uint32_t ElapsedMs = 0;
  void Start(Platform& platform);
  void Wait(Platform& platform);
  void Reset();
};

}  // namespace zk
