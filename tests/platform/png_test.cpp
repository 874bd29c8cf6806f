// The screenshot writer's PNG: signature, header, pixels back through zlib, checksums.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <vector>

#include "media/png_writer.h"
#include "platform/surface.h"
#include "support/files.h"
#include "support/scratch_dir.h"

namespace zk {
namespace {

uint32_t Get32(const std::vector<uint8_t>& b, size_t at) {
  return (uint32_t{b[at]} << 24) | (uint32_t{b[at + 1]} << 16) | (uint32_t{b[at + 2]} << 8) |
         b[at + 3];
}

TEST(Png, HoldsThePixelsAsRgbRowsWithValidChunks) {
  Surface s(3, 2);
  s.Row(0)[0] = 0x112233;
  s.Row(0)[2] = 0xFF00FF;
  s.Row(1)[1] = 0xABCDEF;
  const std::vector<uint8_t> png = EncodePng(s);
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(std::vector<uint8_t>(png.begin(), png.begin() + 8),
            (std::vector<uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));

  std::vector<std::string> types;
  std::vector<uint8_t> idat;
  for (size_t at = 8; at + 12 <= png.size();) {
    const uint32_t len = Get32(png, at);
    ASSERT_LE(at + 12 + len, png.size());
    const std::string type(png.begin() + static_cast<ptrdiff_t>(at + 4),
                           png.begin() + static_cast<ptrdiff_t>(at + 8));
    types.push_back(type);
    const uLong crc = crc32(0, png.data() + at + 4, 4 + len);
    EXPECT_EQ(Get32(png, at + 8 + len), crc) << type;
    if (type == "IHDR") {
      EXPECT_EQ(Get32(png, at + 8), 3u);
      EXPECT_EQ(Get32(png, at + 12), 2u);
      EXPECT_EQ(png[at + 16], 8);  // bits
      EXPECT_EQ(png[at + 17], 2);  // RGB
    }
    if (type == "IDAT")
      idat.insert(idat.end(), png.begin() + static_cast<ptrdiff_t>(at + 8),
                  png.begin() + static_cast<ptrdiff_t>(at + 8 + len));
    at += 12 + len;
  }
  EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  std::vector<uint8_t> raw(2 * (1 + 9));
  uLongf raw_size = raw.size();
  ASSERT_EQ(uncompress(raw.data(), &raw_size, idat.data(), idat.size()), Z_OK);
  EXPECT_EQ(raw, (std::vector<uint8_t>{0, 0x11, 0x22, 0x33, 0,    0,    0,    0xFF, 0, 0xFF,  //
                                       0, 0,    0,    0,    0xAB, 0xCD, 0xEF, 0,    0, 0}));
}

TEST(Png, FailsForNothingToWriteOrNowhereToWrite) {
  EXPECT_TRUE(EncodePng(Surface(0, 5)).empty());
  EXPECT_FALSE(SavePng(Surface(4, 4), "/nonexistent/dir/shot.png"));
  const test::ScratchDir dir("zk_png");
  EXPECT_FALSE(SavePng(Surface(0, 0), dir.PathOf("empty.png")));
  EXPECT_FALSE(std::filesystem::exists(dir.PathOf("empty.png")));  // no half-made file either
}

TEST(Png, SavesExactlyTheEncodedImage) {
  const test::ScratchDir dir("zk_png");
  Surface surface(4, 3);
  surface.Row(1)[1] = 0x00ABCDEF;
  ASSERT_TRUE(SavePng(surface, dir.PathOf("shot.png")));
  EXPECT_EQ(test::ReadBytes(dir.PathOf("shot.png")), EncodePng(surface));
}

}  // namespace
}  // namespace zk
