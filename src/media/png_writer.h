// Screenshots: a picture written as a PNG file.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zk {

// A picture of `width` x `height` pixels 0x00RRGGBB as PNG bytes (8-bit RGB, no interlace);
// `row(y)` gives row y's `width` pixels. Empty for a picture with no pixels.
std::vector<uint8_t> EncodePngRows(int32_t width, int32_t height,
                                   const std::function<const uint32_t*(int32_t y)>& row);

// Writes PNG bytes as a file; false when there are none or they cannot be written whole.
bool WritePngFile(const std::vector<uint8_t>& png, const std::string& path);

// Any picture with Width(), Height() and Row(y) (a Surface among them).
template <class Picture>
std::vector<uint8_t> EncodePng(const Picture& picture) {
  return EncodePngRows(picture.Width(), picture.Height(),
                       [&picture](int32_t y) { return picture.Row(y); });
}

template <class Picture>
bool SavePng(const Picture& picture, const std::string& path) {
  return WritePngFile(EncodePng(picture), path);
}

}  // namespace zk
