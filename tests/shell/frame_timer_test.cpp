#include "shell/frame_timer.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/platform.h"

namespace zk {
namespace {

// A clock the test sets by hand; records the sleeps.
class ClockPlatform : public Platform {
 public:
  uint32_t now = 0;
  std::vector<uint32_t> sleeps;

  uint32_t TimeMs() override { return now; }
  void SleepMs(uint32_t ms) override { sleeps.push_back(ms); }

  int Run(AppHandlers, const RunOptions&) override { return 0; }
  void Close() override {}
  bool Closed() const override { return false; }
  void MessageBox(const std::string&, const std::string&) override {}
  DesktopRect Desktop() const override { return {}; }
  void MoveWindow(int32_t, int32_t) override {}
  void SetGameWindow(bool, int32_t, int32_t) override {}
  void ShowCursor(bool) override {}
  std::unique_ptr<Display> OpenDisplay(bool) override { return nullptr; }
  std::unique_ptr<SoundDevice> OpenSound() override { return nullptr; }
  std::unique_ptr<MidiPerformance> OpenMusic() override { return nullptr; }
  MediaPlayer& Media() override { std::abort(); }
  void KeyboardState(std::array<uint8_t, 256>&) override {}
  bool JoyPosition(int, JoyState&) override { return false; }
  bool JoyCapabilities(int, JoyCaps&) override { return false; }
  void StopWaveSound() override {}
  void Record(std::string) override {}
  std::vector<std::string> TakeRecorded() override { return {}; }
};

TEST(FrameTimer, SleepsOutTheRestOfFortyMilliseconds) {
  struct {
    uint32_t start, end;
    uint32_t elapsed;
    int sleep;  // -1: no sleep
  } cases[] = {
      {1000, 1010, 10, 30}, {1000, 1045, 45, -1},      {1000, 1040, 40, -1}, {1000, 1039, 39, 1},
      {1000, 1000, 0, 40},  {4294967290u, 10, 16, 24},  // the millisecond counter wrapped
  };
  for (const auto& c : cases) {
    ClockPlatform clock;
    FrameTimer timer;
    clock.now = c.start;
    timer.Start(clock);
    EXPECT_EQ(timer.StartMs, c.start);
    clock.now = c.end;
    timer.Wait(clock);
    EXPECT_EQ(timer.ElapsedMs, c.elapsed);
    if (c.sleep < 0) {
      EXPECT_TRUE(clock.sleeps.empty());
    } else {
      ASSERT_EQ(clock.sleeps.size(), 1u);
      EXPECT_EQ(clock.sleeps[0], static_cast<uint32_t>(c.sleep));
    }
  }
}

TEST(FrameTimer, AClockThatSteppedBackDoesNotSleepForWeeks) {
  // Taken as a signed number such a difference is negative; 40 minus it would be weeks.
  for (const uint32_t now : {0x80000000u, 0xFFFFFFFFu, 999u}) {
    ClockPlatform clock;
    FrameTimer timer;
    clock.now = 1000;
    timer.Start(clock);
    clock.now = now;
    timer.Wait(clock);
    EXPECT_TRUE(clock.sleeps.empty()) << now;
  }
}

TEST(FrameTimer, ResetClearsBothFields) {
  FrameTimer timer{123, 456};
  timer.Reset();
  EXPECT_EQ(timer.StartMs, 0u);
  EXPECT_EQ(timer.ElapsedMs, 0u);
}

}  // namespace
}  // namespace zk
