// The select screen's robot cards and name plates.
#pragma once

#include <cstdint>

#include "platform/surface.h"

namespace zk {

struct NamePlate {
  int32_t Image;  // name-plate picture 1..4
  Rect Source;    // (left, top, left + 259, top + 279)
};

struct RobotCard {
  Rect Source;
  Rect Dest;
};

// The robot cards: the "SELECT_MARKS" sheet holds the eleven cards in select order, one above
// the other, kCardWidth x kCardHeight each (a sheet of 200 x 440 at least); on the screen they
// stand in one column, card i at (kCardLeft, kCardTop + i * kCardPitch), between the two
// players' name plates.
inline constexpr int32_t kCardWidth = 200, kCardHeight = 40;
inline constexpr int32_t kCardLeft = 300, kCardTop = 25, kCardPitch = 50;

// Where each player's name plate is shown (259 x 279, the size of a plate's source rectangle):
// player 1's on the left, player 2's on the right.
inline constexpr int32_t kPlateShownLeft[2] = {10, 531}, kPlateShownTop = 310;
inline constexpr int32_t kPlateShownWidth = 259;

// The robot portraits: the "SELECT_MOS" sheet holds one square portrait per kind, kMosColumns to
// a row in select order; each deciding player's portrait of the kind under the cursor stands
// above the player's name plate, centred on it, from kMosTop.
inline constexpr int32_t kMosSize = 160, kMosColumns = 4, kMosRows = 3;
inline constexpr int32_t kMosTop = 112;
// The portrait of `kind` (1 to 11) on the "SELECT_MOS" sheet.
constexpr Rect MosSource(int32_t kind) {
  const int32_t left = (kind - 1) % kMosColumns * kMosSize,
                top = (kind - 1) / kMosColumns * kMosSize;
  return Rect{left, top, left + kMosSize, top + kMosSize};
}

// Each player's colour from the select screen to the fight (also the pens that outline the robots
// in the fight): green for player 1 and orange for player 2.
inline constexpr ColorRef kPlayerColour[2] = {Rgb(0, 200, 0), Rgb(255, 90, 0)};

}  // namespace zk
