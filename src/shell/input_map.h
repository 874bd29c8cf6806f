// The players' controls: keyboard keys and joystick buttons to the three control fields.
#pragma once

#include <array>
#include <cstdint>

#include "characters/character_data.h"
#include "platform/platform.h"

namespace zk {

// A player's keys by virtual-key code.
struct KeyMap {
  int Right, Left, Up, Down;
  int Weapons[4];
  int Guard, Boost;
};

// Player 1: W A S D, weapons G H J K, guard B, boost V.
inline constexpr KeyMap kPlayer1Keys = {0x44, 0x41, 0x57, 0x53, {0x47, 0x48, 0x4A, 0x4B},
                                        0x42, 0x56};
// Player 2: the arrows, weapons keypad 4 5 6 +, guard keypad 2, boost keypad 1.
inline constexpr KeyMap kPlayer2Keys = {0x27, 0x25, 0x26, 0x28, {0x64, 0x65, 0x66, 0x6B},
                                        0x62, 0x61};

// A joystick button mask and the button code it gives.
struct ButtonMask {
  uint32_t Mask;
  int32_t Code;
};

// More than six buttons: guard is button 7, boost button 8.
inline constexpr ButtonMask kManyButtonMasks[] = {
    {0x00, 0}, {0x01, 1}, {0x02, 2}, {0x04, 3}, {0x08, 4}, {0x40, 5}, {0x41, 5}, {0x42, 5},
    {0x44, 5}, {0x48, 5}, {0xC0, 5}, {0x80, 6}, {0x81, 7}, {0x82, 8}, {0x84, 9}, {0x88, 10},
};
// Six or fewer: guard is button 5, boost button 6.
inline constexpr ButtonMask kFewButtonMasks[] = {
    {0x00, 0}, {0x01, 1}, {0x02, 2}, {0x04, 3}, {0x08, 4}, {0x10, 5}, {0x11, 5}, {0x12, 5},
    {0x14, 5}, {0x18, 5}, {0x30, 5}, {0x20, 6}, {0x21, 7}, {0x22, 8}, {0x24, 9}, {0x28, 10},
};

// Writes all three control fields from the keyboard state (a key is held when bit 0x80 is set).
void ReadKeyboard(const std::array<uint8_t, 256>& keys, const KeyMap& map, CharacterData& robot);

// Writes the fields from a joystick's answer; a button mask the table does not list leaves
// InputButton as it was.
void ReadJoystick(const JoyState& joy, uint32_t center, int32_t buttons, CharacterData& robot);

}  // namespace zk
