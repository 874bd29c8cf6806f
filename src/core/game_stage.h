// The game's stages (TForm1::GameStage) and modes (TForm1::GameMode). The numbers are the
// game's own: traces and dumps show them.
#pragma once

#include <cstdint>

namespace zk {

enum GameStageId : int32_t {
  kStageTitle = 0,          // the title picture; the menu after 60 frames
  kStageMenu = 1,           // the title menu: one player, two players or survival
  kStageUnused2 = 2,        // never entered
  kStageUnused3 = 3,        // never entered
  kStageMenuChosen = 4,     // 60 frames from the menu's choice to the select screen
  kStageSelectIn = 5,       // 36 frames before the select screen takes input
  kStageSelect = 6,         // choosing the robots
  kStageBeforeFight = 7,    // the opponent's picture and the wait before the fight
  kStageFightIntro = 8,     // the robots walk in
  kStageFight = 9,          // the fight, until a knock-out
  kStageFightOver = 10,     // the winner moves on; six seconds to what comes next
  kStageResult = 11,        // the survival run's result, 200 frames to the title
  kStageResultUnused = 12,  // never entered; counts to the title like 11
  kStageLimit = 13,         // never entered; counts 300 frames to the title
  kStageEnding = 14,        // the ending roll
  kStageError = 15,         // the error screen, until Esc
};
inline constexpr int kStageCount = 16;

enum GameModeId : int32_t {
  kModeOnePlayer = 1,  // a route of six computer opponents
  kModeTwoPlayers = 2,
  kModeSurvival = 3,  // an endless chain of computer opponents, ten best runs kept
};

}  // namespace zk
