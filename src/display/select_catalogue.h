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

}  // namespace zk
