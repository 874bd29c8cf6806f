// One timed, fading text line of the ending roll.
#pragma once

#include <cstdint>

namespace zk {

struct EndUnit {
  int32_t StepFrames;  // frames spent in the current fade step
  int32_t Step;        // fade step 0..8: in through four greys to white and out again
  uint8_t Visible;     // 1 while the line is shown
  int32_t StartFrame;  // the ending frame at which the line appears
  char Text[80];       // zero-terminated
  int32_t Durations[9];
  int32_t X, Y;  // top left of the text

  // Timers back to the start; the line, its timings and its place stay.
  void Reset() {
    StepFrames = 0;
    Step = 0;
    Visible = 0;
  }
  // Shows the line when the ending reaches its start frame.
  void Start(int32_t frame) {
    if (frame == StartFrame) Visible = 1;
  }
  // One frame of the fade: a step ends when its frames reach its duration; the line is done
  // after step 8.
  void Tick() {
    if (Visible != 1) return;
    ++StepFrames;
    if (StepFrames == Durations[Step]) {
      StepFrames = 0;
      if (Step == 8) {
        Visible = 0;
        Step = 0;
      } else {
        ++Step;
      }
    }
  }
};

}  // namespace zk
