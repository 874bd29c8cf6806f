// The robot view pictures: names, sizes by the motion tables, and a figure in every listed cell.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "assetgen/readers.h"
#include "palette.h"
#include "robot_kinds.h"

namespace zk::assetgen {
namespace {

using testing::ParseBmp8;
using testing::ReadFile;

struct ExpectedSize {
  int32_t Kind;
  View V;
  int32_t Width, Height;
};

// As far as the cells reach, worked out by hand from each kind's grid and exceptions.
const ExpectedSize kSizes[] = {
    {1, View::Back, 749, 449},      {1, View::Side, 749, 449},      {2, View::Front, 761, 551},
    {2, View::BackSide, 761, 551},  {3, View::Back, 720, 480},      {3, View::BackSide, 770, 480},
    {3, View::Side, 720, 600},      {3, View::FrontSide, 720, 480}, {3, View::Front, 720, 480},
    {4, View::Back, 796, 581},      {4, View::BackSide, 799, 600},  {4, View::Side, 791, 596},
    {4, View::FrontSide, 800, 600}, {4, View::Front, 796, 596},     {5, View::Side, 359, 359},
    {6, View::Back, 523, 523},      {6, View::Side, 583, 523},      {6, View::FrontSide, 543, 523},
    {6, View::BackSide, 523, 523},  {7, View::Front, 400, 400},     {8, View::Back, 754, 600},
    {8, View::BackSide, 760, 600},  {8, View::Side, 769, 600},      {8, View::FrontSide, 760, 600},
    {8, View::Front, 754, 600},     {9, View::Back, 483, 483},      {9, View::Side, 523, 483},
    {9, View::FrontSide, 483, 483}, {10, View::Side, 774, 600},     {11, View::Front, 420, 420},
};

TEST(RobotViews, SizesFollowTheMotionTables) {
  for (const ExpectedSize& e : kSizes) {
    const Size s = ViewSize(e.Kind, e.V);
    EXPECT_EQ(s.Width, e.Width) << "kind " << e.Kind << " " << ViewSuffix(e.V);
    EXPECT_EQ(s.Height, e.Height) << "kind " << e.Kind << " " << ViewSuffix(e.V);
  }
}

TEST(RobotViews, FramesOfTheTablesEdgeCases) {
  auto frame = [](int32_t kind, View v, int32_t motion, int32_t f) {
    for (const ViewFrame& x : ViewFrames(kind, v))
      if (x.Motion == motion && x.Frame == f)
        return std::make_tuple(x.Source.Left, x.Source.Top, x.Source.Right, x.Source.Bottom);
    return std::make_tuple(0, 0, 0, 0);
  };
  using R = std::tuple<int32_t, int32_t, int32_t, int32_t>;
  EXPECT_EQ(frame(1, View::Front, 1, 4), R(600, 300, 749, 449));
  EXPECT_EQ(frame(1, View::Side, 3, 0), R(300, 0, 450, 149));
  EXPECT_EQ(frame(2, View::Back, 1, 0), R(110, 0, 221, 111));
  EXPECT_EQ(frame(2, View::Back, 2, 2), R(580, 0, 761, 181));
  EXPECT_EQ(frame(2, View::Side, 2, 8), R(580, 360, 761, 541));
  EXPECT_EQ(frame(8, View::Side, 3, 2), R(486, 150, 618, 300));
  EXPECT_EQ(frame(8, View::Back, 3, 2), R(453, 150, 603, 300));  // the grid, no exception
  EXPECT_EQ(frame(9, View::FrontSide, 1, 2), R(262, 121, 382, 241));
  EXPECT_EQ(frame(9, View::FrontSide, 1, 3), R(363, 121, 483, 241));
  EXPECT_EQ(frame(3, View::Side, 3, 3), R(360, 360, 480, 480));
  EXPECT_EQ(frame(4, View::Front, 3, 4), R(150, 240, 195, 361));
  EXPECT_EQ(frame(4, View::BackSide, 2, 7), R(0, 479, 221, 600));
}

// Frames per motion row 0..6, the same in every view of a grid kind.
TEST(RobotViews, FrameCountsPerMotionRow) {
  const std::map<int32_t, std::array<int, 7>> kCounts = {
      {1, {2, 5, 5, 1, 0, 1, 1}},  {2, {1, 5, 9, 3, 0, 1, 1}},  {3, {1, 4, 4, 5, 5, 1, 1}},
      {4, {1, 3, 10, 6, 5, 1, 1}}, {5, {1, 3, 3, 1, 0, 1, 1}},  {6, {1, 4, 7, 3, 0, 1, 1}},
      {7, {1, 3, 3, 4, 0, 1, 1}},  {8, {1, 3, 5, 5, 5, 1, 1}},  {9, {1, 5, 5, 4, 0, 1, 1}},
      {10, {1, 4, 5, 4, 5, 1, 1}}, {11, {1, 3, 2, 1, 0, 1, 1}},
  };
  for (const auto& [kind, counts] : kCounts) {
    for (View v : kViews) {
      std::array<int, 7> got{};
      std::set<std::pair<int32_t, int32_t>> seen;
      for (const ViewFrame& f : ViewFrames(kind, v)) {
        ASSERT_GE(f.Motion, 0);
        ASSERT_LE(f.Motion, 6);
        EXPECT_TRUE(seen.insert({f.Motion, f.Frame}).second) << "duplicate frame";
        ++got[static_cast<size_t>(f.Motion)];
      }
      EXPECT_EQ(got, counts) << "kind " << kind << " " << ViewSuffix(v);
    }
  }
}

// The build's data folder (the tests' working directory) holds every view, named exactly, as an
// 8-bit bitmap of the size its cells need, with a figure drawn in every listed cell.
TEST(RobotViews, GeneratedFilesCoverEveryCell) {
  ASSERT_EQ(Kinds().size(), 11u);
  const uint32_t magenta = 0xFF00FF;
  for (const KindInfo& kind : Kinds()) {
    for (View v : kViews) {
      const std::string name = ViewFileName(kind, v);
      const auto bmp = ParseBmp8(ReadFile(name));
      ASSERT_TRUE(bmp) << name;
      const Size s = ViewSize(kind.Number, v);
      EXPECT_EQ(bmp->Width, s.Width) << name;
      EXPECT_EQ(bmp->Height, s.Height) << name;
      EXPECT_EQ(bmp->Palette[TransparentIndex()], magenta) << name;
      for (const ViewFrame& f : ViewFrames(kind.Number, v)) {
        ASSERT_GT(f.Source.Width(), 0);
        ASSERT_LE(f.Source.Right, bmp->Width) << name;
        ASSERT_LE(f.Source.Bottom, bmp->Height) << name;
        // Some figure pixels near the cell's centre, and transparent corners around it.
        int drawn = 0;
        const int32_t cx = (f.Source.Left + f.Source.Right) / 2;
        const int32_t cy = (f.Source.Top + f.Source.Bottom) / 2;
        for (int32_t dy = -3; dy <= 3; ++dy)
          for (int32_t dx = -3; dx <= 3; ++dx)
            if (bmp->At(cx + dx, cy + dy) != TransparentIndex()) ++drawn;
        EXPECT_GT(drawn, 0) << name << " motion " << f.Motion << " frame " << f.Frame;
      }
      EXPECT_TRUE(bmp->At(0, bmp->Height - 1) == TransparentIndex() ||
                  bmp->At(bmp->Width - 1, 0) == TransparentIndex())
          << name;
    }
  }
}

TEST(RobotViews, FileNamesKeepTheirCase) {
  EXPECT_EQ(ViewFileName(Kinds()[2], View::BackSide), "p_Pyro/pp_bs.BMP");
  EXPECT_EQ(ViewFileName(Kinds()[9], View::Front), "p_Tanlan/tang_front.bmp");
  EXPECT_EQ(ViewFileName(Kinds()[10], View::Side), "p_Zevirurar/sc_side.BMP");
  EXPECT_EQ(ViewFileName(Kinds()[0], View::FrontSide), "p_Ridezazo/mn_fs.bmp");
}

}  // namespace
}  // namespace zk::assetgen
