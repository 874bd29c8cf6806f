// Speeds, movement and collision of a robot for one fight frame.
#include <cstdint>
#include <limits>

#include "characters/body_box.h"
#include "characters/character_data.h"
#include "characters/playfield.h"

namespace zk {

namespace {

constexpr int32_t kBoostCost = 4;
constexpr int32_t kBoostThreshold = 50;
constexpr int32_t kRefill = 4;

struct Push {
  int32_t dx;
  int32_t dy;
};

// The hit reaction's push per frame, by knock-back direction.
constexpr Push kKnockback[8] = {
    {0, -12}, {15, -12}, {15, 0}, {15, 12}, {0, 12}, {-15, 12}, {-15, 0}, {-15, -12},
};

void Refill(int32_t& energy, int32_t max_energy) {
  if (energy + 1 < max_energy) energy += kRefill;
}

int32_t LevelIndex(int32_t level) {
  return level < 0 ? 0 : (level > 3 ? 3 : level);
}

void Decay(int32_t& speed) {
  if (speed > 0) --speed;
}

}  // namespace

void CharacterData::UpdateSpeeds(const SpeedTable& table) {
  if (DecayTick < std::numeric_limits<int32_t>::max()) ++DecayTick;
  // A facing outside the table reads nothing, like an unknown movement code.
  if (Facing < 0 || Facing > 7) return;
  const SpeedRow& row = table.Rows[Facing];
  auto cell = [&row](MoveGroup group, int32_t level, int component) {
    return row.Speed[group][LevelIndex(level)][component];
  };

  bool left = false, right = false, up = false, down = false;  // driven fields
  switch (MoveCode) {
    case 0:
      break;
    case 1:
      SpeedLeft = cell(kGroupLeft, LevelLeft, 0);
      left = true;
      break;
    case 2:
      SpeedRight = cell(kGroupRight, LevelRight, 0);
      right = true;
      break;
    case 10:
      SpeedUp = cell(kGroupUp, LevelUp, 1);
      up = true;
      break;
    case 11:
      SpeedLeft = cell(kGroupUpLeft, LevelLeft, 0);
      SpeedUp = cell(kGroupUpLeft, LevelUp, 1);
      left = up = true;
      break;
    case 12:
      SpeedRight = cell(kGroupUpRight, LevelRight, 0);
      SpeedUp = cell(kGroupUpRight, LevelUp, 1);
      right = up = true;
      break;
    case 20:
      SpeedDown = cell(kGroupDown, LevelDown, 1);
      down = true;
      break;
    case 21:
      SpeedLeft = cell(kGroupDownLeft, LevelLeft, 0);
      SpeedDown = cell(kGroupDownLeft, LevelDown, 1);
      left = down = true;
      break;
    case 22:
      SpeedRight = cell(kGroupDownRight, LevelRight, 0);
      SpeedDown = cell(kGroupDownRight, LevelDown, 1);
      right = down = true;
      break;
    default:
      // No such movement: no speed changes and no decay.
      return;
  }

  // Walk and boost share the counter and the walk table's facing-0 interval.
  if (DecayTick == WalkSpeed.Rows[0].DecayInterval) {
    DecayTick = 0;
    if (!left) Decay(SpeedLeft);
    if (!right) Decay(SpeedRight);
    if (!up) Decay(SpeedUp);
    if (!down) Decay(SpeedDown);
  }
}

void CharacterData::UpdateWalkSpeeds() {
  UpdateSpeeds(WalkSpeed);
}

void CharacterData::UpdateBoostSpeeds() {
  UpdateSpeeds(BoostSpeed);
}

void CharacterData::MoveAndCollide(const CharacterData& opponent) {
  if (Step.Move != 1) {
    SpeedLeft = SpeedRight = SpeedUp = SpeedDown = 0;
    LevelLeft = LevelRight = LevelUp = LevelDown = 0;
    Refill(Energy, Status.MaxEnergy);
    return;
  }

  if (MoveCycle == 8) MoveCycle = 0;
  ++MoveCycle;

  // Decided on the energy before this frame's cost; the cost never leaves 0 or less.
  if (Boost == 1) {
    const bool strong = Energy > kBoostThreshold;
    if (Energy - kBoostCost > 0) Energy -= kBoostCost;
    if (strong) {
      UpdateBoostSpeeds();
    } else {
      UpdateWalkSpeeds();
    }
  } else {
    Refill(Energy, Status.MaxEnergy);
    UpdateWalkSpeeds();
  }

  Push push{0, 0};
  // A direction outside the eight pushes nowhere.
  if (Action == kActionHit && KnockbackDir >= 0 && KnockbackDir <= 7)
    push = kKnockback[KnockbackDir];

  const int32_t nx = X - SpeedLeft + SpeedRight + push.dx;
  const int32_t ny = Y - SpeedUp + SpeedDown + push.dy;

  const BodyBox mine = BoxAround(nx, ny, Status.HalfWidth, Status.HalfHeight);
  const BodyBox theirs =
      BoxAround(opponent.X, opponent.Y, opponent.Status.HalfWidth, opponent.Status.HalfHeight);
  if (BoxesOverlap(mine, theirs)) return;

  if (nx > 0 && nx < kFieldWidth) X = nx;
  if (ny > 0 && ny < kFieldHeight) Y = ny;
}

}  // namespace zk
