// One timed, fading text line of the ending roll.
#pragma once

#include <cstdint>

namespace zk {

struct EndUnit {
  // Fields and operations: see ending.cpp.
};

}  // namespace zk
