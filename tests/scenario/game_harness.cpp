#include "game_harness.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

namespace zk::test {

namespace fs = std::filesystem;

ScopedDataDir::ScopedDataDir() {
  original_ = fs::current_path().string();
  std::string pattern = (fs::temp_directory_path() / "zk-scenario-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    ADD_FAILURE() << "cannot make a temporary folder";
    return;
  }
  path_ = pattern;
  for (const fs::directory_entry& entry : fs::directory_iterator(original_)) {
    const std::string name = entry.path().filename().string();
    if (name == "score.vur" || name == "score_hard.vur") continue;
    fs::create_symlink(entry.path(), fs::path(path_) / name);
  }
  fs::current_path(path_);
}

ScopedDataDir::~ScopedDataDir() {
  fs::current_path(original_);
  if (!path_.empty()) {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
}

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
