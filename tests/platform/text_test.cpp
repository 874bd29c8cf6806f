// Text, pens and fills through a surface's drawing context.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "platform/font_files.h"
#include "platform/surface.h"
#include "platform/text_render.h"

namespace zk {
namespace {

struct Ink {
  int Count = 0;
  int32_t Left = 1 << 30, Right = -1, Top = 1 << 30, Bottom = -1;
};

// The pixels of `s` that differ from `background`, all of which must be `ink`.
Ink InkOf(const Surface& s, uint32_t background, uint32_t ink) {
  Ink r;
  for (int32_t y = 0; y < s.Height(); ++y) {
    for (int32_t x = 0; x < s.Width(); ++x) {
      const uint32_t v = s.Pixel(x, y);
      if (v == background) continue;
      EXPECT_EQ(v, ink) << "at " << x << "," << y;
      ++r.Count;
      r.Left = std::min(r.Left, x);
      r.Right = std::max(r.Right, x + 1);
      r.Top = std::min(r.Top, y);
      r.Bottom = std::max(r.Bottom, y + 1);
    }
  }
  return r;
}

class TextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (FindFontFile(FontRole::Impact).Path.empty()) GTEST_SKIP() << "no font installed";
  }
  Ink Draw(const FontSpec& request, std::string_view text, ColorRef color = Rgb(255, 255, 0)) {
    Surface s(400, 100);
    FillRect(s, {0, 0, 400, 100}, Rgb(0, 0, 80));
    DrawContext dc(s);
    dc.SelectFont(CreateFont(request));
    dc.SetTextColor(color);
    dc.TextOut(10, 20, text);
    return InkOf(s, ColorMatch(&s, Rgb(0, 0, 80)), ColorMatch(&s, color));
  }
  const FontSpec kText{"Impact", 20, 12, 400};
};

TEST_F(TextTest, DrawsOnlyInkInTheTextColourFromTheTopLeftCorner) {
  const Ink ink = Draw(kText, "ErrorCode #3.", Rgb(255, 255, 255));
  ASSERT_GT(ink.Count, 50);
  EXPECT_GE(ink.Left, 10);
  EXPECT_GE(ink.Top, 20);
  EXPECT_LE(ink.Bottom, 20 + 20);
  EXPECT_EQ(Draw(kText, "").Count, 0);
}

TEST_F(TextTest, DrawsPercentSignsAsTheyAre) {
  const Ink one = Draw(kText, "%");
  const Ink two = Draw(kText, "%%");
  const Ink format = Draw(kText, "%d%s");
  EXPECT_GT(one.Count, 0);
  EXPECT_EQ(two.Count, 2 * one.Count);
  EXPECT_GT(format.Count, two.Count);
}

TEST_F(TextTest, FontSizeFollowsCellHeightAndAverageWidth) {
  auto font = CreateFont(kText);
  const TextSize cell = MeasureText(*font, "Rank1 : SCORE 10");
  EXPECT_NEAR(cell.Height, 20, 1);
  // Twice the average width: about twice as wide, the same height.
  auto wide = CreateFont({"Impact", 20, 24, 400});
  const TextSize w = MeasureText(*wide, "Rank1 : SCORE 10");
  EXPECT_NEAR(w.Height, 20, 1);
  EXPECT_NEAR(static_cast<double>(w.Width) / cell.Width, 2.0, 0.15);
  // The large font: 40 high, 40 wide on average.
  auto large = CreateFont({"Impact", 40, 40, 500});
  const TextSize l = MeasureText(*large, "It's Show Time!");
  EXPECT_NEAR(l.Height, 40, 1);
  EXPECT_GT(l.Width, 15 * 25);
}

// Texts drawn again come from the font's store of rendered texts: the same text gives the same
// ink in any colour, a changed text its own, also after the store overflowed, and a text cut by
// the left edge is the same picture moved.
TEST_F(TextTest, RedrawnTextsGiveTheSameInkAndChangedTextsTheirOwn) {
  auto font = CreateFont(kText);
  // Row by row, '#' where the text is inked.
  auto ink = [&](std::string_view text, int32_t x, ColorRef color) {
    Surface s(120, 30);
    DrawContext dc(s);
    dc.SelectFont(font);
    dc.SetTextColor(color);
    dc.TextOut(x, 2, text);
    std::vector<std::string> rows(30, std::string(120, '.'));
    for (int32_t y = 0; y < 30; ++y) {
      for (int32_t px = 0; px < 120; ++px) rows[y][px] = s.Pixel(px, y) != 0 ? '#' : '.';
    }
    return rows;
  };
  const auto first = ink("AMMO 12", 10, Rgb(255, 255, 255));
  EXPECT_EQ(ink("AMMO 12", 10, Rgb(255, 0, 0)), first);
  EXPECT_NE(ink("AMMO 11", 10, Rgb(255, 255, 255)), first);
  for (int i = 0; i < 600; ++i) MeasureText(*font, "AMMO " + std::to_string(i));
  EXPECT_EQ(ink("AMMO 12", 10, Rgb(255, 255, 255)), first);
  const auto cut = ink("AMMO 12", -2, Rgb(255, 255, 255));
  for (int32_t y = 0; y < 30; ++y) EXPECT_EQ(cut[y].substr(0, 108), first[y].substr(12)) << y;
}

