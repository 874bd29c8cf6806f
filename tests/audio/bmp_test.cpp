// Pictures: every BMP variant the game may meet decodes to the right pixels and colour table,
// and broken images give no picture.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/resources.h"
#include "platform/surface.h"
#include "support/media_builders.h"
#include "support/scratch_dir.h"

namespace zk {
namespace {

using test::BmpSpec;
using test::BuildBmp;
using test::Rows8;

std::unique_ptr<Surface> Decode(const std::vector<uint8_t>& bytes) {
  return DecodeBmp(bytes.data(), bytes.size());
}

// An 8-bit image of 3 x 2 with four colours, bottom row stored first.
BmpSpec Pal8() {
  BmpSpec s;
  s.Width = 3;
  s.Height = 2;
  s.Bits = 8;
  s.Palette = {0x000000, 0xFF00FF, 0x102030, 0xFFFFFF};
  s.Pixels = Rows8({{0, 1, 2}, {3, 2, 1}});
  return s;
}

TEST(BmpDecode, EightBitsBottomUpKeepsRowsAndPalette) {
  auto pic = Decode(BuildBmp(Pal8()));
  ASSERT_TRUE(pic);
  EXPECT_EQ(pic->Width(), 3);
  EXPECT_EQ(pic->Height(), 2);
  // The first stored row is the bottom one.
  EXPECT_EQ(pic->Pixel(0, 1), 0x000000u);
  EXPECT_EQ(pic->Pixel(1, 1), 0xFF00FFu);
  EXPECT_EQ(pic->Pixel(0, 0), 0xFFFFFFu);
  EXPECT_EQ(pic->Pixel(2, 0), 0xFF00FFu);
  EXPECT_EQ(pic->Palette[2], 0x102030u);
  EXPECT_EQ(pic->Palette[3], 0xFFFFFFu);
  EXPECT_EQ(pic->Palette[4], 0u);  // unused entries stay black
}

TEST(BmpDecode, TopDownRowsComeFirst) {
  BmpSpec s = Pal8();
  s.Height = -2;
  auto pic = Decode(BuildBmp(s));
  ASSERT_TRUE(pic);
  EXPECT_EQ(pic->Height(), 2);
  EXPECT_EQ(pic->Pixel(1, 0), 0xFF00FFu);
  EXPECT_EQ(pic->Pixel(0, 1), 0xFFFFFFu);
}

struct VariantCase {
  const char* Name;
  BmpSpec Layout;
  std::vector<uint32_t> TopRow;  // expected pixels of row 0 (the top)
};

std::vector<VariantCase> Variants() {
  std::vector<VariantCase> v;
  {
    BmpSpec s;  // 1 bit, 10 pixels: 1010101011
    s.Width = 10;
    s.Height = 1;
    s.Bits = 1;
    s.Palette = {0x000000, 0xFFFFFF};
    s.Pixels = {0xAA, 0xC0, 0, 0};
    v.push_back(
        {"1bit", s, {0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0xFFFFFF}});
  }
  {
    BmpSpec s;  // 4 bits, 3 pixels 2,1,0 of a three-colour table
    s.Width = 3;
    s.Height = 1;
    s.Bits = 4;
    s.Palette = {0x111111, 0x222222, 0x333333};
    s.Pixels = {0x21, 0x00, 0, 0};
    v.push_back({"4bit", s, {0x333333, 0x222222, 0x111111}});
  }
  {
    BmpSpec s;  // 16 bits 5-5-5: blue, green
    s.Width = 2;
    s.Height = 1;
    s.Bits = 16;
    s.Pixels = {0x1F, 0x00, 0xE0, 0x03};
    v.push_back({"16bit", s, {0x0000FF, 0x00FF00}});
  }
  {
    BmpSpec s;  // 16 bits 5-6-5 by bit fields: red, blue
    s.Width = 2;
    s.Height = 1;
    s.Bits = 16;
    s.Compression = 3;
    s.Masks = {0xF800, 0x07E0, 0x001F};
    s.Pixels = {0x00, 0xF8, 0x1F, 0x00};
    v.push_back({"16bit-565", s, {0xFF0000, 0x0000FF}});
  }
  {
    BmpSpec s;  // 24 bits, stored blue, green, red
    s.Width = 2;
    s.Height = 1;
    s.Bits = 24;
    s.Pixels = {0x30, 0x20, 0x10, 0xFF, 0x00, 0xFF, 0, 0};
    v.push_back({"24bit", s, {0x102030, 0xFF00FF}});
  }
  {
    BmpSpec s;  // 32 bits; the fourth byte is not alpha and changes nothing
    s.Width = 2;
    s.Height = 1;
    s.Bits = 32;
    s.Pixels = {0x03, 0x02, 0x01, 0x00, 0x00, 0xFF, 0x00, 0x80};
    v.push_back({"32bit", s, {0x010203, 0x00FF00}});
  }
  {
    BmpSpec s;  // OS/2 core header, 1 bit
    s.HeaderSize = 12;
    s.Width = 2;
    s.Height = 1;
    s.Bits = 1;
    s.Palette = {0x0000FF, 0x00FF00};
    s.Pixels = {0x40, 0, 0, 0};
    v.push_back({"core", s, {0x0000FF, 0x00FF00}});
  }
  {
    BmpSpec s;  // RLE8: a run of 2, an absolute run of 3, end of bitmap
    s.Width = 5;
    s.Height = 1;
    s.Bits = 8;
    s.Compression = 1;
    s.Palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    s.Pixels = {2, 1, 0, 3, 2, 3, 0, 0, 0, 1};
    v.push_back({"rle8", s, {0xFF0000, 0xFF0000, 0x00FF00, 0x0000FF, 0x000000}});
  }
  {
    BmpSpec s;  // RLE4: a run of 3 alternating 1 and 2, a move right by 1, end
    s.Width = 5;
    s.Height = 1;
    s.Bits = 4;
    s.Compression = 2;
    s.Palette = {0x000000, 0xFF0000, 0x00FF00};
    s.Pixels = {3, 0x12, 0, 2, 1, 0, 1, 0x20, 0, 1};
    v.push_back({"rle4", s, {0xFF0000, 0x00FF00, 0xFF0000, 0x000000, 0x00FF00}});
  }
  return v;
}

TEST(BmpDecode, EveryVariantGivesItsPixels) {
  for (const VariantCase& c : Variants()) {
    SCOPED_TRACE(c.Name);
    auto pic = Decode(BuildBmp(c.Layout));
    ASSERT_TRUE(pic);
    ASSERT_EQ(pic->Width(), static_cast<int32_t>(c.TopRow.size()));
    for (size_t x = 0; x < c.TopRow.size(); ++x) {
      EXPECT_EQ(pic->Pixel(static_cast<int32_t>(x), 0), c.TopRow[x]) << "x " << x;
    }
  }
}

TEST(BmpDecode, RleEndOfLineMovesUpARow) {
  BmpSpec s;
  s.Width = 2;
  s.Height = 2;
  s.Bits = 8;
  s.Compression = 1;
  s.Palette = {0x000000, 0xFFFFFF, 0x00FF00};
  s.Pixels = {2, 1, 0, 0, 2, 2, 0, 1};  // bottom row white, top row green
  auto pic = Decode(BuildBmp(s));
  ASSERT_TRUE(pic);
  EXPECT_EQ(pic->Pixel(1, 1), 0xFFFFFFu);
  EXPECT_EQ(pic->Pixel(0, 0), 0x00FF00u);
}

struct BrokenCase {
  const char* Name;
  BmpSpec Layout;
};

std::vector<BrokenCase> Broken() {
  std::vector<BrokenCase> v;
  auto with = [&](const char* name, auto change) {
    BmpSpec s = Pal8();
    change(s);
    v.push_back({name, s});
  };
  with("zero width", [](BmpSpec& s) { s.Width = 0; });
  with("zero height", [](BmpSpec& s) { s.Height = 0; });
  with("negative width", [](BmpSpec& s) { s.Width = -3; });
  with("too wide", [](BmpSpec& s) { s.Width = 4097; });
  with("too high", [](BmpSpec& s) { s.Height = 4097; });
  with("too high top-down", [](BmpSpec& s) { s.Height = -4097; });
  with("most negative height", [](BmpSpec& s) { s.Height = INT32_MIN; });
  with("two planes", [](BmpSpec& s) { s.Planes = 2; });
  with("7 bits", [](BmpSpec& s) { s.Bits = 7; });
  with("0 bits", [](BmpSpec& s) { s.Bits = 0; });
  with("300 colours", [](BmpSpec& s) { s.ColoursUsed = 300; });
  with("colour table past the end", [](BmpSpec& s) {
    s.ColoursUsed = 200;
    s.Pixels.clear();
  });
  with("index beyond the table", [](BmpSpec& s) { s.Pixels = Rows8({{0, 1, 2}, {3, 4, 1}}); });
  with("rows missing", [](BmpSpec& s) { s.Pixels.resize(4); });
  with("odd header size", [](BmpSpec& s) { s.HeaderSize = 44; });
  with("JPEG inside", [](BmpSpec& s) { s.Compression = 4; });
  with("RLE8 on 24 bits", [](BmpSpec& s) {
    s.Bits = 24;
    s.Compression = 1;
  });
  with("RLE top-down", [](BmpSpec& s) {
    s.Height = -2;
    s.Compression = 1;
    s.Pixels = {3, 1, 0, 0, 3, 1, 0, 1};
  });
  with("RLE run past the row", [](BmpSpec& s) {
    s.Compression = 1;
    s.Pixels = {4, 1, 0, 1};
  });
  with("RLE absolute run past the row", [](BmpSpec& s) {
    s.Compression = 1;
    s.Pixels = {2, 1, 0, 3, 1, 1, 1, 0, 0, 1};
  });
  with("RLE end of line past the image", [](BmpSpec& s) {
    s.Compression = 1;
    s.Pixels = {0, 0, 0, 0, 0, 0, 3, 1, 0, 1};
  });
  with("RLE move past the image", [](BmpSpec& s) {
    s.Compression = 1;
    s.Pixels = {0, 2, 0, 5, 0, 1};
  });
  with("RLE index beyond the table", [](BmpSpec& s) {
    s.Compression = 1;
    s.Pixels = {3, 9, 0, 1};
  });
  with("RLE without end of bitmap", [](BmpSpec& s) {
    s.Compression = 1;
    s.Pixels = {3, 1, 0, 0, 3, 2};
  });
  with("RLE absolute run cut short", [](BmpSpec& s) {
    s.Compression = 1;
    s.Pixels = {0, 3, 1};
  });
  with("bit fields on 8 bits", [](BmpSpec& s) { s.Compression = 3; });
  return v;
}

TEST(BmpDecode, BrokenImagesGiveNoPicture) {
  for (const BrokenCase& c : Broken()) {
    SCOPED_TRACE(c.Name);
    EXPECT_FALSE(Decode(BuildBmp(c.Layout)));
  }
}

TEST(BmpDecode, EveryTruncationGivesNoPicture) {
  for (const VariantCase& c : Variants()) {
    const std::vector<uint8_t> whole = BuildBmp(c.Layout);
    for (size_t n = 0; n < whole.size(); ++n) {
      const std::vector<uint8_t> part(whole.begin(), whole.begin() + static_cast<ptrdiff_t>(n));
      EXPECT_FALSE(Decode(part)) << c.Name << " cut to " << n << " bytes";
    }
  }
  EXPECT_FALSE(DecodeBmp(nullptr, 0));
}

TEST(BmpDecode, LargestSideIsAccepted) {
  BmpSpec s;
  s.Width = 4096;
  s.Height = 1;
  s.Bits = 8;
  s.Palette = {0x123456};
  s.Pixels.assign(4096, 0);
  auto pic = Decode(BuildBmp(s));
  ASSERT_TRUE(pic);
  EXPECT_EQ(pic->Pixel(4095, 0), 0x123456u);
}

// Bitmaps by name: the program's resources first, then a file below the working directory.
class BitmapByName : public ::testing::Test {
 protected:
  void TearDown() override { SetResourceOverride({}); }
  static std::vector<uint8_t> OneColour(uint32_t rgb) {
    BmpSpec s;
    s.Width = 1;
    s.Height = 1;
    s.Bits = 24;
    s.Pixels = {static_cast<uint8_t>(rgb), static_cast<uint8_t>(rgb >> 8),
                static_cast<uint8_t>(rgb >> 16), 0};
    return BuildBmp(s);
  }
  static void Write(const std::string& path, const std::vector<uint8_t>& bytes) {
    test::ScratchDirectory::Write(path, bytes);
  }
  test::ScratchDirectory scratch_;
};

TEST_F(BitmapByName, ResourceComesBeforeTheFile) {
  Write("others/pic.bmp", OneColour(0x0000FF));
  const std::vector<uint8_t> red = OneColour(0xFF0000);
  const ResourceEntry table[] = {{"others/pic.bmp", ResourceType::Bitmap, red}};
  SetResourceOverride(table);
  auto pic = LoadBitmapByName("others/pic.bmp");
  ASSERT_TRUE(pic);
  EXPECT_EQ(pic->Pixel(0, 0), 0xFF0000u);

  SetResourceOverride({});
  pic = LoadBitmapByName("others/pic.bmp");
  ASSERT_TRUE(pic);
  EXPECT_EQ(pic->Pixel(0, 0), 0x0000FFu);

  // A resource that does not read is a failure: the file is not tried.
  const std::vector<uint8_t> broken = {'B', 'M', 0, 0};
  const ResourceEntry broken_table[] = {{"others/pic.bmp", ResourceType::Bitmap, broken}};
  SetResourceOverride(broken_table);
  EXPECT_FALSE(LoadBitmapByName("others/pic.bmp"));
}

TEST_F(BitmapByName, ResourceNamesIgnoreCaseAndType) {
  const std::vector<uint8_t> green = OneColour(0x00FF00);
  const ResourceEntry table[] = {{"SABAKU", ResourceType::Wave, green},
                                 {"Sabaku", ResourceType::Bitmap, green}};
  SetResourceOverride(table);
  EXPECT_TRUE(LoadBitmapByName("SABAKU"));
  EXPECT_TRUE(FindResource("sabaku", ResourceType::Wave).size() == green.size());
  EXPECT_TRUE(FindResource("SABAKU2", ResourceType::Bitmap).empty());
}

TEST_F(BitmapByName, BackslashReadsAsSlashAndNothingOutsideIsRead) {
  Write("others/pic.bmp", OneColour(0x0000FF));
  EXPECT_TRUE(LoadBitmapByName("others\\pic.bmp"));
  EXPECT_FALSE(LoadBitmapByName("others/missing.bmp"));
  EXPECT_FALSE(LoadBitmapByName(""));
  EXPECT_FALSE(LoadBitmapByName("others/../others/pic.bmp"));
  EXPECT_FALSE(LoadBitmapByName((std::filesystem::current_path() / "others/pic.bmp").string()));
  Write("others/broken.bmp", {'B', 'M', 1, 2, 3});
  EXPECT_FALSE(LoadBitmapByName("others/broken.bmp"));
}

}  // namespace
}  // namespace zk
