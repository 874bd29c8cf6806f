// Screen pictures, compiled-in sheets and the shared palette.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "assetgen/readers.h"
#include "layout.h"
#include "pack.h"
#include "palette.h"
#include "platform/resources.h"

namespace zk {
extern const ResourceEntry kCompiledResources[];
extern const size_t kCompiledResourceCount;
}  // namespace zk

namespace zk::assetgen {
namespace {

using testing::ParseBmp8;
using testing::ReadFile;

TEST(Palette, MagentaOnceAndNeverChosenForDrawing) {
  const Palette& p = GamePalette();
  int magenta = 0;
  std::set<uint32_t> colours;
  for (const Rgb8& c : p) {
    if (c == Rgb8{255, 0, 255}) ++magenta;
    colours.insert((uint32_t{c.R} << 16) | (uint32_t{c.G} << 8) | c.B);
  }
  EXPECT_EQ(magenta, 1);
  EXPECT_EQ(colours.size(), 256u) << "every entry a colour of its own";
  EXPECT_EQ(p[TransparentIndex()], (Rgb8{255, 0, 255}));
  EXPECT_NE(NearestIndex({255, 0, 255}), TransparentIndex());
  EXPECT_NE(NearestIndex({250, 10, 245}), TransparentIndex());
  EXPECT_EQ(p[NearestIndex({0, 0, 0})], (Rgb8{0, 0, 0}));
}

struct PictureSize {
  const char* Path;
  int32_t Width, Height;
};

const PictureSize kOthers[] = {
    {"others/nr_start.bmp", 800, 600},
    {"others/select_back.bmp", 800, 600},
    {"others/before_back.bmp", 800, 600},
    {"others/nr_end0.bmp", 800, 600},
    {"others/nr_end1.bmp", 800, 600},
    {"others/nr_end2.bmp", 800, 600},
    {"others/nr_end3.bmp", 800, 600},
    {"others/nr_end4.bmp", 800, 600},
    {"others/nameplate1.bmp", 780, 560},
    {"others/nameplate2.bmp", 780, 560},
    {"others/nameplate3.bmp", 780, 560},
    {"others/nameplate4.bmp", 780, 560},
    {"others/start_bar.bmp", layout::kStartBarWidth,
     layout::kStartBarRowHeight* layout::kStartBarRows},
    {"others/select_bar.bmp", 200, 2 * 40},
    {"others/select_cursor.bmp", 2 * 40, 40},
    {"others/sand_dust.bmp", 8 * 140, 2 * 140},
};

TEST(Pictures, OthersExistWithTheirSizesAndThePalette) {
  const std::vector<uint32_t> palette = [] {
    std::vector<uint32_t> p;
    for (const Rgb8& c : GamePalette()) p.push_back((uint32_t{c.R} << 16) | (c.G << 8) | c.B);
    return p;
  }();
  for (const PictureSize& e : kOthers) {
    const auto bmp = ParseBmp8(ReadFile(e.Path));
    ASSERT_TRUE(bmp) << e.Path;
    EXPECT_EQ(bmp->Width, e.Width) << e.Path;
    EXPECT_EQ(bmp->Height, e.Height) << e.Path;
    EXPECT_EQ(bmp->Palette, palette) << e.Path;
  }
}

TEST(Pictures, FullScreenPicturesAreOpaque) {
  for (const char* path : {"others/nr_start.bmp", "others/select_back.bmp", "others/nr_end0.bmp",
                           "others/nr_end4.bmp"}) {
    const auto bmp = ParseBmp8(ReadFile(path));
    ASSERT_TRUE(bmp) << path;
    size_t keyed = 0;
    for (uint8_t v : bmp->Pixels) keyed += v == TransparentIndex();
    EXPECT_EQ(keyed, 0u) << path;
  }
}

TEST(Pictures, EveryNamePlateCellIsFilled) {
  // 24 plates: four pictures of six; each cell's centre carries the plate, not the key.
  for (int image = 1; image <= 4; ++image) {
    const auto bmp = ParseBmp8(ReadFile("others/nameplate" + std::to_string(image) + ".bmp"));
    ASSERT_TRUE(bmp);
    for (int c = 0; c < 6; ++c) {
      const int32_t x = 260 * (c % 3) + 130, y = 280 * (c / 3) + 140;
      EXPECT_NE(bmp->At(x, y), 0) << image << " " << c;  // not the black of an empty cell
      EXPECT_NE(bmp->At(260 * (c % 3) + 1, 280 * (c / 3) + 1), 0);  // the border
    }
  }
}

TEST(Resources, CompiledTableMatchesTheGenerator) {
  const std::vector<PackResource> expected = MakeResources();
  ASSERT_EQ(kCompiledResourceCount, expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const ResourceEntry& e = kCompiledResources[i];
    EXPECT_EQ(std::string(e.Name), expected[i].Name);
    EXPECT_EQ(e.Type, expected[i].Wave ? ResourceType::Wave : ResourceType::Bitmap);
    // Byte for byte: the embedding's escapes lose nothing.
    EXPECT_TRUE(std::equal(e.Bytes.begin(), e.Bytes.end(), expected[i].Bytes.begin(),
                           expected[i].Bytes.end()))
        << e.Name;
  }
}

TEST(Resources, BitmapSheetsHaveTheirSizes) {
  const std::map<std::string, std::pair<int32_t, int32_t>> kSheets = {
      {"SABAKU", {200, 200}},
      {"WEAPON", {512, 512}},
      {"SELECT_MARKS", {200, 440}},
      {"SELECT_MOS", {layout::kMosSize * layout::kMosColumns, layout::kMosSize * layout::kMosRows}},
  };
  int found = 0;
  for (size_t i = 0; i < kCompiledResourceCount; ++i) {
    const ResourceEntry& e = kCompiledResources[i];
    auto it = kSheets.find(e.Name);
    if (it == kSheets.end()) continue;
    ++found;
    EXPECT_EQ(e.Type, ResourceType::Bitmap);
    const auto bmp = ParseBmp8({e.Bytes.begin(), e.Bytes.end()});
    ASSERT_TRUE(bmp) << e.Name;
    EXPECT_EQ(bmp->Width, it->second.first) << e.Name;
    EXPECT_EQ(bmp->Height, it->second.second) << e.Name;
  }
  EXPECT_EQ(found, 4);
}

TEST(Resources, FloorTileHasNoKeyAndMeetsItselfWithoutSeams) {
  for (size_t i = 0; i < kCompiledResourceCount; ++i) {
    if (std::string(kCompiledResources[i].Name) != "SABAKU") continue;
    const auto& bytes = kCompiledResources[i].Bytes;
    const auto bmp = ParseBmp8({bytes.begin(), bytes.end()});
    ASSERT_TRUE(bmp);
    // Opposite edges differ about as much as neighbouring columns do.
    auto brightness = [&](int32_t x, int32_t y) {
      const uint32_t c = bmp->Palette[bmp->At(x, y)];
      return static_cast<int>((c >> 16) & 0xFF) + static_cast<int>((c >> 8) & 0xFF);
    };
    long seam = 0, inner = 0;
    for (int32_t y = 0; y < 200; ++y) {
      seam += std::abs(brightness(199, y) - brightness(0, y));
      inner += std::abs(brightness(100, y) - brightness(101, y));
      EXPECT_NE(bmp->At(y, y), TransparentIndex());
    }
    EXPECT_LT(seam, inner * 3 + 400);
    return;
  }
  FAIL() << "no SABAKU";
}

}  // namespace
}  // namespace zk::assetgen
