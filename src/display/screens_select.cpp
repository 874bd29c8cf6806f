// The select screen, plain: background; in stage 6 the robot cards, and for each deciding player
// the portrait of the kind under the cursor, the name plate of the chosen variant, the player's
// bar over the card of that kind and the player's cursor beside it.
//
// The select entry fills the slots: player 1's views hold name plates 1 to 4 and the select bar
// (one row per player), player 2's first view the cursors (one square cell per player, side by
// side) and its second the background.
#include <algorithm>

#include "shell/form.h"

namespace zk {

namespace {

constexpr int32_t kCursorGap = 4;

}  // namespace

void TForm1::Draw_Select2() {
  if (!BackSurface) return;
  Surface& back = *BackSurface;
  if (const Surface* bg = ViewSurfaces[1][1].get()) {
    Blit(back, Rect{0, 0, 800, 600}, *bg, bg->Bounds(), kBlitNone);
  }
  if (GameStage != kStageSelect) return;

  if (SheetSurfaceA) {
    for (const RobotCard& card : RobotCards) {
      if (card.Source.Empty() || card.Dest.Empty()) continue;
      Blit(back, card.Dest, *SheetSurfaceA, card.Source, kBlitSourceKey);
    }
  }

  const int players = GameMode == kModeTwoPlayers ? 2 : 1;
  for (int p = 0; p < players; ++p) {
    const int32_t kind = p == 0 ? RobotKind1 : RobotKind2;
    const int32_t variant = Robots[p].WeaponType;
    if (kind < 1 || kind > 11 || variant < 0 || variant > 2) continue;

    // The portrait of the kind, above the name plate.
    if (const Surface* mos = SheetSurfaceB.get()) {
      const int32_t left = kPlateShownLeft[p] + (kPlateShownWidth - kMosSize) / 2;
      Blit(back, Rect{left, kMosTop, left + kMosSize, kMosTop + kMosSize}, *mos, MosSource(kind),
           kBlitSourceKey);
    }

    const NamePlate& plate = NamePlates[kind - 1][variant];
    if (plate.Image >= 1 && plate.Image <= 4 && !plate.Source.Empty()) {
      if (const Surface* sheet = ViewSurfaces[0][plate.Image - 1].get()) {
        const Rect dest{kPlateShownLeft[p], kPlateShownTop,
                        kPlateShownLeft[p] + plate.Source.Width(),
                        kPlateShownTop + plate.Source.Height()};
        Blit(back, dest, *sheet, plate.Source, kBlitSourceKey);
      }
    }

    const Rect& card = RobotCards[kind - 1].Dest;
    if (card.Empty()) continue;
    if (const Surface* bar = ViewSurfaces[0][4].get()) {
      const int32_t row_height = bar->Height() / 2;
      Blit(back, card, *bar, Rect{0, p * row_height, bar->Width(), (p + 1) * row_height},
           kBlitSourceKey);
    }
    if (const Surface* cursor = ViewSurfaces[1][0].get()) {
      // Player 1's cursor left of the card, player 2's right of it.
      const int32_t size = std::min(cursor->Height(), cursor->Width() / 2);
      const int32_t left = p == 0 ? card.Left - size - kCursorGap : card.Right + kCursorGap;
      const int32_t top = card.Top + (card.Height() - size) / 2;
      Blit(back, Rect{left, top, left + size, top + size}, *cursor,
           Rect{p * size, 0, (p + 1) * size, size}, kBlitSourceKey);
    }
  }
}

// The backdrop covers 799 x 599 pixels: the last column and row keep the old picture.
void TForm1::Draw_BS2() {
  if (!BackdropSurface) return;
  Blit(*BackSurface, Rect{0, 0, 799, 599}, *BackdropSurface, Rect{0, 0, 799, 599}, kBlitSourceKey);
}

}  // namespace zk
