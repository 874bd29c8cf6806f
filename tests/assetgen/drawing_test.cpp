// The drawing tools and the composer: edges, clipping and ranges.
#include <gtest/gtest.h>

#include "font.h"
#include "image.h"
#include "layout.h"
#include "music.h"
#include "palette.h"
#include "robot_art.h"
#include "robot_kinds.h"

namespace zk::assetgen {
namespace {

int Count(const Image& img, uint8_t index) {
  int n = 0;
  for (uint8_t v : img.Pixels()) n += v == index;
  return n;
}

TEST(Image, RectanglesExcludeRightAndBottomAndClip) {
  Image img(10, 10, TransparentIndex());
  img.FillRect({2, 3, 5, 7}, {255, 255, 255});
  const uint8_t white = NearestIndex({255, 255, 255});
  EXPECT_EQ(Count(img, white), 3 * 4);
  EXPECT_EQ(img.At(4, 6), white);
  EXPECT_NE(img.At(5, 6), white);
  EXPECT_NE(img.At(4, 7), white);
  img.SetClip({0, 0, 3, 10});
  img.FillRect({-5, -5, 20, 20}, {0, 0, 0});
  EXPECT_EQ(Count(img, NearestIndex({0, 0, 0})), 30);
  img.ResetClip();
  img.Line(-100, 5.5, 100, 5.5, 1, {255, 0, 0});  // ends far outside: clipped
  EXPECT_EQ(img.At(9, 5), NearestIndex({255, 0, 0}));
}

TEST(Image, PolygonCoversPixelCentresOnly) {
  Image img(8, 8, TransparentIndex());
  img.FillPolygon({{2, 2}, {6, 2}, {6, 6}, {2, 6}}, {255, 255, 255});
  EXPECT_EQ(Count(img, NearestIndex({255, 255, 255})), 16);  // a 4 x 4 square, no more
  Image thin(8, 8, TransparentIndex());
  thin.FillPolygon({{0, 0}, {0.2, 0}, {0.2, 8}, {0, 8}}, {255, 255, 255});
  EXPECT_EQ(Count(thin, TransparentIndex()), 64);  // misses every centre
}

TEST(Font, WidthsAndUnknownCharacters) {
  EXPECT_EQ(TextWidth("", 2), 0);
  EXPECT_EQ(TextWidth("A", 1), 5);
  EXPECT_EQ(TextWidth("ABC", 2), 34);
  Image a(20, 10, TransparentIndex()), b(20, 10, TransparentIndex());
  DrawText(a, 0, 0, "\x01", 1, {255, 255, 255});
  DrawText(b, 0, 0, "?", 1, {255, 255, 255});
  EXPECT_EQ(a.Pixels(), b.Pixels());
  // Descenders use the eighth row.
  Image g(10, 10, TransparentIndex());
  DrawText(g, 0, 0, "g", 1, {255, 255, 255});
  int lowest = 0;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x)
      if (g.At(x, y) != TransparentIndex()) lowest = y;
  EXPECT_EQ(lowest, 7);
  // Every kind's name, outline included, stops short of the number box on its select card.
  for (const KindInfo& kind : Kinds())
    EXPECT_LT(layout::kMarkNameLeft + TextWidth(kind.Name, 2) + 1,
              layout::kMarkWidth - layout::kMarkNumberBox)
        << kind.Name;
}

// Each figure stays inside its own cell: everything outside the listed cells is transparent.
TEST(RobotArt, FiguresStayInsideTheirCells) {
  for (const KindInfo& kind : Kinds()) {
    for (View v : {View::Back, View::Side, View::Front}) {
      const Image img = DrawViewPicture(kind.Number, v);
      std::vector<bool> inside(img.Pixels().size(), false);
      for (const ViewFrame& f : ViewFrames(kind.Number, v))
        for (int32_t y = f.Source.Top; y < f.Source.Bottom; ++y)
          for (int32_t x = f.Source.Left; x < f.Source.Right; ++x)
            inside[static_cast<size_t>(y) * img.Width() + x] = true;
      size_t stray = 0;
      for (size_t i = 0; i < inside.size(); ++i)
        if (!inside[i] && img.Pixels()[i] != TransparentIndex()) ++stray;
      EXPECT_EQ(stray, 0u) << kind.Name << " " << ViewSuffix(v);
    }
  }
}

TEST(RobotArt, KindsAndFacingsLookDifferent) {
  const RectI cell{0, 0, 100, 100};
  auto draw = [&](int32_t kind, View v, int32_t motion) {
    Image img(100, 100, TransparentIndex());
    DrawRobot(img, cell, kind, v, motion, 0);
    return img.Pixels();
  };
  for (int32_t k = 1; k <= 11; ++k) {
    for (int32_t other = k + 1; other <= 11; ++other)
      EXPECT_NE(draw(k, View::Front, 0), draw(other, View::Front, 0)) << k << " " << other;
    EXPECT_NE(draw(k, View::Front, 0), draw(k, View::Back, 0)) << k;
    EXPECT_NE(draw(k, View::Side, 0), draw(k, View::FrontSide, 0)) << k;
    for (int32_t m = 1; m <= 6; ++m) EXPECT_NE(draw(k, View::Side, 0), draw(k, View::Side, m));
  }
}

TEST(Music, ComposedNotesStayInRangeAndInsideThePiece) {
  for (const char* name :
       {"Start", "Select", "Fighting1", "Fighting2", "Fighting3", "Ending", "junk", "qura08"}) {
    const Song s = ComposeSong(name);
    ASSERT_FALSE(s.Notes.empty()) << name;
    for (const SongNote& n : s.Notes) {
      EXPECT_LE(n.Key, 127) << name;
      EXPECT_GT(n.Velocity, 0) << name;
      EXPECT_GT(n.Length, 0u) << name;
      EXPECT_LE(n.Start + n.Length, s.LengthTicks()) << name;  // nothing hangs over the loop
    }
  }
  const Song junk = ComposeSong("junk");
  EXPECT_NEAR(junk.Seconds(), 30.0, 1.0);
  EXPECT_EQ(RenderSong(junk, 8000).size(), static_cast<size_t>(junk.Seconds() * 8000) + 1);
}

}  // namespace
}  // namespace zk::assetgen
