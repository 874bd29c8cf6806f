// What the text renderer tells about a text before it is drawn.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/surface.h"

namespace zk {

// The size of the text's box in the font (0 x 0 when it cannot be drawn).
struct TextSize {
  int32_t Width = 0, Height = 0;
};
TextSize MeasureText(Font& font, std::string_view text);

}  // namespace zk
