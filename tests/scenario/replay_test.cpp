// The same seed and the same keys give the same game, frame by frame.
#include <gtest/gtest.h>

#include "game_harness.h"
#include "shell/game_trace.h"

namespace zk::test {
namespace {

// A scripted game of `mode` (1 or 2): the players pick, then fight with a fixed pattern of keys
// (player 2's are the computer opponent's to ignore in the one-player game).
std::vector<std::string> PlayScripted(uint32_t seed, int fight_frames, int32_t mode) {
  ScopedDataDir dir;
  std::vector<std::string> trace;
  Game g({0, 0, 0}, seed);
  auto frame = [&] {
    g.Frame();
    trace.push_back(TraceLine(g.f(), g.frames, g.last_events));
  };
  while (g.f().GameStage != 9 && g.frames < 2000) {
    g.ReleaseAll();
    const int32_t stage = g.f().GameStage;
    if (stage == 1) g.Hold({g.f().GameMode < mode ? 'S' : 'G'});
    if (stage == 6) g.Hold({g.frames % 50 < 25 ? 'S' : 'G', g.frames % 40 < 20 ? 0x28 : 0x64});
    frame();
  }
  static constexpr int kP1[] = {'D', 'A', 'W', 'S', 'G', 'H', 'J', 'K', 'B', 'V'};
  static constexpr int kP2[] = {0x27, 0x25, 0x26, 0x28, 0x64, 0x65, 0x66, 0x6B, 0x62, 0x61};
  for (int i = 0; i < fight_frames && !g.f().FormClosed; ++i) {
    g.ReleaseAll();
    g.Hold({kP1[(i / 7) % 10], kP1[(i / 13) % 4]});
    g.Hold({kP2[(i / 5) % 10], kP2[(i / 11) % 4]});
    frame();
  }
  return trace;
}

TEST(Replay, AFightWithTheSameSeedAndKeysRepeatsExactly) {
  for (int32_t mode : {2, 1}) {
    const std::vector<std::string> first = PlayScripted(12345, 600, mode);
    const std::vector<std::string> second = PlayScripted(12345, 600, mode);
    ASSERT_EQ(first.size(), second.size());
    ASSERT_GT(first.size(), 600u);
    for (size_t i = 0; i < first.size(); ++i) {
      ASSERT_EQ(first[i], second[i]) << "mode " << mode << ", frame " << i + 1;
    }
  }
}

}  // namespace
}  // namespace zk::test
