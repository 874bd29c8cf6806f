#include "shell/input_map.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace zk {
namespace {

std::array<uint8_t, 256> Keys(std::initializer_list<int> held) {
  std::array<uint8_t, 256> keys{};
  for (int k : held) keys[k] = 0x80;
  return keys;
}

struct KeyCase {
  std::initializer_list<int> held;
  int32_t x, y, button;
};

// Reads the keys into a robot holding last frame's input: every field is written, also with no
// key held.
void ExpectKeyboard(const KeyCase& c, const KeyMap& map) {
  std::string held;
  for (int k : c.held) held += std::to_string(k) + " ";
  CharacterData robot{};
  robot.InputX = robot.InputY = robot.InputButton = 99;
  ReadKeyboard(Keys(c.held), map, robot);
  EXPECT_EQ(robot.InputX, c.x) << "held " << held;
  EXPECT_EQ(robot.InputY, c.y) << "held " << held;
  EXPECT_EQ(robot.InputButton, c.button) << "held " << held;
}

TEST(KeyboardMap, PlayerOnePrioritiesAndCombinations) {
  const KeyCase cases[] = {
      {{}, 0, 0, 0},
      {{'D'}, 1, 0, 0},
      {{'A'}, 2, 0, 0},
      {{'D', 'A'}, 1, 0, 0},  // right wins
      {{'W', 'S'}, 0, 1, 0},  // up wins
      {{'S'}, 0, 2, 0},
      {{'G'}, 0, 0, 1},
      {{'H'}, 0, 0, 2},
      {{'J'}, 0, 0, 3},
      {{'K'}, 0, 0, 4},
      {{'G', 'H'}, 0, 0, 1},       // the first weapon key in order
      {{'B'}, 0, 0, 5},            // guard
      {{'B', 'G'}, 0, 0, 5},       // guard over a weapon key
      {{'V'}, 0, 0, 6},            // boost alone
      {{'V', 'B'}, 0, 0, 6},       // boost ignores guard
      {{'V', 'J', 'K'}, 0, 0, 9},  // boost with the first weapon key
      {{'V', 'G', 'B'}, 0, 0, 7},
      {{'V', 'K'}, 0, 0, 10},
      {{'D', 'W', 'H'}, 1, 1, 2},
  };
  for (const KeyCase& c : cases) ExpectKeyboard(c, kPlayer1Keys);
}

TEST(KeyboardMap, PlayerTwoUsesArrowsAndKeypad) {
  const KeyCase cases[] = {
      {{0x27}, 1, 0, 0}, {{0x25}, 2, 0, 0},       {{0x26}, 0, 1, 0},
      {{0x28}, 0, 2, 0}, {{0x64}, 0, 0, 1},       {{0x65}, 0, 0, 2},
      {{0x66}, 0, 0, 3}, {{0x6B}, 0, 0, 4},       {{0x62}, 0, 0, 5},
      {{0x61}, 0, 0, 6}, {{0x61, 0x66}, 0, 0, 9}, {{'G', 'D'}, 0, 0, 0},  // not player 1's
  };
  for (const KeyCase& c : cases) ExpectKeyboard(c, kPlayer2Keys);
}

TEST(KeyboardMap, OnlyTheHighBitCountsAsHeld) {
  std::array<uint8_t, 256> keys{};
  keys['D'] = 0x01;  // toggled, not held
  keys['W'] = 0x81;
  CharacterData robot{};
  ReadKeyboard(keys, kPlayer1Keys, robot);
  EXPECT_EQ(robot.InputX, 0);
  EXPECT_EQ(robot.InputY, 1);
}

TEST(JoystickMap, ThresholdsAreStrictAtAThousandFromTheCentre) {
  const uint32_t c = 32768;
  struct {
    uint32_t x, y;
    int32_t ix, iy;
  } cases[] = {
      {c, c, 0, 0},
      {c + 1000, c + 1000, 0, 0},
      {c + 1001, c + 1001, 1, 2},
      {c - 1000, c - 1000, 0, 0},
      {c - 1001, c - 1001, 2, 1},
  };
  for (const auto& t : cases) {
    CharacterData robot{};
    robot.InputX = robot.InputY = 99;  // last frame's input, overwritten also when centred
    ReadJoystick({t.x, t.y, 0}, c, 8, robot);
    EXPECT_EQ(robot.InputX, t.ix) << t.x;
    EXPECT_EQ(robot.InputY, t.iy) << t.y;
  }
}

TEST(JoystickMap, ACentreOfZeroWrapsTheLowerThreshold) {
  // A joystick that did not answer at start-up keeps centre 0: centre - 1000 wraps around, so
  // every x up to 1000 reads as left and every greater x as right.
  CharacterData robot{};
  ReadJoystick({0, 0, 0}, 0, 0, robot);
  EXPECT_EQ(robot.InputX, 2);
  EXPECT_EQ(robot.InputY, 1);
  ReadJoystick({1000, 1000, 0}, 0, 0, robot);
  EXPECT_EQ(robot.InputX, 2);
  EXPECT_EQ(robot.InputY, 1);
  ReadJoystick({1001, 1001, 0}, 0, 0, robot);
  EXPECT_EQ(robot.InputX, 1);
  EXPECT_EQ(robot.InputY, 2);
}

TEST(JoystickMap, ButtonTablesByButtonCount) {
  struct {
    uint32_t mask;
    int32_t many, few;  // -1: left as it was
  } cases[] = {
      {0x00, 0, 0},   {0x01, 1, 1},   {0x02, 2, 2},   {0x04, 3, 3},    {0x08, 4, 4},
      {0x40, 5, -1},  {0x41, 5, -1},  {0xC0, 5, -1},  {0x80, 6, -1},   {0x81, 7, -1},
      {0x88, 10, -1}, {0x10, -1, 5},  {0x11, -1, 5},  {0x30, -1, 5},   {0x20, -1, 6},
      {0x21, -1, 7},  {0x28, -1, 10}, {0x03, -1, -1}, {0x100, -1, -1}, {0x48, 5, -1},
  };
  for (const auto& t : cases) {
    CharacterData many{};
    many.InputButton = 42;
    ReadJoystick({32768, 32768, t.mask}, 32768, 7, many);
    EXPECT_EQ(many.InputButton, t.many < 0 ? 42 : t.many) << std::hex << t.mask;
    CharacterData few{};
    few.InputButton = 42;
    ReadJoystick({32768, 32768, t.mask}, 32768, 6, few);
    EXPECT_EQ(few.InputButton, t.few < 0 ? 42 : t.few) << std::hex << t.mask;
  }
}

}  // namespace
}  // namespace zk
