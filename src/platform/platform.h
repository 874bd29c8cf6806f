// The game's view of the machine: window, pictures, text, sound, music, input and time.
//
// Game code includes the headers of this folder and of src/media (file formats and music, which
// knows nothing of the machine); only this folder's sources include SDL.
// Two backends implement `Platform`: the SDL one (a real window, audio device and joysticks) and
// the headless one (memory surfaces, no device, no sleeping, everything played recorded).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "media/input_codes.h"
#include "media/music_boundary.h"
#include "platform/audio.h"
#include "platform/surface.h"

namespace zk {

// Screen rectangle of the desktop (left, top, right, bottom).
struct DesktopRect {
  int32_t Left = 0, Top = 0, Right = 1024, Bottom = 768;
};

// The start dialog's three choices (item index of each group; 0 is the first item).
struct StartChoices {
  int Screen = 0;    // 0 "FullScreenMode", 1 "WindowMode"
  int Music = 0;     // 0 "MIDI Music", 1 "Original MP3 Music(準備中)"
  int Survival = 0;  // 0 "Normal (Ammo Supply exists)", 1 "Hard    (Ammo Supply not exists)"
};

// The title of the game's own message boxes (an exception escaping a handler, a piece of music
// that cannot be opened).
inline constexpr const char* kAppTitle = "Zerkhaldun";

// The start dialog's client area.
inline constexpr int32_t kDialogWidth = 252;
inline constexpr int32_t kDialogHeight = 339;

// Event handlers the application loop calls. Every handler runs on the loop's thread; an empty
// handler is skipped.
//
// The loop: OnShow once; then the dialog until "start" (keys go to the dialog, not OnKeyDown);
// then the script's start-up events (its frame 0) and OnStart. From then on it handles every
// pending event first (key-downs to OnKeyDown, the media player's notices to OnMediaNotify, a close
// asked by the window system to OnClose) and, when none is pending, runs one frame: the script's
// events of the frame (keys held, OnKeyDown for each down, joysticks set), OnIdle, then OnFrameEnd
// with the frame's number (from 1).
//
// Close() from any handler ends the loop once that handler returns: a close inside OnIdle still
// lets OnFrameEnd run for that frame (so a trace gets its last line), a close from a key, a
// notice, OnShow or OnStart runs no further frame. A frame cut short by an exception still counts
// and still gets its OnFrameEnd.
//
// An exception escaping a handler is shown in a message box titled "Zerkhaldun" with its text,
// and the loop goes on: once the box has been answered (or, where none can be shown, its text
// printed) the next frame runs, with or without window events. An exception escaping OnStart means
// the game never got going: no frame runs, events are still handled (the headless loop returns at
// once).
struct AppHandlers {
  std::function<void()> OnShow;                      // once, before the dialog shows
  std::function<void(const StartChoices&)> OnStart;  // the "start" button
  std::function<void(int key)> OnKeyDown;            // virtual-key code, repeats included
  std::function<void()> OnIdle;                      // no event pending: one frame
  std::function<void()> OnMediaNotify;               // the MP3 player finished or stopped
  std::function<void(int64_t frame)> OnFrameEnd;     // after each OnIdle, frames from 1
  // The window system asked the window to close (its close box, the desktop's close key). The
  // handler runs the form's close and calls Close(); without a handler the loop just closes.
  std::function<void()> OnClose;
};

class InputScript;  // scripted keys and joysticks by frame (media/input_script.h)

// How the loop runs: skip the dialog, stop after a number of frames, apply a script.
struct RunOptions {
  bool AutoStart = false;  // press "start" with `Choices` without showing the dialog
  StartChoices Choices;    // the dialog opens with these chosen (all first items by default)
  int64_t MaxFrames = 0;   // 0: until the form closes
  const InputScript* Script = nullptr;
};

// The display: one primary surface shown in a window or full screen at 800 x 600.
class Display {
 public:
  virtual ~Display() = default;
  // The visible surface: the window's 800 x 600 client area (its (0, 0) is the window's top-left
  // corner), or the full screen.
  virtual Surface& Primary() = 0;
  // Window mode: shows the primary surface after the game blitted into it.
  virtual void Present() = 0;
  // Full screen: the back buffer becomes the visible picture (and is copied into Primary()).
  // Drawn letterboxed at 800 x 600 on screens of another size.
  virtual void Flip(const Surface& back) = 0;
};

// The MIDI performance: one segment loaded per file, played with repeats. A change of what plays
// takes effect at once or at the next beat or measure of the music that plays then, by that
// piece's own tempo map and time signature; with nothing playing it takes effect at once. A later
// request replaces one still waiting. Every backend records a change when it takes effect.
class MidiSegment {
 public:
  virtual ~MidiSegment() = default;
};

class MidiPerformance {
 public:
  virtual ~MidiPerformance() = default;
  // Loads a standard MIDI file; empty when it cannot be read.
  virtual std::unique_ptr<MidiSegment> LoadSegment(const std::string& path) = 0;
  // Plays a segment from its start, `repeats` extra times (-1 for ever). It replaces whatever
  // plays; what plays goes on after its segment object is gone.
  virtual bool Play(MidiSegment& segment, int repeats, MusicBoundary at) = 0;
  // Stops whatever plays, and drops a change still waiting.
  virtual bool Stop(MusicBoundary at) = 0;
  // Switches to `next`, looping for ever.
  virtual bool TransitionTo(MidiSegment& next, MusicBoundary at) = 0;
};

// The MP3 media player. Open raises `MediaError` when the file cannot be opened or holds no
// music (Mp3HoldsAudio), with and without an audio device alike.
enum class MediaMode { NotReady, Stopped, Playing, Open };

class MediaError : public std::exception {
 public:
  // `text` is what the message box shows, `reason` why the file cannot be played, in a few words.
  MediaError(std::string text, std::string reason)
      : text_(std::move(text)), reason_(std::move(reason)) {}
  const char* what() const noexcept override { return text_.c_str(); }
  const std::string& Reason() const { return reason_; }

