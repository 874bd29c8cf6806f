// The shots of the fight scene, drawn between the robots and the gauges from the "WEAPON" sheet
// (SheetSurfaceA in the fight): first every smoke trail, then every shot in slot order. A cell
// whose shot is no larger than the cell is copied at its own size (only its opaque pixels, see
// SheetCells); larger shots (blasts, swelling fog, melee strikes) stretch the cell to their size.
// Everything is clipped to the screen.
#include <algorithm>
#include <cmath>

#include "core/dir_table.h"
#include "shell/form.h"
#include "weapons/shot_moves.h"

namespace zk {

namespace {

namespace sp = sprite;
constexpr int32_t kHalfCell = sp::kCellSize / 2;

int32_t Px(double v) {
  return static_cast<int32_t>(std::lround(v));
}

class ShotPainter {
 public:
  ShotPainter(Surface& back, const Surface& sheet, const SheetCells& cells)
      : back_(back), sheet_(sheet), cells_(cells) {}

  // A cell centred on (x, y), `half` pixels each way (at least the cell's own half size).
  void Stamp(int32_t cell, double x, double y, int32_t half) const {
    if (cell < 0 || cell >= kSheetCellCount) return;
    const int32_t cx = Px(x), cy = Px(y);
    if (half <= kHalfCell) {
      cells_.Stamp(back_, cell, cx - kHalfCell, cy - kHalfCell);
      return;
    }
    Blit(back_, Rect{cx - half, cy - half, cx + half, cy + half}, sheet_,
         SheetCells::CellRect(cell), kBlitSourceKey);
  }

  void Smoke(const ShotData& shot) const {
    for (int32_t i = 0; i < std::min(shot.SmokeCount, kSmokeLength); ++i) {
      const SmokePuff& puff = shot.Smoke[i];
      const int32_t age = std::clamp(puff.Age / 2, 0, sp::kSmokeCells - 1);
      Stamp(sp::kSmoke + age, puff.X, puff.Y, kHalfCell);
    }
  }

  void Shot(const ShotData& shot, const ShotPhaseData& phase) const {
    switch (phase.Move) {
      case kMoveBeam:
        Beam(shot, phase);
        break;
      case kMoveLob:
      case kMoveFloat:
        // In the air: its shadow on the floor, the shot above it.
        Stamp(sp::kShadow, shot.X, shot.Y, kHalfCell);
        Stamp(shot.Cell, shot.X, shot.Y - shot.Z, shot.Size);
        break;
      case kMoveWait: {
        // Until it has settled and armed, the lamp stays dark; armed, it blinks.
        const bool armed = shot.Speed == 0 && shot.Tick >= kMineArming;
        Stamp(armed ? shot.Cell : phase.Sprite + 1, shot.X, shot.Y, shot.Size);
        break;
      }
      default:
        Stamp(shot.Cell, shot.X, shot.Y - shot.Z, shot.Size);
        break;
    }
  }

 private:
  // Beam pieces laid end to end from the muzzle along the beam's whole length, then the flare
  // at the muzzle.
  void Beam(const ShotData& shot, const ShotPhaseData& phase) const {
    const int32_t dir = shot.Dir & 7;
    const double ux = DirTable[dir].dx, uy = DirTable[dir].dy;
    // One piece's step along the beam, in units of the direction vector.
    const double step = sp::kCellSize / (ux != 0 ? std::fabs(ux) : std::fabs(uy));
    const int32_t frame = std::clamp(shot.Cell - phase.Sprite, 0, sp::kBeamFrames - 1);
    const int32_t cell = sp::BeamCell(dir, frame);
    const double length = std::max(shot.Length, 0.0);
    for (double t = 0; t < length; t += step) {
      // The last piece ends at the tip (a beam shorter than a piece shows one whole piece).
      const double mid = std::min(t + step / 2, std::max(length - step / 2, step / 2));
      const double x = shot.X + ux * mid, y = shot.Y + uy * mid;
      if (x < -kHalfCell || x > back_.Width() + kHalfCell || y < -kHalfCell ||
          y > back_.Height() + kHalfCell) {
        continue;
      }
      Stamp(cell, x, y, kHalfCell);
    }
    Stamp(sp::kBeamHead, shot.X, shot.Y, kHalfCell);
  }

  Surface& back_;
  const Surface& sheet_;
  const SheetCells& cells_;
};

}  // namespace

void TForm1::DrawShots() {
  if (!BackSurface || !SheetSurfaceA || !ShotCells.Measure(*SheetSurfaceA)) return;
  const ShotPainter painter(*BackSurface, *SheetSurfaceA, ShotCells);
  for (const WeaponData& slot : Weapons) {
    for (const auto& row : slot.Shots) {
      for (const ShotData& shot : row) {
        if (shot.Active == 1 && shot.Delay == 0) painter.Smoke(shot);
      }
    }
  }
  for (const WeaponData& slot : Weapons) {
    for (const auto& row : slot.Shots) {
      for (const ShotData& shot : row) {
        if (shot.Active != 1 || shot.Delay > 0) continue;
        if (shot.Column < 0 || shot.Column >= kShotCols || shot.Phase < 0 ||
            shot.Phase >= kShotPhases) {
          continue;
        }
        painter.Shot(shot, slot.Phases[shot.Column][shot.Phase]);
      }
    }
  }
}

}  // namespace zk
