// The start dialog, drawn as the window's first screen: three option groups and "start", used
// with the mouse or the keyboard (Tab and Shift+Tab move between the groups and the button, the
// arrow keys choose within a group, Space on the button or Return anywhere presses "start").
#pragma once

#include <cstdint>
#include <memory>

#include "platform/platform.h"
#include "platform/surface.h"

namespace zk {

class StartDialog {
 public:
  // The items chosen when the dialog opens (the game's defaults: the first of each group).
  explicit StartDialog(const StartChoices& initial = {});

  // A key-down (virtual-key code, Tab 0x09). True when it pressed "start".
  bool KeyDown(int key, bool shift);
  void MouseDown(int32_t x, int32_t y);
  // True when the press began and ended on "start".
  bool MouseUp(int32_t x, int32_t y);

  // Draws the dialog into a surface of kDialogWidth x kDialogHeight.
  void Draw(Surface& target);

  const StartChoices& Choices() const { return choices_; }
  // 0 to 2 the option groups, 3 the button.
  int Focus() const { return focus_; }

 private:
  int& Choice(int group);

  StartChoices choices_;
  int focus_ = 0;
  bool pressed_ = false;
  std::shared_ptr<Font> font_;
};

}  // namespace zk
