#include "platform/headless_platform.h"

#include <iostream>

#include "platform/audio_backends.h"

namespace zk {

namespace {

class MemoryDisplay final : public Display {
 public:
  explicit MemoryDisplay(std::shared_ptr<int64_t> presented)
      : primary_(800, 600), presented_(std::move(presented)) {}
  Surface& Primary() override { return primary_; }
  void Present() override { ++*presented_; }
  void Flip(const Surface& back) override {
    Blit(primary_, {0, 0, 800, 600}, back, {0, 0, 800, 600}, kBlitNone);
    ++*presented_;
  }

 private:
  Surface primary_;
  std::shared_ptr<int64_t> presented_;
};

}  // namespace

HeadlessPlatform::HeadlessPlatform() {
  media_ = MakeHeadlessMediaPlayer(Recorder(), [this] { PostMediaNotify(); });
}

HeadlessPlatform::~HeadlessPlatform() = default;

int HeadlessPlatform::Run(AppHandlers handlers, const RunOptions& options) {
  if (ran_) return 1;
  ran_ = true;
  AppLoop loop(*this, std::move(handlers), options);
  loop_ = &loop;
  loop.Show();
  loop.CloseIfSignalled();
  if (!closed_) loop.Start(options.Choices);
  const bool started = loop.Started();
  while (started) {
    loop.CloseIfSignalled();
    if (loop.Finished()) break;
    // Pending events first: the media player's notices.
    while (notices_ > 0 && !closed_) {
      --notices_;
      loop.MediaNotify();
    }
    if (closed_) break;
    loop.Frame();
  }
  loop_ = nullptr;
  return started || closed_ ? 0 : 1;
}

void HeadlessPlatform::MessageBox(const std::string& title, const std::string& text) {
  messages_.push_back(title + ": " + text);
  std::cerr << title << ": " << text << "\n";
}

void HeadlessPlatform::MoveWindow(int32_t left, int32_t top) {
  window_.Left = left;
  window_.Top = top;
}

void HeadlessPlatform::SetGameWindow(bool window_mode, int32_t left, int32_t top) {
  window_ = {true, window_mode, left, top};
}

std::unique_ptr<Display> HeadlessPlatform::OpenDisplay(bool /*window_mode*/) {
  return std::make_unique<MemoryDisplay>(presented_);
}

std::unique_ptr<SoundDevice> HeadlessPlatform::OpenSound() {
  return MakeHeadlessSoundDevice(Recorder());
}

std::unique_ptr<MidiPerformance> HeadlessPlatform::OpenMusic() {
  return MakeHeadlessMidi(Recorder(), &music_time_);
}

void HeadlessPlatform::SleepMs(uint32_t ms) {
  clock_ += ms;
  if (music_time_) music_time_(ms);
}

void HeadlessPlatform::KeyboardState(std::array<uint8_t, 256>& keys) {
  keys = keys_;
  if (loop_ != nullptr) loop_->Script().Overlay(keys);
}

bool HeadlessPlatform::JoyPosition(int id, JoyState& state) {
  if (loop_ == nullptr) return false;
  return loop_->Script().Joystick(id, &state) == ScriptPlayback::Joy::Answers;
}

bool HeadlessPlatform::JoyCapabilities(int id, JoyCaps& caps) {
  if (loop_ == nullptr || loop_->Script().Joystick(id, nullptr) != ScriptPlayback::Joy::Answers) {
    return false;
  }
  caps = kScriptJoyCaps;
  return true;
}

void HeadlessPlatform::Record(std::string event) {
  record_.Add(std::move(event));
}

std::vector<std::string> HeadlessPlatform::TakeRecorded() {
  return record_.Take();
}

std::unique_ptr<Platform> MakeHeadlessPlatform() {
  return std::make_unique<HeadlessPlatform>();
}

}  // namespace zk
