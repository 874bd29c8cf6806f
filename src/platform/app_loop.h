// The part of the application loop that both backends share: handlers guarded against
// exceptions, the script's events by frame, frame counting and the end of the loop.
#pragma once

#include <cstdint>

#include "media/input_script.h"
#include "platform/platform.h"

namespace zk {

class AppLoop {
 public:
  AppLoop(Platform& platform, AppHandlers handlers, const RunOptions& options);

  void Show();
  // The script's start-up events (frame 0), then OnStart.
  void Start(const StartChoices& choices);
  void KeyDown(int key);
  void MediaNotify();
  // The window system asks to close: the form's close handler, or a plain close.
  void CloseRequested();
  // One frame: the script's events of the frame, OnIdle, OnFrameEnd.
  void Frame();
  // After Ctrl+C or SIGTERM (end_signal.h) the form closes as it does for Esc or the window's
  // close; each loop asks this between its events and frames.
  void CloseIfSignalled();

  bool Started() const { return started_; }
  // Closed, or the frame limit reached.
  bool Finished() const;
  const ScriptPlayback& Script() const { return script_; }

 private:
  // Runs a handler; an exception escaping it is shown in a message box. False after one.
  template <typename F>
  bool Guard(F&& handler);

  Platform& platform_;
  AppHandlers handlers_;
  RunOptions options_;
  ScriptPlayback script_;
  bool started_ = false;
  int64_t frames_ = 0;
};

}  // namespace zk
