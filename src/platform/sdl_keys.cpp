#include "platform/sdl_keys.h"

#include "platform/platform.h"

namespace zk {

namespace {

struct ScancodeKey {
  SDL_Scancode Scancode;
  int Key;
};

// Keys read by their place on the keyboard.
constexpr ScancodeKey kByScancode[] = {
    {SDL_SCANCODE_KP_0, vk::kNumpad0},
    {SDL_SCANCODE_KP_1, vk::kNumpad0 + 1},
    {SDL_SCANCODE_KP_2, vk::kNumpad0 + 2},
    {SDL_SCANCODE_KP_3, vk::kNumpad0 + 3},
    {SDL_SCANCODE_KP_4, vk::kNumpad0 + 4},
    {SDL_SCANCODE_KP_5, vk::kNumpad0 + 5},
    {SDL_SCANCODE_KP_6, vk::kNumpad0 + 6},
    {SDL_SCANCODE_KP_7, vk::kNumpad0 + 7},
    {SDL_SCANCODE_KP_8, vk::kNumpad0 + 8},
    {SDL_SCANCODE_KP_9, vk::kNumpad0 + 9},
    {SDL_SCANCODE_KP_MULTIPLY, 0x6A},
    {SDL_SCANCODE_KP_PLUS, vk::kAdd},
    {SDL_SCANCODE_KP_MINUS, 0x6D},
    {SDL_SCANCODE_KP_PERIOD, 0x6E},
    {SDL_SCANCODE_KP_DIVIDE, 0x6F},
    {SDL_SCANCODE_KP_ENTER, vk::kReturn},
    {SDL_SCANCODE_ESCAPE, vk::kEscape},
    {SDL_SCANCODE_RETURN, vk::kReturn},
    {SDL_SCANCODE_SPACE, vk::kSpace},
    {SDL_SCANCODE_TAB, 0x09},
    {SDL_SCANCODE_BACKSPACE, 0x08},
    {SDL_SCANCODE_LEFT, vk::kLeft},
    {SDL_SCANCODE_UP, vk::kUp},
    {SDL_SCANCODE_RIGHT, vk::kRight},
    {SDL_SCANCODE_DOWN, vk::kDown},
    {SDL_SCANCODE_PAGEUP, 0x21},
    {SDL_SCANCODE_PAGEDOWN, 0x22},
    {SDL_SCANCODE_END, 0x23},
    {SDL_SCANCODE_HOME, 0x24},
    {SDL_SCANCODE_INSERT, 0x2D},
    {SDL_SCANCODE_DELETE, 0x2E},
    {SDL_SCANCODE_LSHIFT, 0x10},
    {SDL_SCANCODE_RSHIFT, 0x10},
    {SDL_SCANCODE_LCTRL, 0x11},
    {SDL_SCANCODE_RCTRL, 0x11},
    {SDL_SCANCODE_LALT, 0x12},
    {SDL_SCANCODE_RALT, 0x12},
    {SDL_SCANCODE_PAUSE, 0x13},
    {SDL_SCANCODE_CAPSLOCK, 0x14},
    {SDL_SCANCODE_F1, vk::kF1},
    {SDL_SCANCODE_F2, vk::kF1 + 1},
    {SDL_SCANCODE_F3, vk::kF1 + 2},
    {SDL_SCANCODE_F4, vk::kF1 + 3},
    {SDL_SCANCODE_F5, vk::kF1 + 4},
    {SDL_SCANCODE_F6, vk::kF1 + 5},
    {SDL_SCANCODE_F7, vk::kF1 + 6},
    {SDL_SCANCODE_F8, vk::kF1 + 7},
    {SDL_SCANCODE_F9, vk::kF1 + 8},
    {SDL_SCANCODE_F10, vk::kF1 + 9},
    {SDL_SCANCODE_F11, vk::kF1 + 10},
    {SDL_SCANCODE_F12, vk::kF12},
};

}  // namespace

int VkFromSdl(SDL_Keycode key, SDL_Scancode scancode) {
  for (const ScancodeKey& k : kByScancode) {
    if (k.Scancode == scancode) return k.Key;
  }
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  // Layouts whose letter keys give no Latin letter read them by their place.
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
    return 'A' + (scancode - SDL_SCANCODE_A);
  }
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) {
    return '1' + (scancode - SDL_SCANCODE_1);
  }
  if (scancode == SDL_SCANCODE_0) return '0';
  return 0;
}

uint32_t JoyAxisPosition(int16_t axis) {
  return static_cast<uint32_t>(static_cast<int32_t>(axis) + 32768);
}

}  // namespace zk
