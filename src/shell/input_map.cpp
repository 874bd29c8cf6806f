#include "shell/input_map.h"

namespace zk {

namespace {

bool Held(const std::array<uint8_t, 256>& keys, int code) {
  return (keys[code & 0xFF] & 0x80) != 0;
}

}  // namespace

void ReadKeyboard(const std::array<uint8_t, 256>& keys, const KeyMap& map, CharacterData& robot) {
  // Right wins over left, up over down.
  robot.InputX = Held(keys, map.Right) ? 1 : Held(keys, map.Left) ? 2 : 0;
  robot.InputY = Held(keys, map.Up) ? 1 : Held(keys, map.Down) ? 2 : 0;

  int32_t first_weapon = 0;
  for (int k = 0; k < 4; ++k) {
    if (Held(keys, map.Weapons[k])) {
      first_weapon = k + 1;
      break;
    }
  }
  if (Held(keys, map.Boost)) {
    // Boost ignores the guard key.
    robot.InputButton = first_weapon != 0 ? first_weapon + 6 : 6;
  } else if (Held(keys, map.Guard)) {
    robot.InputButton = 5;
  } else {
    robot.InputButton = first_weapon;
  }
}

void ReadJoystick(const JoyState& joy, uint32_t center, int32_t buttons, CharacterData& robot) {
  // The thresholds wrap like the unsigned numbers they are.
  const uint32_t high = center + 1000u;
  const uint32_t low = center - 1000u;
  robot.InputX = joy.X > high ? 1 : joy.X < low ? 2 : 0;
  robot.InputY = joy.Y > high ? 2 : joy.Y < low ? 1 : 0;

  auto lookup = [&](const auto& table) {
    for (const ButtonMask& entry : table) {
      if (entry.Mask == joy.Buttons) {
        robot.InputButton = entry.Code;
        return;
      }
    }
  };
  if (buttons > 6) {
    lookup(kManyButtonMasks);
  } else {
    lookup(kFewButtonMasks);
  }
}

}  // namespace zk
