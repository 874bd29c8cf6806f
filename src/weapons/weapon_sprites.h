// Cells of the "WEAPON" sheet: 512 x 512 pixels of 32 x 32 cells, 16 cells a row, rows by shot
// family. A cell number is row x 16 + column.
#pragma once

#include <cstdint>

namespace zk::sprite {

inline constexpr int32_t kSheetColumns = 16;
inline constexpr int32_t kCellSize = 32;

constexpr int32_t Cell(int32_t row, int32_t col) {
  return row * kSheetColumns + col;
}
constexpr int32_t CellRow(int32_t cell) {
  return cell / kSheetColumns;
}
constexpr int32_t CellColumn(int32_t cell) {
  return cell % kSheetColumns;
}

// Row 0: bullets.
inline constexpr int32_t kBullet = Cell(0, 0);  // machine gun and assault rifle rounds
inline constexpr int32_t kGatlingRound = Cell(0, 1);
inline constexpr int32_t kPellet = Cell(0, 2);  // shotgun pellets
inline constexpr int32_t kSlag = Cell(0, 3);    // shotgun slag chunks
inline constexpr int32_t kRifleRound = Cell(0, 4);
inline constexpr int32_t kClaw = Cell(0, 5);  // the snatcher's claw, 2 frames (5, 6)
// Row 1: shells.
inline constexpr int32_t kShell80 = Cell(1, 0);
inline constexpr int32_t kShell180 = Cell(1, 1);
// Row 2: rockets (columns 0-7) and missiles (columns 8-15), one cell per direction index.
inline constexpr int32_t kRocket = Cell(2, 0);
inline constexpr int32_t kMissile = Cell(2, 8);
// Row 3: mines.
inline constexpr int32_t kWaitingMine = Cell(3, 0);     // 2 frames, blinking
inline constexpr int32_t kFloatingMine = Cell(3, 2);    // 2 frames
inline constexpr int32_t kSnakeMine = Cell(3, 4);       // 4 frames
inline constexpr int32_t kWaitingStinger = Cell(3, 8);  // 2 frames
// Row 4: acid and fog.
inline constexpr int32_t kAcidFog = Cell(4, 0);   // 8 frames, swirling
inline constexpr int32_t kAcidDrop = Cell(4, 8);  // 4 frames
// Row 5: the beam's muzzle flare and the whirlwinds.
inline constexpr int32_t kBeamHead = Cell(5, 4);
inline constexpr int32_t kTempest = Cell(5, 8);       // 4 frames
inline constexpr int32_t kTempestAcid = Cell(5, 12);  // 4 frames
// Rows 6 and 7: explosions, 8 animation frames each.
inline constexpr int32_t kBlastSmall = Cell(6, 0);
inline constexpr int32_t kBlastLarge = Cell(6, 8);
inline constexpr int32_t kAcidSplash = Cell(7, 0);
inline constexpr int32_t kSpark = Cell(7, 8);
// Row 8: smoke, 8 cells by age, swelling a little and paling into the sand.
inline constexpr int32_t kSmoke = Cell(8, 0);
inline constexpr int32_t kSmokeCells = 8;
// Row 9: melee flashes, 4 frames each.
inline constexpr int32_t kSlash = Cell(9, 0);
inline constexpr int32_t kClawFlash = Cell(9, 4);
// Row 10: grenades, 8 frames tumbling, and the shadow of a shot in the air.
inline constexpr int32_t kGrenade = Cell(10, 0);
inline constexpr int32_t kShadow = Cell(10, 8);
// Row 11: fireflies (4 frames) and stingers (columns 8-15, one per direction index).
inline constexpr int32_t kFirefly = Cell(11, 0);
inline constexpr int32_t kStinger = Cell(11, 8);
// Row 12: the fight scene's gauge cells (armour, low armour, energy, empty, frame).
inline constexpr int32_t kGaugeRow = 12;
// Row 13: a piece of beam, 4 shimmering frames for each slant (the direction index & 3: 0 up and
// down, 1 rising, 2 across, 3 falling); the drawer lays pieces end to end along the beam. A
// slanted piece crosses its cell from the left edge to the right at the slant of the diagonal
// direction vectors of DirTable.
inline constexpr int32_t kBeam = Cell(13, 0);
inline constexpr int32_t kBeamFrames = 4;
constexpr int32_t BeamCell(int32_t dir, int32_t frame) {
  return kBeam + (dir & 3) * kBeamFrames + frame;
}

}  // namespace zk::sprite
