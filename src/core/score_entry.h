// A row of the survival score table, the same in memory and in the file.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/field_text.h"

namespace zk {

struct ScoreEntry {
  int32_t Score;
  char Text[60];
};

// The row's text: up to its NUL byte, or all 60 bytes when the field holds none.
inline std::string_view ScoreText(const ScoreEntry& entry) {
  return FieldText(entry.Text);
}

}  // namespace zk
