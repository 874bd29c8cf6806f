// Where things lie on the pack's sheets. The drawing code reads the pictures by these cells.
#pragma once

#include <cstdint>

#include "display/select_catalogue.h"

namespace zk::assetgen::layout {

// Full-screen pictures: nr_start, select_back, before_back, nr_end0..4.
inline constexpr int32_t kScreenWidth = 800, kScreenHeight = 600;

// others/start_bar.bmp: the title menu, one row per game mode 1..3 (row = GameMode - 1), drawn
// centred across the screen from kStartBarTop, the cursor to its left.
inline constexpr int32_t kStartBarWidth = 300, kStartBarRowHeight = 60, kStartBarRows = 3;
inline constexpr int32_t kStartBarLeft = 250, kStartBarTop = 340;

// others/select_cursor.bmp: two square cells side by side, player 1's pointing right (also the
// title menu's cursor), player 2's pointing left; on the select screen player 1's stands left of
// the chosen card and player 2's right of it.
inline constexpr int32_t kCursorSize = 40, kCursorCells = 2;

// others/select_bar.bmp: a frame per player (row 0 player 1, row 1 player 2), laid over the chosen
// card; transparent inside.
inline constexpr int32_t kSelectBarWidth = 200, kSelectBarHeight = 40;

// "SELECT_MARKS": one card per kind 1..11, stacked (row = kind - 1); on the screen the cards
// stand in one column, as the select screen's catalogue places them.
inline constexpr int32_t kMarkWidth = kCardWidth, kMarkHeight = kCardHeight, kMarkCount = 11;
inline constexpr int32_t kCardsLeft = kCardLeft, kCardsTop = kCardTop, kCardsPitch = kCardPitch;
// On a card: the kind's name from kMarkNameLeft, its number in a box of kMarkNumberBox pixels at
// the right end.
inline constexpr int32_t kMarkNameLeft = 12, kMarkNumberBox = 32;

// The name plates are shown at (10, 310) for player 1 and (531, 310) for player 2.
using zk::kPlateShownLeft;
using zk::kPlateShownTop;

// "SELECT_MOS": one robot portrait per kind, four to a row (cell = kind - 1), shown as the
// select screen's catalogue places them (display/select_catalogue.h).
using zk::kMosColumns;
using zk::kMosRows;
using zk::kMosSize;

// others/nameplate1..4.bmp: 3 x 2 plates of 260 x 280 (plate n of the start-up's numbering).
inline constexpr int32_t kPlateWidth = 260, kPlateHeight = 280, kPlateColumns = 3, kPlateRows = 2;

// others/sand_dust.bmp: column MoveCycle - 1 (1..8), row 0 walking, row 1 boosting.
inline constexpr int32_t kDustCell = 140, kDustColumns = 8, kDustRows = 2;

// "SABAKU": one floor tile.
inline constexpr int32_t kFloorTile = 200;

// "WEAPON": 16 x 16 cells of 32 x 32; the shots' cells are those of weapons/weapon_sprites.h,
// the fight's gauge pieces are row 12: 0 armour, 1 armour low, 2 energy, 3 empty, 4 frame.
inline constexpr int32_t kWeaponCell = 32, kWeaponColumns = 16, kWeaponRows = 16;
inline constexpr int32_t kWeaponGaugeRow = 12;

}  // namespace zk::assetgen::layout