TEST_F(TextTest, JapaneseTextFallsBackToAFontThatHasIt) {
  if (FindFontFile(FontRole::Japanese).Path.empty()) GTEST_SKIP() << "no Japanese font";
  EXPECT_GT(Draw(kText, "準備中").Count, 30);
  EXPECT_GT(Draw({"ＭＳ Ｐゴシック", -12, 0, 400}, "Original MP3 Music(準備中)").Count, 100);
}

TEST_F(TextTest, NothingIsDrawnOnALostSurfaceOrWithoutAFont) {
  Surface s(100, 40);
  DrawContext dc(s);
  dc.SetTextColor(Rgb(255, 255, 255));
  dc.TextOut(0, 0, "no font");
  s.SetLost(true);
  dc.SelectFont(CreateFont(kText));
  dc.TextOut(0, 0, "lost");
  s.SetLost(false);
  EXPECT_EQ(InkOf(s, 0, 0xFFFFFF).Count, 0);
  // Bytes that are not UTF-8 still draw, as replacement characters, without harm.
  dc.TextOut(0, 0, std::string_view("\xff\xfe\x80 A\xe3\x81", 7));
  EXPECT_GT(InkOf(s, 0, 0xFFFFFF).Count, 0);  // the same context draws once it can
}

TEST(Pen, LinesLeaveOutTheirEndPointAndFramesAreOutlines) {
  Surface s(10, 10);
  DrawContext dc(s);
  dc.SelectPen({1, Rgb(255, 0, 0)});
  dc.MoveTo(1, 1);
  dc.LineTo(5, 1);
  EXPECT_EQ(s.Pixel(1, 1), 0xFF0000u);
  EXPECT_EQ(s.Pixel(4, 1), 0xFF0000u);
  EXPECT_EQ(s.Pixel(5, 1), 0u);
  dc.LineTo(5, 4);  // goes on from the last end
  EXPECT_EQ(s.Pixel(5, 1), 0xFF0000u);
  EXPECT_EQ(s.Pixel(5, 3), 0xFF0000u);
  EXPECT_EQ(s.Pixel(5, 4), 0u);

  Surface f(10, 10);
  DrawContext fc(f);
  fc.SelectPen({1, Rgb(0, 200, 0)});
  fc.FrameRect({2, 2, 6, 5});
  int count = 0;
  for (int32_t y = 0; y < 10; ++y) {
    for (int32_t x = 0; x < 10; ++x) {
      const bool edge = (x == 2 || x == 5) && y >= 2 && y <= 4;
      const bool rim = (y == 2 || y == 4) && x >= 2 && x <= 5;
      EXPECT_EQ(f.Pixel(x, y), edge || rim ? 0x00C800u : 0u) << x << "," << y;
      count += f.Pixel(x, y) != 0;
    }
  }
  EXPECT_EQ(count, 10);
  // A wide pen draws a wider outline; the inside stays.
  Surface g(12, 12);
  DrawContext gc(g);
  gc.SelectPen({2, Rgb(0, 160, 0)});
  gc.FrameRect({2, 2, 10, 10});
  EXPECT_NE(g.Pixel(1, 5), 0u);
  EXPECT_NE(g.Pixel(2, 5), 0u);
  EXPECT_EQ(g.Pixel(5, 5), 0u);
  // Lines reaching far beyond the surface draw their visible part at once; lines wholly off it
  // draw nothing.
  Surface h(12, 12);
  DrawContext hc(h);
  hc.SelectPen({1, Rgb(0, 0, 255)});
  hc.MoveTo(-2000000000, -2000000000);
  hc.LineTo(2000000000, 2000000000);
  hc.MoveTo(-1000000000, 9);
  hc.LineTo(1000000000, 9);
  hc.MoveTo(-2000000000, 2000000000);
  hc.LineTo(2000000000, 1999999000);
  int drawn = 0;
  for (int32_t y = 0; y < 12; ++y) {
    for (int32_t x = 0; x < 12; ++x) {
      const bool on = x == y || y == 9;
      EXPECT_EQ(h.Pixel(x, y), on ? 0x0000FFu : 0u) << x << "," << y;
      drawn += h.Pixel(x, y) != 0;
    }
  }
  EXPECT_EQ(drawn, 23);
}

