// A headless game driven frame by frame: the keys and joysticks each frame sees are set by the
// test, the rest of the machine is the headless backend.
#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "shell/form.h"
#include "support/scratch_dir.h"

namespace zk::test {

class ScriptedPlatform : public Platform {
 public:
  ScriptedPlatform() : inner_(MakeHeadlessPlatform()) {}

  std::array<uint8_t, 256> keys{};
  bool joy_answers[2] = {false, false};
  JoyState joy[2];
  JoyCaps caps[2];
  std::vector<std::string> recorded;  // every media event so far, in order
  int joy_queries[2] = {0, 0};

  int Run(AppHandlers handlers, const RunOptions& options) override {
    return inner_->Run(std::move(handlers), options);
  }
  void Close() override { inner_->Close(); }
  bool Closed() const override { return inner_->Closed(); }
  void MessageBox(const std::string& title, const std::string& text) override {
    messages.push_back(title + ": " + text);
  }
  DesktopRect Desktop() const override { return inner_->Desktop(); }
  void MoveWindow(int32_t left, int32_t top) override { inner_->MoveWindow(left, top); }
  void SetGameWindow(bool window_mode, int32_t left, int32_t top) override {
    inner_->SetGameWindow(window_mode, left, top);
  }
  void ShowCursor(bool shown) override {
    cursor_shown = shown;
    inner_->ShowCursor(shown);
  }
  std::unique_ptr<Display> OpenDisplay(bool window_mode) override {
    return inner_->OpenDisplay(window_mode);
  }
  std::unique_ptr<SoundDevice> OpenSound() override { return inner_->OpenSound(); }
  std::unique_ptr<MidiPerformance> OpenMusic() override { return inner_->OpenMusic(); }
  MediaPlayer& Media() override { return inner_->Media(); }
  void KeyboardState(std::array<uint8_t, 256>& out) override { out = keys; }
  bool JoyPosition(int id, JoyState& state) override {
    if (id >= 0 && id <= 1) ++joy_queries[id];
    if (id < 0 || id > 1 || !joy_answers[id]) return false;
    state = joy[id];
    return true;
  }
  bool JoyCapabilities(int id, JoyCaps& out) override {
    if (id < 0 || id > 1 || !joy_answers[id]) return false;
    out = caps[id];
    return true;
  }
  uint32_t TimeMs() override { return inner_->TimeMs(); }
  void SleepMs(uint32_t ms) override { inner_->SleepMs(ms); }
  void StopWaveSound() override {
    ++wave_silenced;
    inner_->StopWaveSound();
  }
  void Record(std::string event) override { inner_->Record(std::move(event)); }
  std::vector<std::string> TakeRecorded() override {
    std::vector<std::string> events = inner_->TakeRecorded();
    recorded.insert(recorded.end(), events.begin(), events.end());
    return events;
  }

  std::vector<std::string> messages;
  bool cursor_shown = true;
  int wave_silenced = 0;

 private:
  std::unique_ptr<Platform> inner_;
};

// The game after "start", with a fixed seed.
class Game {
 public:
  explicit Game(StartChoices choices = {}, uint32_t seed = 1,
                const std::function<void(ScriptedPlatform&)>& before_start = {}) {
    host = std::make_unique<ScriptedPlatform>();
    if (before_start) before_start(*host);
    form = std::make_unique<TForm1>(*host);
    form->HasFixedSeed = true;
    form->FixedSeed = seed;
    form->FormShow();
    form->Button1Click(choices);
    form->CheckClosed();
  }

  TForm1& f() { return *form; }
  CharacterData& p1() { return form->Robots[0]; }
  CharacterData& p2() { return form->Robots[1]; }

  // One frame as the loop runs it; the frame's media events go to `host->recorded`.
  void Frame() {
    form->AppIdle();
    form->CheckClosed();
    last_events = host->TakeRecorded();
    ++frames;
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i) Frame();
  }
  // Runs frames until the stage is `stage`; returns the frames it took (-1 if not within max).
  int RunUntilStage(int32_t stage, int max = 10000) {
    for (int i = 1; i <= max; ++i) {
      Frame();
      if (form->GameStage == stage) return i;
      if (form->FormClosed) return -1;
    }
    return -1;
  }
  void Hold(std::initializer_list<int> codes) {
    for (int c : codes) host->keys[c] = 0x80;
  }
  void Release(std::initializer_list<int> codes) {
    for (int c : codes) host->keys[c] = 0;
  }
  void ReleaseAll() { host->keys.fill(0); }
  // A key pressed between frames.
  void Key(int code) {
    form->FormKeyDown(code);
    form->CheckClosed();
  }
  // Presses a key for one frame, then lets it go for one frame.
  void Tap(int code) {
    Hold({code});
    Frame();
    Release({code});
  }

  // Title menu: intro, then the mode chosen with S/W and G; ends on the first select frame.
  void ChooseMode(int32_t mode);
  // Select screen: player 1 (and 2) confirm kind 1 variant 0 as they stand, or move first;
  // ends when the before-fight stage is entered.
  void ConfirmSelect();
  // From the before-fight stage to the first fighting frame (stage 9).
  void ToFighting();

  std::unique_ptr<ScriptedPlatform> host;
  std::unique_ptr<TForm1> form;
  std::vector<std::string> last_events;
  int frames = 0;
};

// Whether the recorded events hold this one.
inline bool Has(const std::vector<std::string>& events, const std::string& event) {
  return std::find(events.begin(), events.end(), event) != events.end();
}

// Runs each test in a scratch copy of the data folder (ScopedDataDir), so no test sees another's
// score files.
class GameTest : public ::testing::Test {
 protected:
  ScopedDataDir dir;
};

}  // namespace zk::test
