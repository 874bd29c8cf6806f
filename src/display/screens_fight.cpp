// The fight scene: the scrolling floor, both robots with their movement effect, the shots and
// the armour and energy gauges.
#include <algorithm>

#include "display/sheet_cells.h"
#include "shell/form.h"
#include "weapons/weapon_sprites.h"

namespace zk {

namespace {

constexpr int32_t kTileHalf = 100;  // floor tiles are 200 x 200, placed by their centres

// The dust sheet: eight cells across (move cycle 1 to 8), walking in the top row and boosting
// in the bottom row.
constexpr int32_t kDustColumns = 8;
constexpr int32_t kDustRows = 2;

// Gauges: player 1 at the top left, player 2 at the top right, above the status texts.
constexpr const int32_t (&kGaugeLeft)[2] = kStatusLeft;
constexpr int32_t kGaugeWidth = kStatusWidth;
constexpr int32_t kArmorTop = 6, kArmorHeight = 10;
constexpr int32_t kEnergyTop = 18, kEnergyHeight = 6;
// The gauge cells: a row of the "WEAPON" sheet's cells.
constexpr int32_t kSheetCell = sprite::kCellSize, kGaugeRow = sprite::kGaugeRow;
constexpr int32_t kGaugeCellCount = 5;
constexpr int32_t kCellArmor = 0, kCellArmorLow = 1, kCellEnergy = 2, kCellEmpty = 3,
                  kCellFrame = 4;
constexpr ColorRef kGaugeBack = Rgb(40, 40, 40);
constexpr ColorRef kArmorColor = Rgb(0, 210, 0);
constexpr ColorRef kArmorLowColor = Rgb(210, 0, 0);
constexpr ColorRef kEnergyColor = Rgb(0, 120, 255);

int32_t GaugeLength(int32_t value, int32_t max) {
  if (max <= 0 || value <= 0) return 0;
  return static_cast<int32_t>(static_cast<int64_t>(std::min(value, max)) * kGaugeWidth / max);
}

}  // namespace

void TForm1::Draw_FS2() {
  if (!BackSurface) return;
  DrawFloor();
  for (int p = 0; p < 2; ++p) DrawRobot(p);
  DrawShots();
  DrawGauges();
}

void TForm1::DrawFloor() {
  if (!SheetSurfaceB) return;
  const Surface& tile = *SheetSurfaceB;
  for (const auto& column : FloorTiles) {
    for (const TilePos& t : column) {
      Blit(*BackSurface, Rect{t.x - kTileHalf, t.y - kTileHalf, t.x + kTileHalf, t.y + kTileHalf},
           tile, tile.Bounds(), kBlitNone);
    }
  }
}

// The sprite cell of the robot's facing, motion and frame, from the view picture of its facing;
// facings 5 to 7 are the views of 3 to 1 mirrored.
void TForm1::DrawRobot(int player) {
  const CharacterData& robot = Robots[player];
  DrawMoveEffect(robot);
  const int32_t facing = robot.Facing;
  const int32_t motion = robot.Step.Motion;
  const int32_t frame = robot.Step.Frame;
  if (facing >= 0 && facing < kFacings && motion >= 0 && motion < kMotionRows && frame >= 0 &&
      frame < kMotionFrames) {
    const MotionFrame& cell = MotionTables[player].Frames[facing][motion][frame];
    const Surface* view = ViewSurfaces[player][kViewOfFacing[facing]].get();
    if (view) {
      const uint32_t flags = kBlitSourceKey | (facing >= 5 ? kBlitMirrorLeftRight : 0u);
      Blit(*BackSurface,
           Rect{robot.X - cell.HalfWidth, robot.Y - cell.HalfHeight, robot.X + cell.HalfWidth,
                robot.Y + cell.HalfHeight},
           *view, Rect{cell.Left, cell.Top, cell.Right, cell.Bottom}, flags);
    }
  }
  DrawMoveEffect(robot);
}

// The dust or exhaust of a moving robot, by its kind's effect size.
void TForm1::DrawMoveEffect(const CharacterData& robot) {
  if (!DustSurface) return;
  if (robot.SpeedLeft <= 0 && robot.SpeedRight <= 0 && robot.SpeedUp <= 0 && robot.SpeedDown <= 0) {
    return;
  }
  int32_t half = 0;
  if (robot.Status.BoostEffect == 1) {
    half = 60;
  } else if (robot.Status.BoostEffect == 2) {
    half = 70;
  } else {
    return;
  }
  const int32_t cycle = std::clamp(robot.MoveCycle, 1, 8) - 1;
  const int32_t row = robot.Boost == 1 ? 1 : 0;
  const int32_t cell_w = DustSurface->Width() / kDustColumns;
  const int32_t cell_h = DustSurface->Height() / kDustRows;
  const Rect src{cycle * cell_w, row * cell_h, (cycle + 1) * cell_w, (row + 1) * cell_h};
  // From X - half to X + half - 1, right and bottom exclusive like every rectangle: the cell is
  // scaled to (2 * half - 1) pixels square.
  Blit(*BackSurface, Rect{robot.X - half, robot.Y - half, robot.X + half - 1, robot.Y + half - 1},
       *DustSurface, src, kBlitSourceKey);
}

// Each gauge is drawn from the "WEAPON" sheet's gauge cells, stretched: the empty cell over the
// whole bar, the filled part, then the frame. Without the sheet, plain fills.
void TForm1::DrawGauges() {
  const Surface* sheet = SheetSurfaceA.get();
  const bool cells = sheet && sheet->Width() >= kGaugeCellCount * kSheetCell &&
                     sheet->Height() >= (kGaugeRow + 1) * kSheetCell;
  auto bar = [&](int32_t left, int32_t top, int32_t height, int32_t length, int32_t cell,
                 ColorRef plain) {
    const Rect whole{left, top, left + kGaugeWidth, top + height};
    const Rect filled{left, top, left + length, top + height};
    if (!cells) {
      FillRect(*BackSurface, whole, kGaugeBack);
      FillRect(*BackSurface, filled, plain);
      return;
    }
    auto cell_rect = [](int32_t c) { return SheetCells::CellRect(sprite::Cell(kGaugeRow, c)); };
    Blit(*BackSurface, whole, *sheet, cell_rect(kCellEmpty), kBlitSourceKey);
    if (length > 0) Blit(*BackSurface, filled, *sheet, cell_rect(cell), kBlitSourceKey);
    Blit(*BackSurface, whole, *sheet, cell_rect(kCellFrame), kBlitSourceKey);
  };
  for (int p = 0; p < 2; ++p) {
    const CharacterData& robot = Robots[p];
    const int32_t max_armor = robot.Status.MaxArmor;
    const bool low = max_armor > 0 && robot.Armor < max_armor / 3;
    bar(kGaugeLeft[p], kArmorTop, kArmorHeight, GaugeLength(robot.Armor, max_armor),
        low ? kCellArmorLow : kCellArmor, low ? kArmorLowColor : kArmorColor);
    bar(kGaugeLeft[p], kEnergyTop, kEnergyHeight, GaugeLength(robot.Energy, robot.Status.MaxEnergy),
        kCellEnergy, kEnergyColor);
  }
}

}  // namespace zk
