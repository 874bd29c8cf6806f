// The title and ending pictures.
#include <algorithm>

#include "shell/form.h"

namespace zk {

namespace {

// The menu bar: one row per game mode, top to bottom, where the title picture leaves room for
// it. The cursor picture holds player 1's and player 2's cursors side by side; the menu shows
// player 1's.
constexpr int32_t kBarLeft = 250, kBarTop = 340, kBarRows = 3;
constexpr int32_t kCursorGap = 8;

}  // namespace

// The title picture over the whole screen; on the menu also the menu bar and the cursor on the
// row of the current game mode.
void TForm1::Draw_Start2() {
  if (!BackSurface || !SheetSurfaceA) return;
  Surface& back = *BackSurface;
  Blit(back, Rect{0, 0, 800, 600}, *SheetSurfaceA, SheetSurfaceA->Bounds(), kBlitNone);
  if (GameStage != kStageMenu || !SheetSurfaceB) return;

  const Surface& bar = *SheetSurfaceB;
  Blit(back, Rect{kBarLeft, kBarTop, kBarLeft + bar.Width(), kBarTop + bar.Height()}, bar,
       bar.Bounds(), kBlitSourceKey);

  const Surface* cursor = ViewSurfaces[1][0].get();
  if (!cursor || GameMode < kModeOnePlayer || GameMode > kModeSurvival) return;
  const int32_t size = std::min(cursor->Height(), cursor->Width());
  const int32_t row_height = bar.Height() / kBarRows;
  const int32_t left = kBarLeft - size - kCursorGap;
  const int32_t top = kBarTop + (GameMode - kModeOnePlayer) * row_height + (row_height - size) / 2;
  Blit(back, Rect{left, top, left + size, top + size}, *cursor, Rect{0, 0, size, size},
       kBlitSourceKey);
}

// Player 1's view slots hold the five ending pictures, shown in turn.
void TForm1::Draw_End2() {
  if (!BackSurface) return;
  constexpr int32_t kUntil[5] = {625, 1075, 1525, 1975, 2440};
  for (int i = 0; i < 5; ++i) {
    if (StageFrame < kUntil[i]) {
      if (ViewSurfaces[0][i]) {
        Blit(*BackSurface, Rect{0, 0, 800, 600}, *ViewSurfaces[0][i], Rect{0, 0, 800, 600},
             kBlitSourceKey);
      }
      return;
    }
  }
}

}  // namespace zk
