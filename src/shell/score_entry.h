// A row of the survival score table, the same in memory and in the file.
#pragma once

#include <cstdint>

namespace zk {

struct ScoreEntry {
  int32_t Score;
  char Text[60];
};

}  // namespace zk
