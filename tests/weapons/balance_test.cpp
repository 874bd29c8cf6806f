// Balance: every variant fires each of its weapons, by its own action chain, at a standing robot
// of its kind at short, middle and long range (melee weapons at arm's length as well), and the
// damage per second, hits per volley and frames to a knock-out are reported.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "weapon_test_util.h"
#include "weapons/weapon_frame.h"

namespace zk {
namespace {

constexpr int32_t kRanges[] = {100, 300, 550};
constexpr int32_t kRunFrames = 3000;  // two minutes of fire
constexpr int32_t kDpsWindow = 500;   // damage per second over the first 20 seconds
constexpr int32_t kFastestKnockOut = 125;
constexpr int32_t kWalk = 8;  // the top walking speed, pixels a frame

struct Result {
  int32_t damageInWindow = 0;
  int32_t hits = 0;
  int32_t volleys = 0;
  int32_t koFrame = -1;  // first frame with armour below 0
  double Dps() const { return damageInWindow * 25.0 / kDpsWindow; }
  double HitsPerVolley() const { return volleys ? static_cast<double>(hits) / volleys : 0; }
};

// How the player works the button: held throughout, tapped with a period and phase, or pressed
// afresh whenever the robot stands idle.
struct Presser {
  int32_t period;  // 0: held; -1: pressed when idle
  int32_t phase;
  bool Pressed(int32_t frame, const CharacterData& r) const {
    if (period == 0) return true;
    if (period < 0) return r.Action == 0 && frame % 2 == 0;
    return frame % period == phase;
  }
};
constexpr Presser kPressers[] = {{0, 0}, {2, 0}, {2, 1}, {3, 0}, {4, 0}, {-1, 0}};

// The shooter stands and fires; the target stands without input and plays out its hit reactions,
// knock-back included, as in a fight frame (turning, input, actions, movement, shots, stepping).
// Once a reaction is over the target walks back toward the measuring range at walking speed, as a
// player closes in again (or backs off) to keep it.
Result Measure(const RobotKind& kind, const RobotVariant& v, int32_t slot, int32_t range,
               const Presser& presser) {
  CharacterData shooter, target;
  WeaponData weapons[4];
  test::LoadVariant(shooter, weapons, kind, v);
  test::LoadVariant(target, nullptr, kind, v);
  shooter.X = 150;
  shooter.Y = 300;
  target.X = 150 + range;
  target.Y = 300;
  Result res;
  for (int32_t f = 0; f < kRunFrames; ++f) {
    shooter.FaceOpponent(target);
    target.FaceOpponent(shooter);
    shooter.InputButton = presser.Pressed(f, shooter) ? slot + 1 : 0;
    shooter.ApplyInput();
    target.ApplyInput();
    shooter.StartAction();
    target.StartAction();
    shooter.MoveAndCollide(target);
    target.MoveAndCollide(shooter);
    if (FireRobotWeapon(shooter, target, weapons) == slot) ++res.volleys;
    res.hits += ControlSlot(weapons[slot], shooter, target, 0, 0);
    shooter.AdvanceStep();
    target.AdvanceStep();
    if (target.Action != 6) {
      target.X += std::clamp(150 + range - target.X, -kWalk, kWalk);
      target.Y += std::clamp(300 - target.Y, -kWalk, kWalk);
    }
    if (f + 1 == kDpsWindow) res.damageInWindow = target.Status.MaxArmor - target.Armor;
    if (res.koFrame < 0 && target.Armor < 0) res.koFrame = f + 1;
  }
  return res;
}

// The best way to work the button: the most damage in the window, then the quickest knock-out.
Result Best(const RobotKind& kind, const RobotVariant& v, int32_t slot, int32_t range) {
  Result best;
  bool first = true;
  for (const Presser& p : kPressers) {
    const Result r = Measure(kind, v, slot, range, p);
    const auto ko = [](const Result& x) { return x.koFrame < 0 ? kRunFrames + 1 : x.koFrame; };
    if (first || r.damageInWindow > best.damageInWindow ||
        (r.damageInWindow == best.damageInWindow && ko(r) < ko(best))) {
      best = r;
      first = false;
    }
  }
  return best;
}

struct Row {
  std::string variant, weapon;
  int32_t slot;
  bool melee;
  int32_t armor;
  std::vector<std::pair<int32_t, Result>> byRange;
};

std::vector<Row> MeasureAll() {
  std::vector<Row> rows;
  for (int32_t k = 1; k <= kRobotKinds; ++k) {
    const RobotKind* kind = FindRobotKind(k);
    if (kind == nullptr) continue;
    for (const RobotVariant& v : kind->Variants) {
      for (int32_t slot = 0; slot < 4; ++slot) {
        if (!v.Slots[slot]) continue;
        WeaponData probe;
        v.Slots[slot](probe);
        CharacterData body;
        test::LoadVariant(body, nullptr, *kind, v);
        Row row{v.Name,
                probe.Name,
                slot + 1,
                probe.Phases[0][0].Move == kMoveMelee,
                body.Status.MaxArmor,
                {}};
        if (row.melee) {
          // Arm's length: the two bodies side by side.
          const int32_t contact = 2 * body.Status.HalfWidth + 4;
          row.byRange.emplace_back(contact, Best(*kind, v, slot, contact));
          row.weapon = "melee";
        }
        for (int32_t range : kRanges) row.byRange.emplace_back(range, Best(*kind, v, slot, range));
        rows.push_back(row);
      }
    }
  }
  return rows;
}

TEST(Balance, EveryWeaponHurtsAndNoneKnocksOutAStandingRobotInUnderFiveSeconds) {
  const std::vector<Row> rows = MeasureAll();
  ASSERT_GE(rows.size(), 70u);
  std::printf("%-30s %-15s %4s %5s | %-26s| %-26s| %-26s| %-26s\n", "variant", "weapon", "slot",
              "armor", "range: dps hits/v KO", "", "", "");
  for (const Row& row : rows) {
    std::printf("%-30s %-15s %4d %5d |", row.variant.c_str(), row.weapon.c_str(), row.slot,
                row.armor);
    int32_t total = 0;
    for (const auto& [range, r] : row.byRange) {
      std::printf(" %3d: %5.1f %4.2f %5s |", range, r.Dps(), r.HitsPerVolley(),
                  r.koFrame < 0 ? "-" : std::to_string(r.koFrame).c_str());
      total += r.hits;
      EXPECT_TRUE(r.koFrame < 0 || r.koFrame >= kFastestKnockOut)
          << row.variant << " " << row.weapon << " at " << range << " px: knock-out in "
          << r.koFrame << " frames";
    }
    std::printf("\n");
    EXPECT_GT(total, 0) << row.variant << " " << row.weapon << " deals no damage at any range";
  }
}

}  // namespace
}  // namespace zk
