// Scripted keys and joysticks by frame, for replayable runs (`--input FILE`).
//
// The text has one event a line; `#` starts a comment, blank lines are skipped, words are
// separated by spaces or tabs, and names are read without regard to case:
//   F down KEY        key-down event to the key handler, and KEY held from frame F
//   F up KEY          KEY released from frame F
//   F tap KEY         down at F and up at F + 1
//   F joy N X Y MASK  joystick N (0 or 1) answers from frame F with position X, Y (0..65535)
//                     and button mask MASK (hexadecimal, "0x" allowed)
//   F joy N off       joystick N stops answering from frame F
// Frames count from 1, the first frame after the start-up. Frame 0 is the start-up itself: its
// events take effect before "start" is pressed, so a scripted joystick can answer the start-up's
// position and capability queries; key-downs of frame 0 only hold the key (the dialog has the
// keys until "start"). The events of one frame take effect in the order of their lines. A
// scripted joystick reports an x range of 0..65535 and kScriptJoyButtons buttons. Held keys do
// not repeat: a repeat is another `down` line.
// KEY: A..Z, 0..9, F1..F12, ESCAPE, LEFT, RIGHT, UP, DOWN, NUMPAD0..NUMPAD9, ADD, RETURN, SPACE.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "media/input_codes.h"

namespace zk {

inline constexpr uint32_t kScriptJoyButtons = 8;
// What a scripted joystick answers to a capability query.
inline constexpr JoyCaps kScriptJoyCaps = {0, 65535, kScriptJoyButtons};
inline constexpr int64_t kScriptMaxFrame = 1'000'000'000'000;

// One event as the script's users see it.
struct ScriptEvent {
  enum class Kind { KeyDown, KeyUp, Joy, JoyOff };
  int64_t Frame = 0;
  Kind What = Kind::KeyDown;
  int Key = 0;  // virtual-key code (KeyDown, KeyUp)
  int Joy = 0;  // joystick 0 or 1 (Joy, JoyOff)
  JoyState State;
};

class InputScript {
 public:
  // Reads a script in place of the events held; on a malformed line keeps no event, sets
  // `error` to "line N: what" and gives false.
  bool Parse(std::string_view text, std::string& error);
  // Reads a script file. A file that cannot be read is an error that says why ("cannot read the
  // input script "PATH": it does not exist", see FileFailureText), as is a malformed line ("PATH:
  // line N: what").
  bool Load(const std::string& path, std::string& error);

  // The events, by frame and, within a frame, in the order of the lines (a tap is a down at its
  // frame and an up at the next).
  size_t Size() const { return events_.size(); }
  ScriptEvent Event(size_t i) const;

 private:
  // Parse without the sort, which SortByFrame does.
  bool ParseLines(std::string_view text, std::string& error);
  void SortByFrame();

  // An event in 8 bytes: the frame in the top 40 bits, then either a joystick position's index
  // into `joys_` (bit 23 set) or the kind and the key or joystick number. A script of taps thus
  // takes 16 bytes a line, a joystick line 20.
  struct JoyEntry {
    uint32_t Buttons;
    uint16_t X, Y;
    uint8_t Joy;
  };
  std::vector<uint64_t> events_;
  std::vector<JoyEntry> joys_;
};

// The virtual-key code of a key name of the script, or nothing.
std::optional<int> KeyFromName(std::string_view name);

// The script's input during a run: the keys it holds or released and the joysticks it set.
class ScriptPlayback {
 public:
  explicit ScriptPlayback(const InputScript* script) : script_(script) {}

  // Applies the events of frames up to `frame` not applied yet, in order. Each key-down of a
  // frame from 1 on is passed to `key_down`; when that returns false (the form closed) the rest
  // is left.
  void Apply(int64_t frame, const std::function<bool(int key)>& key_down);

  // Keys the script pressed or released read as the script left them; the others as `keys` has
  // them.
  void Overlay(std::array<uint8_t, 256>& keys) const;

  // Whether the script has taken joystick `id` over, and if so whether it answers and with what.
  enum class Joy { NotScripted, Answers, Silent };
  Joy Joystick(int id, JoyState* state) const;

 private:
  const InputScript* script_;
  size_t next_ = 0;
  std::array<int8_t, 256> keys_{};  // 0 not scripted, 1 held, -1 released
  std::array<Joy, 2> joy_{Joy::NotScripted, Joy::NotScripted};
  std::array<JoyState, 2> joy_state_{};
};

}  // namespace zk
