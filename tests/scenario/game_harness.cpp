#include "game_harness.h"

#include <gtest/gtest.h>

namespace zk::test {

void Game::ChooseMode(int32_t mode) {
  ASSERT_GE(RunUntilStage(1), 1);
  // The menu's gate opens after 10 frames; each step down is taken once the gate reopens.
  while (form->GameMode != mode) {
    const int code = form->GameMode < mode ? 'S' : 'W';
    Hold({code});
    Frame();
    Release({code});
    ASSERT_LT(frames, 100000);
  }
  // Confirm with weapon button 1 alone once the gate is open.
  Hold({'G'});
  ASSERT_GE(RunUntilStage(4, 30), 1);
  Release({'G'});
  ASSERT_GE(RunUntilStage(6, 200), 1);
}

void Game::ConfirmSelect() {
  Hold({'G', 0x64});
  ASSERT_GE(RunUntilStage(7, 200), 1);
  ReleaseAll();
}

void Game::ToFighting() {
  ASSERT_GE(RunUntilStage(9, 400), 1);
}

}  // namespace zk::test