// A wide pen's line is the union of squares of its width about the points of the thin line,
// whatever its slope and wherever it leaves the surface.
TEST(Pen, WideLinesCoverTheSquaresAboutTheThinLinesPoints) {
  const int32_t ends[][2] = {{20, 3}, {37, 12}, {25, 25}, {3, 31}, {-6, 18}, {1, -5}, {16, 40}};
  for (int32_t width : {2, 3, 6}) {
    for (const auto& end : ends) {
      // The thin line drawn whole, 10 pixels in, on a larger surface, then grown to squares.
      Surface thin(52, 52), wide(32, 32), want(32, 32);
      for (auto [s, w, shift] : {std::tuple{&thin, 1, 10}, std::tuple{&wide, width, 0}}) {
        DrawContext dc(*s);
        dc.SelectPen({w, Rgb(255, 255, 255)});
        dc.MoveTo(14 + shift, 15 + shift);
        dc.LineTo(end[0] + shift, end[1] + shift);
      }
      for (int32_t y = 0; y < 52; ++y) {
        for (int32_t x = 0; x < 52; ++x) {
          const int32_t left = x - 10 - width / 2, top = y - 10 - width / 2;
          if (thin.Pixel(x, y) != 0) {
            FillRect(want, {left, top, left + width, top + width}, Rgb(255, 255, 255));
          }
        }
      }
      for (int32_t i = 0; i < 32 * 32; ++i) {
        ASSERT_EQ(wide.Pixel(i % 32, i / 32), want.Pixel(i % 32, i / 32))
            << "pen " << width << " to " << end[0] << "," << end[1] << " at " << i % 32 << ","
            << i / 32;
      }
    }
  }
}

// A line too long to walk whole is cut to the surface first; it must set the pixels the whole
// walk sets: every point of the line from its start, a square dot of the pen's width about each.
TEST(Pen, ACutLongLineSetsThePixelsOfTheWholeWalk) {
  const struct {
    int64_t x0, y0, x1, y1;
  } lines[] = {{-20000, -7001, 25013, 9000},    {70000, -3, -9000, 47},  {5, -30000, 60, 30011},
               {-99999, 60001, 100003, -59999}, {-40000, 17, 40000, 18}, {31, 70001, 30, -70001},
               {-300, -100, 500, 211}};
  for (const int32_t width : {1, 3}) {
    for (const auto& l : lines) {
      Surface drawn(64, 48), walked(64, 48);
      DrawContext dc(drawn);
      dc.SelectPen(Pen{width, 0x0000FF});
      dc.MoveTo(static_cast<int32_t>(l.x0), static_cast<int32_t>(l.y0));
      dc.LineTo(static_cast<int32_t>(l.x1), static_cast<int32_t>(l.y1));
      // The whole walk, point by point, without the end point.
      const int64_t dx = std::llabs(l.x1 - l.x0), dy = -std::llabs(l.y1 - l.y0);
      const int64_t sx = l.x0 < l.x1 ? 1 : -1, sy = l.y0 < l.y1 ? 1 : -1, half = width / 2;
      int64_t err = dx + dy, x = l.x0, y = l.y0;
      while (x != l.x1 || y != l.y1) {
        for (int64_t py = y - half; py < y - half + width; ++py) {
          for (int64_t px = x - half; px < x - half + width; ++px) {
            if (px >= 0 && px < 64 && py >= 0 && py < 48) walked.Row(py)[px] = 1;
          }
        }
        const int64_t e2 = 2 * err;
        if (e2 >= dy) err += dy, x += sx;
        if (e2 <= dx) err += dx, y += sy;
      }
      int differ = 0;
      for (int32_t py = 0; py < 48; ++py) {
        for (int32_t px = 0; px < 64; ++px)
          differ += (drawn.Pixel(px, py) != 0) != (walked.Pixel(px, py) != 0);
      }
      EXPECT_EQ(differ, 0) << "width " << width << " from " << l.x0 << "," << l.y0;
    }
  }
}

TEST(Pen, SolidFillUsesTheBrushColour) {
  Surface s(4, 4);
  DrawContext dc(s);
  dc.FillSolid({1, 1, 3, 3}, Rgb(0, 0, 180));
  EXPECT_EQ(s.Pixel(1, 1), 0x0000B4u);
  EXPECT_EQ(s.Pixel(3, 3), 0u);
}

}  // namespace
}  // namespace zk
