// Scripted two-player fights through the fight loop: two robots of one variant, driven by the
// same script (equal skill), fight until one is knocked out. The fight is decided by weapons,
// the armour falls in the trace lines of the frames, and the length is reported.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless_platform.h"
#include "robots/robot_kinds.h"
#include "shell/form.h"
#include "shell/game_trace.h"
#include "weapon_test_util.h"

namespace zk {
namespace {

constexpr int32_t kMaxFrames = 9000;  // six minutes

// The player's script: keep the weapon's range, circle to dodge, switch weapons now and then,
// fire when in range, guard now and then against a firing opponent.
void Drive(TForm1& form, int p, int32_t frame) {
  CharacterData& me = form.Robots[p];
  const CharacterData& you = form.Robots[1 - p];
  const double dx = you.X - me.X, dy = you.Y - me.Y;
  const double dist = std::hypot(dx, dy);
  // The weapon of this stretch: the next armed slot with ammunition.
  int32_t slot = -1;
  for (int i = 0; i < 4 && slot < 0; ++i) {
    const int32_t k = (frame / 100 + i + p) % 4;
    const WeaponData& w = form.Weapons[p * 4 + k];
    if (w.Armed == 1 && (w.Unlimited == 1 || w.Ammo > 0)) slot = k;
  }
  const bool melee = slot >= 0 && form.Weapons[p * 4 + slot].Phases[0][0].Move == kMoveMelee;
  const double range = melee ? 55 : 230;
  double wantX = 0, wantY = 0;
  if (dist > range + 40) {
    wantX = dx;
    wantY = dy;
  } else if (dist < range - 40) {
    wantX = -dx;
    wantY = -dy;
  }
  // Circling: sideways to the line between the robots, changing side every 40 frames.
  const double side = (frame / 40 + p) % 2 == 0 ? 1 : -1;
  wantX += -dy / std::max(dist, 1.0) * 120 * side;
  wantY += dx / std::max(dist, 1.0) * 120 * side;
  me.InputX = wantX > 20 ? 1 : wantX < -20 ? 2 : 0;
  me.InputY = wantY > 20 ? 2 : wantY < -20 ? 1 : 0;
  me.InputButton = 0;
  const bool inRange = std::fabs(dist - range) < (melee ? 40 : 200);
  if (you.Action >= 1 && you.Action <= 4 && (frame / 6 + p) % 5 == 0) {
    me.InputButton = 5;  // guard
  } else if (slot >= 0 && inRange) {
    // Rapid-fire weapons are held down; the others are pressed afresh whenever the robot is
    // ready again.
    const bool rapid = (slot == 0 && me.RapidFire1 > 0) || (slot == 3 && me.RapidFire4 > 0);
    if (rapid || (me.Action == 0 && frame % 2 == 0)) me.InputButton = slot + 1;
  }
}

// Both robots' armour as a trace line of the frame shows it (player 1 first).
std::vector<int32_t> ArmourInTrace(const std::string& line) {
  std::vector<int32_t> armour;
  static constexpr std::string_view kKey = "\"Armor\":";
  for (size_t at = line.find(kKey); at != std::string::npos; at = line.find(kKey, at + 1)) {
    armour.push_back(std::stoi(line.substr(at + kKey.size())));
  }
  return armour;
}

struct Fight {
  std::string name;
  int32_t frames = -1;  // frames of fighting until a knock-out was seen
  int32_t winner = 0;
  int32_t hitsTaken[2] = {0, 0};
  bool armourOnlyFell = true;
};

Fight RunFight(const RobotKind& kind, const RobotVariant& v) {
  auto host = MakeHeadlessPlatform();
  TForm1 form(*host);
  form.GameMode = 2;
  form.MusicMode = 1;
  test::LoadVariant(form.Robots[0], &form.Weapons[0], kind, v);
  test::LoadVariant(form.Robots[1], &form.Weapons[4], kind, v);
  form.Robots[0].X = 200;
  form.Robots[0].Y = 300;
  form.Robots[1].X = 600;
  form.Robots[1].Y = 300;
  form.GameStage = 9;
  form.KoPending = 0;
  Fight fight;
  fight.name = v.Name;
  int32_t last[2] = {form.Robots[0].Armor, form.Robots[1].Armor};
  for (int32_t f = 0; f < kMaxFrames && form.GameStage == 9; ++f) {
    Drive(form, 0, f);
    Drive(form, 1, f);
    form.FightStage();
    // What the trace of the frame shows.
    const std::vector<int32_t> armour = ArmourInTrace(TraceLine(form, f + 1, {}));
    if (armour.size() != 2) {
      ADD_FAILURE() << "a trace line without both robots' armour";
      break;
    }
    for (int p = 0; p < 2; ++p) {
      const int32_t a = armour[p];
      if (a > last[p]) fight.armourOnlyFell = false;
      if (a < last[p]) ++fight.hitsTaken[p];
      last[p] = a;
    }
    if (fight.frames < 0 && form.KoPending != 0) {
      fight.frames = f + 1;
      fight.winner = form.Robots[0].Armor < 0 ? (form.Robots[1].Armor < 0 ? 0 : 2) : 1;
    }
  }
  return fight;
}

TEST(Duel, EqualPlayersFightItOutWithWeaponsInAboutAMinute) {
  std::vector<int32_t> lengths;
  for (int32_t k = 1; k <= kRobotKinds; ++k) {
    const RobotKind* kind = FindRobotKind(k);
    if (kind == nullptr) continue;
    for (const RobotVariant& v : kind->Variants) {
      const Fight fight = RunFight(*kind, v);
      std::printf("%-30s %5d frames (%5.1f s), winner %d, hits taken %d / %d\n", fight.name.c_str(),
                  fight.frames, fight.frames / 25.0, fight.winner, fight.hitsTaken[0],
                  fight.hitsTaken[1]);
      EXPECT_GT(fight.frames, 0) << fight.name << ": no knock-out in " << kMaxFrames << " frames";
      EXPECT_TRUE(fight.armourOnlyFell) << fight.name;
      EXPECT_GT(fight.hitsTaken[0] + fight.hitsTaken[1], 5) << fight.name;
      lengths.push_back(fight.frames < 0 ? kMaxFrames : fight.frames);
    }
  }
  std::sort(lengths.begin(), lengths.end());
  const int32_t median = lengths[lengths.size() / 2];
  std::printf("median fight: %d frames (%.1f s)\n", median, median / 25.0);
  EXPECT_GE(median, 750);
  EXPECT_LE(median, 2250);
}

}  // namespace
}  // namespace zk
