// SDL's keys and joystick axes in the game's terms: virtual-key codes and 0..65535 positions.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace zk {

// The virtual-key code of a key, 0 for keys the game has no code for. Letters and digits follow
// the keyboard layout (the key code; by their place where the layout gives no Latin letter or
// digit there); the numeric keypad reads as its digits whatever the state
// of Num Lock, and its Enter as Return.
int VkFromSdl(SDL_Keycode key, SDL_Scancode scancode);

// A joystick axis (-32768..32767) as a position 0..65535, the centre at 32768.
uint32_t JoyAxisPosition(int16_t axis);

}  // namespace zk
