#include "shell/frame_timer.h"

#include "platform/platform.h"

namespace zk {

void FrameTimer::Start(Platform& platform) {
  StartMs = platform.TimeMs();
}

void FrameTimer::Wait(Platform& platform) {
  // The millisecond counter wraps at 2^32; the unsigned difference stays right across it.
  // A difference that reads as negative (a clock that stepped back) sleeps nothing rather than
  // for weeks.
  ElapsedMs = platform.TimeMs() - StartMs;
  const int32_t elapsed = static_cast<int32_t>(ElapsedMs);
  if (elapsed >= 0 && elapsed < 40) {
    platform.SleepMs(40 - ElapsedMs);
  }
}

void FrameTimer::Reset() {
  StartMs = 0;
  ElapsedMs = 0;
}

}  // namespace zk
