// The computer opponent's plan state.
#pragma once

#include <cstdint>

namespace zk {

struct CpuPlan {
  int32_t Phase;
  int32_t Counter;
};

}  // namespace zk
