// Where the fonts of the game's faces are found on the machine.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zk {

// A font file and the face inside it (collections hold several).
struct FontFile {
  std::string Path;  // empty when none of the candidates is installed
  long Index = 0;
};

enum class FontRole {
  Impact,    // the game's texts: a condensed bold face
  Sans,      // any other face
  SansBold,  // any other face, weight 600 and above
  Japanese,  // the start dialog and any text with Japanese characters
};

// The role a face name asked for plays.
FontRole RoleOfFace(std::string_view face, int32_t weight);

// The first installed file of the role's candidates.
FontFile FindFontFile(FontRole role);

}  // namespace zk
