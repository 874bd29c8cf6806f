// Screenshots: a surface written as a PNG file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace zk {

// The surface as PNG bytes: 8-bit RGB, no interlace. Empty for a surface with no pixels.
std::vector<uint8_t> EncodePng(const Surface& surface);

// Writes the surface as a PNG file; false when it cannot be written whole.
bool SavePng(const Surface& surface, const std::string& path);

}  // namespace zk
