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

// Each player's colour from the select screen to the fight: those of the pens that outline the
// robots in the fight, green for player 1 and orange for player 2.
inline constexpr ColorRef kPlayerColour[2] = {Rgb(0, 200, 0), Rgb(255, 90, 0)};

}  // namespace zk
