// The headless backend: no window, no audio device, no sleeping. Pictures are drawn into memory
// surfaces, what would be played is recorded, the clock is virtual (it moves only when the game
// sleeps, so frame pacing still counts 40 ms a frame), and the keyboard and joysticks are the
// input script's (plus what a test sets).
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/app_loop.h"
#include "platform/backend_common.h"
#include "platform/platform.h"

namespace zk {

class HeadlessPlatform final : public Platform {
 public:
  HeadlessPlatform();
  ~HeadlessPlatform() override;

  int Run(AppHandlers handlers, const RunOptions& options) override;
  void Close() override { closed_ = true; }
  bool Closed() const override { return closed_; }
  void MessageBox(const std::string& title, const std::string& text) override;
  DesktopRect Desktop() const override { return desktop_; }
  void MoveWindow(int32_t left, int32_t top) override;
  void SetGameWindow(bool window_mode, int32_t left, int32_t top) override;
  void ShowCursor(bool shown) override { cursor_shown_ = shown; }

  std::unique_ptr<Display> OpenDisplay(bool window_mode) override;
  std::unique_ptr<SoundDevice> OpenSound() override;
  std::unique_ptr<MidiPerformance> OpenMusic() override;
  MediaPlayer& Media() override { return *media_; }

  void KeyboardState(std::array<uint8_t, 256>& keys) override;
  bool JoyPosition(int id, JoyState& state) override;
  bool JoyCapabilities(int id, JoyCaps& caps) override;
  uint32_t TimeMs() override { return clock_; }
  void SleepMs(uint32_t ms) override;
  void StopWaveSound() override {}

  void Record(std::string event) override;
  std::vector<std::string> TakeRecorded() override;

  // For tests: what the message boxes said ("TITLE: TEXT"), the clock, keys held besides the
  // script's, where the window is, whether the cursor shows, how many pictures were presented,
  // and the media player's completion notice.
  const std::vector<std::string>& Messages() const { return messages_; }
  void SetTime(uint32_t ms) { clock_ = ms; }
  void SetKey(int key, bool held) { keys_[static_cast<size_t>(key & 0xFF)] = held ? 0x80 : 0; }
  struct WindowPlace {
    bool GameWindow = false;  // SetGameWindow was called
    bool WindowMode = false;
    int32_t Left = 0, Top = 0;
  };
  const WindowPlace& Window() const { return window_; }
  bool CursorShown() const { return cursor_shown_; }
  int64_t Presented() const { return *presented_; }
  void PostMediaNotify() { ++notices_; }

 private:
  // Records into this platform's media events.
  std::function<void(std::string)> Recorder() {
    return [this](std::string e) { Record(std::move(e)); };
  }

  bool closed_ = false;
  bool ran_ = false;
  DesktopRect desktop_;
  WindowPlace window_;
  bool cursor_shown_ = true;
  uint32_t clock_ = 0;
  std::array<uint8_t, 256> keys_{};
  std::vector<std::string> messages_;
  std::shared_ptr<int64_t> presented_ = std::make_shared<int64_t>(0);
  std::atomic<int> notices_{0};
  EventRecord record_;
  AppLoop* loop_ = nullptr;  // during Run
  std::unique_ptr<MediaPlayer> media_;
  std::function<void(uint32_t)> music_time_;  // moves the latest music performance's time
};

}  // namespace zk
