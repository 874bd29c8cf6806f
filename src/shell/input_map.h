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
    {0x00, kButtonNone},         {0x01, kButtonWeapon1},      {0x02, kButtonWeapon2},
    {0x04, kButtonWeapon3},      {0x08, kButtonWeapon4},      {0x40, kButtonGuard},
    {0x41, kButtonGuard},        {0x42, kButtonGuard},        {0x44, kButtonGuard},
    {0x48, kButtonGuard},        {0xC0, kButtonGuard},        {0x80, kButtonBoost},
    {0x81, kButtonBoostWeapon1}, {0x82, kButtonBoostWeapon2}, {0x84, kButtonBoostWeapon3},
    {0x88, kButtonBoostWeapon4},
};
// Six or fewer: guard is button 5, boost button 6.
inline constexpr ButtonMask kFewButtonMasks[] = {
    {0x00, kButtonNone},         {0x01, kButtonWeapon1},      {0x02, kButtonWeapon2},
    {0x04, kButtonWeapon3},      {0x08, kButtonWeapon4},      {0x10, kButtonGuard},
    {0x11, kButtonGuard},        {0x12, kButtonGuard},        {0x14, kButtonGuard},
    {0x18, kButtonGuard},        {0x30, kButtonGuard},        {0x20, kButtonBoost},
    {0x21, kButtonBoostWeapon1}, {0x22, kButtonBoostWeapon2}, {0x24, kButtonBoostWeapon3},
    {0x28, kButtonBoostWeapon4},
};

// Writes all three control fields from the keyboard state (a key is held when bit 0x80 is set).
void ReadKeyboard(const std::array<uint8_t, 256>& keys, const KeyMap& map, CharacterData& robot);

// Writes the fields from a joystick's answer; a button mask the table does not list leaves
// InputButton as it was.
void ReadJoystick(const JoyState& joy, uint32_t center, int32_t buttons, CharacterData& robot);

}  // namespace zk
