// Keys and joysticks as the game reads them: virtual-key codes, a joystick's answer to a position
// query and its capabilities.
#pragma once

#include <cstdint>

namespace zk {

// Virtual-key codes as the game's key handler and keyboard table use them.
namespace vk {
inline constexpr int kEscape = 0x1B;
inline constexpr int kReturn = 0x0D;
inline constexpr int kSpace = 0x20;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kNumpad0 = 0x60;  // ..kNumpad0 + 9
inline constexpr int kAdd = 0x6B;
inline constexpr int kF1 = 0x70;  // ..kF1 + 11 is F12
inline constexpr int kF12 = 0x7B;
// Letters and digits are their upper-case ASCII codes ('A' 0x41, '0' 0x30).
}  // namespace vk

// A joystick's answer to a position query: x and y in 0..65535, the pressed-button mask.
struct JoyState {
  uint32_t X = 0;
  uint32_t Y = 0;
  uint32_t Buttons = 0;
};

// A joystick's capabilities: its x range and its number of buttons.
struct JoyCaps {
  uint32_t XMin = 0;
  uint32_t XMax = 65535;
  uint32_t NumButtons = 0;
};

}  // namespace zk
