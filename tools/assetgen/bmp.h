// Windows bitmap files: 8 bits per pixel, bottom-up rows, the 256-entry game palette.
#pragma once

#include <cstdint>
#include <vector>

#include "image.h"

namespace zk::assetgen {

std::vector<uint8_t> EncodeBmp8(const Image& img);

}  // namespace zk::assetgen
