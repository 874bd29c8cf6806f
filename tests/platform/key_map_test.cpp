// SDL's keys and joystick axes in the game's terms.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "platform/sdl_keys.h"

namespace zk {
namespace {

struct KeyCase {
  SDL_Keycode Key;
  SDL_Scancode Scancode;
  int Vk;
};

TEST(KeyMap, EveryKeyTheGameAndItsScriptsUse) {
  std::vector<KeyCase> cases = {
      {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, 0x1B},
      {SDLK_RETURN, SDL_SCANCODE_RETURN, 0x0D},
      {SDLK_SPACE, SDL_SCANCODE_SPACE, 0x20},
      {SDLK_LEFT, SDL_SCANCODE_LEFT, 0x25},
      {SDLK_UP, SDL_SCANCODE_UP, 0x26},
      {SDLK_RIGHT, SDL_SCANCODE_RIGHT, 0x27},
      {SDLK_DOWN, SDL_SCANCODE_DOWN, 0x28},
      {SDLK_KP_PLUS, SDL_SCANCODE_KP_PLUS, 0x6B},
      {SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, 0x0D},
  };
  for (int i = 0; i < 26; ++i) {
    cases.push_back({SDLK_a + i, static_cast<SDL_Scancode>(SDL_SCANCODE_A + i), 'A' + i});
  }
  const SDL_Scancode digit_codes[10] = {
      SDL_SCANCODE_0, SDL_SCANCODE_1, SDL_SCANCODE_2, SDL_SCANCODE_3, SDL_SCANCODE_4,
      SDL_SCANCODE_5, SDL_SCANCODE_6, SDL_SCANCODE_7, SDL_SCANCODE_8, SDL_SCANCODE_9};
  const SDL_Scancode keypad_codes[10] = {SDL_SCANCODE_KP_0, SDL_SCANCODE_KP_1, SDL_SCANCODE_KP_2,
                                         SDL_SCANCODE_KP_3, SDL_SCANCODE_KP_4, SDL_SCANCODE_KP_5,
                                         SDL_SCANCODE_KP_6, SDL_SCANCODE_KP_7, SDL_SCANCODE_KP_8,
                                         SDL_SCANCODE_KP_9};
  const SDL_Keycode keypad_keys[10] = {SDLK_KP_0, SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4,
                                       SDLK_KP_5, SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9};
  for (int i = 0; i < 10; ++i) {
    cases.push_back({SDLK_0 + i, digit_codes[i], '0' + i});
    cases.push_back({keypad_keys[i], keypad_codes[i], 0x60 + i});
    // With Num Lock off the keypad still reads as its digits.
    cases.push_back({SDLK_UNKNOWN, keypad_codes[i], 0x60 + i});
  }
  const SDL_Scancode f_codes[12] = {SDL_SCANCODE_F1,  SDL_SCANCODE_F2,  SDL_SCANCODE_F3,
                                    SDL_SCANCODE_F4,  SDL_SCANCODE_F5,  SDL_SCANCODE_F6,
                                    SDL_SCANCODE_F7,  SDL_SCANCODE_F8,  SDL_SCANCODE_F9,
                                    SDL_SCANCODE_F10, SDL_SCANCODE_F11, SDL_SCANCODE_F12};
  for (int i = 0; i < 12; ++i)
    cases.push_back({SDL_GetKeyFromScancode(f_codes[i]), f_codes[i], 0x70 + i});
  for (const KeyCase& c : cases) {
    EXPECT_EQ(VkFromSdl(c.Key, c.Scancode), c.Vk) << SDL_GetScancodeName(c.Scancode);
  }
}

TEST(KeyMap, LettersFollowTheLayoutAndFallBackToTheirPlace) {
  // An AZERTY keyboard: the key in the place of Q gives A, and is A.
  EXPECT_EQ(VkFromSdl(SDLK_a, SDL_SCANCODE_Q), 'A');
  // A layout without Latin letters: the key in the place of W is W.
  EXPECT_EQ(VkFromSdl(0x0446, SDL_SCANCODE_W), 'W');
  EXPECT_EQ(VkFromSdl(SDLK_F13, SDL_SCANCODE_F13), 0);
}

TEST(JoyAxis, SpansZeroTo65535WithTheCentreAt32768) {
  EXPECT_EQ(JoyAxisPosition(-32768), 0u);
  EXPECT_EQ(JoyAxisPosition(-1), 32767u);
  EXPECT_EQ(JoyAxisPosition(0), 32768u);
  EXPECT_EQ(JoyAxisPosition(32767), 65535u);
}

}  // namespace
}  // namespace zk
