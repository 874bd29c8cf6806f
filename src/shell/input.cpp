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
  if (GameMode == kModeOnePlayer || GameMode == kModeSurvival) {
    if (GameStage == kStageFight) {
      const int32_t kind = RobotKind2 >= 0 && RobotKind2 <= 11 ? RobotKind2 : 0;
      if (ThinkTable[kind] != nullptr) (this->*ThinkTable[kind])();
    }
  } else if (GameMode == kModeTwoPlayers) {
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
      if (GameMode == kModeOnePlayer || GameMode == kModeTwoPlayers) {
        GameStage = kStageMenu;
        ToStart();
      } else if (GameMode == kModeSurvival && GameStage == kStageBeforeFight) {
        RecordSurvivalScore();
        StopSoundBuffer(BeatSoundBuffer.get());
        PlaySoundBuffer(JingleSoundBuffer.get(), false);
        GameStage = kStageResult;
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
