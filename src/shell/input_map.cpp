#include "shell/input_map.h"

namespace zk {

namespace {

bool Held(const std::array<uint8_t, 256>& keys, int code) {
  return (keys[code & 0xFF] & 0x80) != 0;
}

}  // namespace

void ReadKeyboard(const std::array<uint8_t, 256>& keys, const KeyMap& map, CharacterData& robot) {
  // Right wins over left, up over down.
  robot.InputX = Held(keys, map.Right)  ? kInputRight
                 : Held(keys, map.Left) ? kInputLeft
                                        : kInputXNone;
  robot.InputY = Held(keys, map.Up) ? kInputUp : Held(keys, map.Down) ? kInputDown : kInputYNone;

  int32_t first_weapon = kButtonNone;
  for (int k = 0; k < 4; ++k) {
    if (Held(keys, map.Weapons[k])) {
      first_weapon = k + 1;
      break;
    }
  }
  if (Held(keys, map.Boost)) {
    // Boost ignores the guard key.
    robot.InputButton = first_weapon != 0 ? kButtonBoost + first_weapon : kButtonBoost;
  } else if (Held(keys, map.Guard)) {
    robot.InputButton = kButtonGuard;
  } else {
    robot.InputButton = first_weapon;
  }
}

void ReadJoystick(const JoyState& joy, uint32_t center, int32_t buttons, CharacterData& robot) {
  // The thresholds wrap like the unsigned numbers they are.
  const uint32_t high = center + 1000u;
  const uint32_t low = center - 1000u;
  robot.InputX = joy.X > high ? kInputRight : joy.X < low ? kInputLeft : kInputXNone;
  robot.InputY = joy.Y > high ? kInputDown : joy.Y < low ? kInputUp : kInputYNone;

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