 private:
  std::string text_;
  std::string reason_;
};

class MediaPlayer {
 public:
  virtual ~MediaPlayer() = default;
  virtual void Open(const std::string& path) = 0;  // throws MediaError
  virtual void Play() = 0;
  virtual void Stop() = 0;
  virtual void Close() = 0;
  virtual MediaMode Mode() const = 0;
};

// What the backends record of sound and music (read by the trace and by tests).
struct MediaEvent {
  std::string Text;  // "play NAME", "loop NAME", "stop NAME", "music FILE", "music-stop",
                     // "pinch", "mp3 FILE", "mp3-stop"; music when it takes effect
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Application and window.
  // Runs the loop (see AppHandlers): pending events first, otherwise one frame. Returns 0 when
  // Close() took effect or MaxFrames frames ran, 1 when the loop could not go on (no window, or
  // the headless start-up failed with an exception). Before frame F the script's events of frame
  // F are applied. The headless backend never shows the dialog: it presses "start" with
  // `options.Choices` at once; the SDL one does so with `AutoStart`. Run is called once.
  virtual int Run(AppHandlers handlers, const RunOptions& options) = 0;
  virtual void Close() = 0;  // ends the loop after the current handler
  virtual bool Closed() const = 0;
  // A modal message box (the headless backend writes it to stderr and keeps it for tests).
  virtual void MessageBox(const std::string& title, const std::string& text) = 0;
  virtual DesktopRect Desktop() const = 0;
  // Moves the dialog's window to a screen position (its client area's top-left corner); a dialog
  // never moved shows centred on the desktop.
  virtual void MoveWindow(int32_t left, int32_t top) = 0;
  // Turns the dialog window into the game window: borderless 800 x 600 at (left, top) in window
  // mode, else full screen with the 800 x 600 picture letterboxed.
  virtual void SetGameWindow(bool window_mode, int32_t left, int32_t top) = 0;
  virtual void ShowCursor(bool shown) = 0;

  // Devices; each returns empty when the device cannot be had.
  virtual std::unique_ptr<Display> OpenDisplay(bool window_mode) = 0;
  virtual std::unique_ptr<SoundDevice> OpenSound() = 0;
  virtual std::unique_ptr<MidiPerformance> OpenMusic() = 0;
  virtual MediaPlayer& Media() = 0;

  // Input and time.
  // 256 entries by virtual-key code, 0x80 while the key is held (keys of the script included).
  virtual void KeyboardState(std::array<uint8_t, 256>& keys) = 0;
  // Joysticks 0 and 1: false when the joystick does not answer; x and y in 0..65535.
  virtual bool JoyPosition(int id, JoyState& state) = 0;
  virtual bool JoyCapabilities(int id, JoyCaps& caps) = 0;
  // Milliseconds, wrapping at 2^32. The headless clock moves only by SleepMs.
  virtual uint32_t TimeMs() = 0;
  virtual void SleepMs(uint32_t ms) = 0;
  virtual void StopWaveSound() = 0;  // silences the system's waveform sound (nothing to do here)

  // Media events of the current frame, in order; the shell drains them for its trace.
  virtual void Record(std::string event) = 0;
  virtual std::vector<std::string> TakeRecorded() = 0;
};

// Backends. MakeSdlPlatform gives nothing when SDL's video cannot start (its reason on stderr).
std::unique_ptr<Platform> MakeSdlPlatform();
std::unique_ptr<Platform> MakeHeadlessPlatform();

}  // namespace zk
