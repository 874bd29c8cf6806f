#include "platform/app_loop.h"

#include <exception>
#include <utility>

#include "platform/end_signal.h"

namespace zk {

AppLoop::AppLoop(Platform& platform, AppHandlers handlers, const RunOptions& options)
    : platform_(platform),
      handlers_(std::move(handlers)),
      options_(options),
      script_(options.Script) {}

template <typename F>
bool AppLoop::Guard(F&& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& e) {
    platform_.MessageBox(kAppTitle, e.what());
  } catch (...) {
    platform_.MessageBox(kAppTitle, "Unknown error.");
  }
  return false;
}

void AppLoop::Show() {
  if (handlers_.OnShow) Guard(handlers_.OnShow);
}

void AppLoop::Start(const StartChoices& choices) {
  script_.Apply(0, nullptr);
  started_ = !handlers_.OnStart || Guard([&] { handlers_.OnStart(choices); });
}

void AppLoop::KeyDown(int key) {
  if (handlers_.OnKeyDown && !platform_.Closed()) Guard([&] { handlers_.OnKeyDown(key); });
}

void AppLoop::MediaNotify() {
  if (handlers_.OnMediaNotify && !platform_.Closed()) Guard(handlers_.OnMediaNotify);
}

void AppLoop::CloseRequested() {
  if (handlers_.OnClose) Guard(handlers_.OnClose);
  // Whatever the handler did, the window is going away.
  platform_.Close();
}

void AppLoop::CloseIfSignalled() {
  if (EndSignalled() && !platform_.Closed()) CloseRequested();
}

void AppLoop::Frame() {
  const int64_t frame = frames_ + 1;
  script_.Apply(frame, [&](int key) {
    KeyDown(key);
    return !platform_.Closed();
  });
  if (platform_.Closed()) return;
  if (handlers_.OnIdle) Guard(handlers_.OnIdle);
  frames_ = frame;
  if (handlers_.OnFrameEnd) Guard([&] { handlers_.OnFrameEnd(frame); });
}

bool AppLoop::Finished() const {
  return platform_.Closed() || (options_.MaxFrames > 0 && frames_ >= options_.MaxFrames);
}

}  // namespace zk
