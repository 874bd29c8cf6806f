// The players' input once per frame, and the keys that act between frames.
#include "shell/form.h"
#include "shell/input_map.h"

namespace zk {

void TForm1::ControlHead() {
  std::array<uint8_t, 256> keys{};
  Host.KeyboardState(keys);

  // A player's joystick while it answers, else the player's keys.
  auto read_player = [&](int joystick, uint32_t center, int32_t buttons, const KeyMap& map,
                         CharacterData& robot) {
    JoyState joy;
    if (Host.JoyPosition(joystick, joy)) {
      ReadJoystick(joy, center, buttons, robot);
    } else {
      ReadKeyboard(keys, map, robot);
    }
  };

  read_player(0, JoyCenter1, JoyButtons1, kPlayer1Keys, Robots[0]);

  // Player 2: the computer while fighting in the one-player and survival games (its fields stay
  // as they are in their other stages); joystick 2 or the keyboard in the two-player game.
  if (GameMode == 1 || GameMode == 3) {
    if (GameStage == 9) {
      const int32_t kind = RobotKind2 >= 0 && RobotKind2 <= 11 ? RobotKind2 : 0;
      if (ThinkTable[kind] != nullptr) (this->*ThinkTable[kind])();
    }
  } else if (GameMode == 2) {
    read_player(1, JoyCenter2, JoyButtons2, kPlayer2Keys, Robots[1]);
  }
}

void TForm1::FormKeyDown(int key) {
  // Before "start" the dialog takes the keys; after the close nothing acts.
  if (!IdleInstalled || CheckClosed()) return;
  switch (key) {
    case vk::kEscape:
      Close();
      break;
    case vk::kF1:
      if (GameMode == 1 || GameMode == 2) {
        GameStage = 1;
        ToStart();
      } else if (GameMode == 3 && GameStage == 7) {
        RecordSurvivalScore();
        StopSoundBuffer(BeatSoundBuffer.get());
        PlaySoundBuffer(JingleSoundBuffer.get(), false);
        GameStage = 11;
        StageFrame = 0;
      }
      break;
    case vk::kF12:
      PlaySoundBuffer(FireSoundBuffers[0].get(), false);
      break;
    default:
      break;
  }
}

}  // namespace zk
