// Screen pictures, compiled-in sheets and the shared palette.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "assetgen/readers.h"
#include "layout.h"
#include "pack.h"
#include "palette.h"
#include "platform/resources.h"
#include "weapons/weapon_sprites.h"

namespace zk::assetgen {
namespace {

using testing::BmpInfo;
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

// Every cell a shot can show holds a picture, and the cells by direction differ from each other;
// the cells no shot names stay transparent.
TEST(Resources, WeaponSheetHasEveryCellTheShotsName) {
  namespace sp = zk::sprite;
  const std::vector<std::pair<int32_t, int32_t>> kNamed = {
      // first cell, cell count
      {sp::kBullet, 1},
      {sp::kGatlingRound, 1},
      {sp::kPellet, 1},
      {sp::kSlag, 1},
      {sp::kRifleRound, 1},
      {sp::kClaw, 2},
      {sp::kShell80, 1},
      {sp::kShell180, 1},
      {sp::kRocket, 8},
      {sp::kMissile, 8},
      {sp::kWaitingMine, 2},
      {sp::kFloatingMine, 2},
      {sp::kSnakeMine, 4},
      {sp::kWaitingStinger, 2},
      {sp::kAcidFog, 8},
      {sp::kAcidDrop, 4},
      {sp::kBeam, 4 * sp::kBeamFrames},
      {sp::kBeamHead, 1},
      {sp::kTempest, 4},
      {sp::kTempestAcid, 4},
      {sp::kBlastSmall, 8},
      {sp::kBlastLarge, 8},
      {sp::kAcidSplash, 8},
      {sp::kSpark, 8},
      {sp::kSmoke, sp::kSmokeCells},
      {sp::kSlash, 4},
      {sp::kClawFlash, 4},
      {sp::kGrenade, 8},
      {sp::kShadow, 1},
      {sp::kFirefly, 4},
      {sp::kStinger, 8},
      {sp::Cell(layout::kWeaponGaugeRow, 0), 5},  // the gauge pieces
  };
  const auto bytes = FindResource("WEAPON", ResourceType::Bitmap);
  const std::optional<BmpInfo> sheet = ParseBmp8({bytes.begin(), bytes.end()});
  ASSERT_TRUE(sheet);
  auto pixels = [&](int32_t cell) {
    std::vector<uint8_t> out;
    const int32_t left = sp::CellColumn(cell) * sp::kCellSize;
    const int32_t top = sp::CellRow(cell) * sp::kCellSize;
    for (int32_t y = top; y < top + sp::kCellSize; ++y)
      for (int32_t x = left; x < left + sp::kCellSize; ++x) out.push_back(sheet->At(x, y));
    return out;
  };
  auto inked = [&](int32_t cell) {
    const std::vector<uint8_t> p = pixels(cell);
    return std::count_if(p.begin(), p.end(), [](uint8_t v) { return v != TransparentIndex(); });
  };
  std::set<int32_t> named;
  for (const auto& [first, count] : kNamed)
    for (int32_t c = first; c < first + count; ++c) {
      named.insert(c);
      EXPECT_GT(inked(c), 8) << "cell " << c;
    }
  for (int32_t c = 0; c < 16 * 16; ++c) {
    if (!named.contains(c)) {
      EXPECT_EQ(inked(c), 0) << "cell " << c;
    }
  }
  for (int32_t first : {sp::kRocket, sp::kMissile, sp::kStinger})
    for (int32_t d = 1; d < 8; ++d)
      EXPECT_NE(pixels(first), pixels(first + d)) << first << "+" << d;
}

TEST(Resources, FloorTileHasNoKeyAndMeetsItselfWithoutSeams) {
  const auto bytes = FindResource("SABAKU", ResourceType::Bitmap);
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
}

}  // namespace
}  // namespace zk::assetgen
