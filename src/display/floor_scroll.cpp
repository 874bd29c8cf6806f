// The scrolling floor: an 8 x 7 grid of 200-pixel tiles that always covers the screen.
#include "shell/form.h"

namespace zk {

namespace {
constexpr int32_t kTile = 200;
constexpr int32_t kColumns = 8, kRows = 7;
}  // namespace

void TForm1::BackMove(int32_t dx, int32_t dy) {
  for (auto& column : FloorTiles) {
    for (TilePos& tile : column) {
      tile.x += dx;
      tile.y += dy;
    }
  }
  // Tile [1][1] keeps between -200 and 0 on each axis: when it leaves, the grid moves one tile,
  // the row or column that falls off one edge coming back 200 pixels beyond the other.
  if (FloorTiles[1][1].x > 0) {
    for (int32_t i = kColumns - 1; i > 0; --i) {
      for (int32_t j = 0; j < kRows; ++j) FloorTiles[i][j].x = FloorTiles[i - 1][j].x;
    }
    for (int32_t j = 0; j < kRows; ++j) FloorTiles[0][j].x = FloorTiles[1][j].x - kTile;
  } else if (FloorTiles[1][1].x < -kTile) {
    for (int32_t i = 0; i < kColumns - 1; ++i) {
      for (int32_t j = 0; j < kRows; ++j) FloorTiles[i][j].x = FloorTiles[i + 1][j].x;
    }
    for (int32_t j = 0; j < kRows; ++j) {
      FloorTiles[kColumns - 1][j].x = FloorTiles[kColumns - 2][j].x + kTile;
    }
  }
  if (FloorTiles[1][1].y > 0) {
    for (int32_t j = kRows - 1; j > 0; --j) {
      for (int32_t i = 0; i < kColumns; ++i) FloorTiles[i][j].y = FloorTiles[i][j - 1].y;
    }
    for (int32_t i = 0; i < kColumns; ++i) FloorTiles[i][0].y = FloorTiles[i][1].y - kTile;
  } else if (FloorTiles[1][1].y < -kTile) {
    for (int32_t j = 0; j < kRows - 1; ++j) {
      for (int32_t i = 0; i < kColumns; ++i) FloorTiles[i][j].y = FloorTiles[i][j + 1].y;
    }
    for (int32_t i = 0; i < kColumns; ++i) {
      FloorTiles[i][kRows - 1].y = FloorTiles[i][kRows - 2].y + kTile;
    }
  }
}

}  // namespace zk
