#include "bmp.h"

#include "media/byte_order.h"

namespace zk::assetgen {

std::vector<uint8_t> EncodeBmp8(const Image& img) {
  const uint32_t w = static_cast<uint32_t>(img.Width());
  const uint32_t h = static_cast<uint32_t>(img.Height());
  const uint32_t stride = (w + 3) & ~3u;
  const uint32_t pixelOffset = 14 + 40 + 256 * 4;
  const uint32_t imageSize = stride * h;
  std::vector<uint8_t> out;
  out.reserve(pixelOffset + imageSize);
  PutTag(out, "BM");
  PutLe32(out, pixelOffset + imageSize);
  PutLe32(out, 0);
  PutLe32(out, pixelOffset);
  PutLe32(out, 40);
  PutLe32(out, w);
  PutLe32(out, h);  // positive: rows stored bottom-up
  PutLe16(out, 1);
  PutLe16(out, 8);
  PutLe32(out, 0);  // uncompressed
  PutLe32(out, imageSize);
  PutLe32(out, 2835);  // 72 dpi
  PutLe32(out, 2835);
  PutLe32(out, 256);
  PutLe32(out, 0);
  for (const Rgb8& c : GamePalette()) {
    out.push_back(c.B);
    out.push_back(c.G);
    out.push_back(c.R);
    out.push_back(0);
  }
  for (uint32_t row = 0; row < h; ++row) {
    const uint32_t y = h - 1 - row;
    const auto* src = img.Pixels().data() + static_cast<size_t>(y) * w;
    out.insert(out.end(), src, src + w);
    out.insert(out.end(), stride - w, 0);
  }
  return out;
}

}  // namespace zk::assetgen
