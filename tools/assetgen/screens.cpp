#include "screens.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "core/dir_table.h"
#include "font.h"
#include "layout.h"
#include "robot_art.h"
#include "robot_kinds.h"
#include "wave.h"
#include "weapons/weapon_sprites.h"

namespace zk::assetgen {

namespace {

using namespace layout;
constexpr double kPi = std::numbers::pi;
const Rgb8 kWhite{255, 255, 255}, kInk{20, 16, 12};
static_assert(kWeaponCell == sprite::kCellSize && kWeaponColumns == sprite::kSheetColumns);

uint32_t Hash(uint32_t x, uint32_t y, uint32_t seed) {
  uint32_t h = x * 374761393u + y * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}

// Smooth noise 0..1 on a lattice that repeats every `period` cells.
double ValueNoise(double x, double y, int32_t period, uint32_t seed) {
  const int32_t xi = static_cast<int32_t>(std::floor(x)), yi = static_cast<int32_t>(std::floor(y));
  const double fx = x - xi, fy = y - yi;
  auto corner = [&](int32_t cx, int32_t cy) {
    const uint32_t px = static_cast<uint32_t>(((cx % period) + period) % period);
    const uint32_t py = static_cast<uint32_t>(((cy % period) + period) % period);
    return (Hash(px, py, seed) & 0xFFFF) / 65535.0;
  };
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const double a = corner(xi, yi) + (corner(xi + 1, yi) - corner(xi, yi)) * sx;
  const double b = corner(xi, yi + 1) + (corner(xi + 1, yi + 1) - corner(xi, yi + 1)) * sx;
  return a + (b - a) * sy;
}

void VerticalGradient(Image& img, const RectI& r, Rgb8 top, Rgb8 bottom) {
  for (int32_t y = r.Top; y < r.Bottom; ++y) {
    const Rgb8 c = Mix(top, bottom, static_cast<double>(y - r.Top) / std::max(1, r.Height() - 1));
    for (int32_t x = r.Left; x < r.Right; ++x) img.SetDithered(x, y, c);
  }
}

// Rolling dunes from the horizon down, lit from the left.
void Dunes(Image& img, int32_t horizon, Rgb8 light, Rgb8 shade, uint32_t seed) {
  for (int32_t x = 0; x < img.Width(); ++x) {
    for (int layer = 0; layer < 3; ++layer) {
      const double base = horizon + layer * 60;
      const double h = base - 30 * std::sin(x * 0.011 + layer * 1.7 + seed) -
                       14 * std::sin(x * 0.031 + layer * 0.9);
      const double slope = std::cos(x * 0.011 + layer * 1.7 + seed);
      const Rgb8 c = Mix(Mix(light, shade, 0.5 + 0.5 * slope), light, layer * 0.2);
      for (int32_t y = std::max(0, static_cast<int32_t>(h)); y < img.Height(); ++y)
        img.SetDithered(x, y, Mix(c, shade, std::min(1.0, (y - h) / 900.0)));
    }
  }
}

void Stars(Image& img, int32_t count, int32_t maxY, uint32_t seed) {
  Noise n(seed);
  for (int32_t i = 0; i < count; ++i) {
    const int32_t x = static_cast<int32_t>(n.Uniform() * img.Width());
    const int32_t y = static_cast<int32_t>(n.Uniform() * maxY);
    img.Set(x, y, Mix({150, 150, 190}, kWhite, n.Uniform()));
  }
}

// Each player's colour, as the game keeps it from the select screen to the fight.
Rgb8 PlayerColour(int p) {
  const ColorRef c = kPlayerColour[p];
  return {static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>((c >> 8) & 0xFF),
          static_cast<uint8_t>((c >> 16) & 0xFF)};
}

void Panel(Image& img, const RectI& r, Rgb8 fill, Rgb8 border) {
  img.FillRect(r, border);
  img.FillRect({r.Left + 3, r.Top + 3, r.Right - 3, r.Bottom - 3}, fill);
}

std::vector<std::string> Wrap(const std::string& text, size_t width) {
  std::vector<std::string> lines;
  std::string line, word;
  auto flush = [&] {
    if (word.empty()) return;
    if (!line.empty() && line.size() + 1 + word.size() > width) {
      lines.push_back(line);
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
    word.clear();
  };
  for (char c : text) {
    if (c == ' ')
      flush();
    else
      word += c;
  }
  flush();
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// A robot figure as a dark shape, for skylines.
void Silhouette(Image& img, const RectI& cell, int32_t kind, double heading, Rgb8 colour) {
  Image fig(cell.Width(), cell.Height(), TransparentIndex());
  DrawRobotHeading(fig, {0, 0, cell.Width(), cell.Height()}, kind, heading, true, 0, 0);
  const uint8_t index = NearestIndex(colour);
  for (int32_t y = 0; y < fig.Height(); ++y)
    for (int32_t x = 0; x < fig.Width(); ++x)
      if (fig.At(x, y) != TransparentIndex()) img.SetIndex(cell.Left + x, cell.Top + y, index);
}

void Sun(Image& img, double cx, double cy, double r, Rgb8 core, Rgb8 glow) {
  for (int i = 6; i >= 0; --i)
    img.FillEllipse(cx, cy, r + i * 8, r + i * 8, Mix(core, glow, i / 6.0));
}

}  // namespace

Image DrawTitle() {
  Image img(kScreenWidth, kScreenHeight, 0);
  VerticalGradient(img, {0, 0, 800, 400}, {30, 20, 70}, {250, 150, 70});
  Stars(img, 120, 160, 11);
  Sun(img, 560, 300, 70, {255, 230, 150}, {240, 130, 60});
  Dunes(img, 330, {230, 180, 110}, {120, 70, 40}, 3);
  Silhouette(img, {40, 180, 300, 440}, 4, kPi * 0.6, {40, 25, 30});
  Silhouette(img, {560, 210, 760, 410}, 1, kPi * 1.4, {40, 25, 30});
  DrawTextCentred(img, 400, 70, "ZERKHALDUN", 11, {255, 220, 90}, {60, 20, 10});
  DrawTextCentred(img, 400, 160, "Quennibrolt-Zerkhaldun", 3, {255, 245, 220}, {60, 20, 10});
  // Room for the menu bar and the cursor left of it.
  const RectI menu{kStartBarLeft - kCursorSize - 20, kStartBarTop - 12,
                   kStartBarLeft + kStartBarWidth + 12,
                   kStartBarTop + kStartBarRowHeight * kStartBarRows + 12};
  img.FillRect(menu, {102, 51, 0});
  img.FrameRect(menu, 3, {240, 200, 120});
  return img;
}

Image DrawStartBar() {
  Image img(kStartBarWidth, kStartBarRowHeight * kStartBarRows, 0);
  static const char* kItems[3] = {"1P VS CPU", "1P VS 2P", "SURVIVAL"};
  for (int32_t i = 0; i < kStartBarRows; ++i) {
    const RectI r{0, i * kStartBarRowHeight, kStartBarWidth, (i + 1) * kStartBarRowHeight};
    VerticalGradient(img, r, {120, 70, 40}, {70, 40, 25});
    img.FrameRect(r, 2, {240, 200, 120});
    DrawTextCentred(img, kStartBarWidth / 2, r.Top + 16, kItems[i], 4, {255, 235, 180}, kInk);
  }
  return img;
}

Image DrawSelectCursor() {
  Image img(kCursorSize * kCursorCells, kCursorSize, TransparentIndex());
  const double s = kCursorSize;
  const Rgb8 colours[2] = {PlayerColour(0), PlayerColour(1)};
  for (int32_t i = 0; i < kCursorCells; ++i) {
    // Cell 0 points right, cell 1 left.
    auto x = [&](double u) { return i == 0 ? u : 2 * s - u; };
    img.FillPolygon({{x(1), 1}, {x(s - 1), s / 2}, {x(1), s - 1}}, kInk);
    img.FillPolygon({{x(4), 7}, {x(s - 8), s / 2}, {x(4), s - 7}}, colours[i]);
    img.FillPolygon({{x(8), 13}, {x(s - 18), s / 2}, {x(8), s - 13}}, Mix(colours[i], kWhite, 0.7));
  }
  return img;
}

Image DrawSelectBack() {
  Image img(kScreenWidth, kScreenHeight, 0);
  VerticalGradient(img, {0, 0, 800, 600}, {30, 40, 70}, {90, 60, 40});
  for (int32_t x = 0; x < 800; x += 40) img.FillRect({x, 0, x + 1, 600}, {70, 80, 110});
  for (int32_t y = 0; y < 600; y += 40) img.FillRect({0, y, 800, y + 1}, {70, 80, 110});
  // The card column and the players' corners.
  img.FillRect({kCardsLeft - 8, kCardsTop - 6, kCardsLeft + kMarkWidth + 8,
                kCardsTop + kCardsPitch * (kMarkCount - 1) + kMarkHeight + 6},
               {20, 20, 35});
  const Rgb8 colours[2] = {PlayerColour(0), PlayerColour(1)};
  for (int p = 0; p < 2; ++p) {
    const int32_t left = kPlateShownLeft[p];
    const RectI plate{left - 4, kPlateShownTop - 4, left + kPlateWidth + 3,
                      kPlateShownTop + kPlateHeight + 3};
    img.FillRect(plate, colours[p]);
    img.FillRect({plate.Left + 4, plate.Top + 4, plate.Right - 4, plate.Bottom - 4}, {20, 20, 35});
    DrawTextCentred(img, left + kPlateWidth / 2, 60, p == 0 ? "PLAYER 1" : "PLAYER 2", 4,
                    colours[p], kInk);
  }
  return img;
}

Image DrawSelectBar() {
  Image img(kSelectBarWidth, kSelectBarHeight * 2, TransparentIndex());
  const Rgb8 colours[2] = {PlayerColour(0), PlayerColour(1)};
  for (int32_t i = 0; i < 2; ++i) {
    const RectI r{0, i * kSelectBarHeight, kSelectBarWidth, (i + 1) * kSelectBarHeight};
    img.FrameRect(r, 4, colours[i]);
    img.FrameRect({r.Left + 4, r.Top + 4, r.Right - 4, r.Bottom - 4}, 1, kWhite);
  }
  return img;
}

Image DrawNamePlates(int32_t image) {
  Image img(kPlateWidth * kPlateColumns, kPlateHeight * kPlateRows, 0);
  // Plates numbered as the start-up numbers them: kind 1..11, then variant.
  int32_t n = 0;
  for (const KindInfo& kind : Kinds()) {
    for (size_t v = 0; v < kind.Variants.size(); ++v, ++n) {
      if (n / 6 + 1 != image) continue;
      const int32_t c = n % 6;
      const RectI r{kPlateWidth * (c % 3), kPlateHeight * (c / 3), kPlateWidth * (c % 3 + 1),
                    kPlateHeight * (c / 3 + 1)};
      const Rgb8 kc = KindColour(kind.Number);
      Panel(img, r, {28, 28, 40}, kc);
      VerticalGradient(img, {r.Left + 3, r.Top + 3, r.Right - 3, r.Top + 130}, Scale(kc, 0.55),
                       {28, 28, 40});
      DrawRobotHeading(img, {r.Left + 70, r.Top + 8, r.Left + 190, r.Top + 128}, kind.Number,
                       kPi * (0.75 + 0.25 * static_cast<double>(v)), true, 0,
                       static_cast<int32_t>(v));
      int32_t y = r.Top + 136;
      for (const std::string& line : Wrap(kind.Variants[v].DisplayName, 20)) {
        DrawTextCentred(img, (r.Left + r.Right) / 2, y, line, 2, {255, 240, 200}, kInk);
        y += 18;
      }
      y += 6;
      img.FillRect({r.Left + 14, y, r.Right - 14, y + 2}, kc);
      y += 8;
      for (size_t s = 0; s < 4; ++s) {
        const char* w = kind.Variants[v].Weapons[s];
        const std::string text = std::to_string(s + 1) + " " + (w ? w : "-");
        DrawText(img, r.Left + 20, y, text, 2, w ? Rgb8{210, 220, 240} : Rgb8{110, 110, 120});
        y += 18;
      }
    }
  }
  return img;
}

Image DrawSandDust() {
  Image img(kDustCell * kDustColumns, kDustCell * kDustRows, TransparentIndex());
  for (int32_t row = 0; row < kDustRows; ++row) {
    for (int32_t col = 0; col < kDustColumns; ++col) {
      const double cx = col * kDustCell + kDustCell / 2.0, cy = row * kDustCell + kDustCell / 2.0;
      img.SetClip({col * kDustCell, row * kDustCell, (col + 1) * kDustCell, (row + 1) * kDustCell});
      Noise n(static_cast<uint32_t>(100 + row * 16 + col));
      const int puffs = row == 0 ? 7 : 11;
      for (int i = 0; i < puffs; ++i) {
        // Puffs circle the robot and drift outward with the move cycle.
        const double a = 2 * kPi * i / puffs + col * kPi / 8;
        const double rr = 32 + 2.5 * col + 6 * n.Uniform() + (row ? 4 : 0);
        const double size = (row ? 8 : 6) + 4 * n.Uniform() - col * 0.4;
        const Rgb8 c = Mix({235, 205, 150}, {180, 140, 90}, n.Uniform());
        img.FillEllipse(cx + rr * std::sin(a), cy + rr * std::cos(a) * 0.9, size, size * 0.8, c);
        if (row == 1 && i % 3 == 0)
          img.Line(cx + (rr - 20) * std::sin(a), cy + (rr - 20) * std::cos(a),
                   cx + (rr + 14) * std::sin(a), cy + (rr + 14) * std::cos(a), 3, {255, 170, 60});
      }
      img.ResetClip();
    }
  }
  return img;
}

Image DrawBeforeBack() {
  Image img(kScreenWidth, kScreenHeight, 0);
  VerticalGradient(img, {0, 0, 800, 600}, {15, 10, 25}, {70, 35, 30});
  for (int32_t i = 0; i < 12; ++i) {
    const double a = kPi * (i / 12.0);
    img.Line(400, 300, 400 + 700 * std::cos(a * 2), 300 + 700 * std::sin(a * 2), 30,
             i % 2 ? Rgb8{60, 30, 40} : Rgb8{35, 20, 35});
  }
  // A band behind the names (at y 230 and 350) and the "VS" between them.
  img.FillRect({0, 215, 800, 385}, {20, 15, 20});
  img.FillRect({0, 211, 800, 215}, {240, 200, 120});
  img.FillRect({0, 385, 800, 389}, {240, 200, 120});
  img.FillRect({0, 0, 400, 6}, PlayerColour(0));
  img.FillRect({400, 594, 800, 600}, PlayerColour(1));
  return img;
}

Image DrawEnding(int32_t n) {
  Image img(kScreenWidth, kScreenHeight, 0);
  // Each picture keeps its sun or moon and its light parts away from the credit lines that the
  // roll shows over it, so the lines stay readable.
  struct Scene {
    Rgb8 SkyTop, SkyBottom, Light, Shade;
    int32_t Horizon;
    bool Night;
    double LightX, LightY;  // the sun, or the moon at night
  };
  static const Scene kScenes[5] = {
      {{40, 20, 60}, {230, 110, 50}, {200, 140, 90}, {90, 50, 35}, 380, false, 640, 330},
      {{5, 5, 25}, {30, 30, 80}, {90, 80, 110}, {30, 25, 45}, 400, true, 130, 140},
      {{30, 40, 90}, {190, 110, 80}, {120, 90, 70}, {45, 30, 28}, 360, false, 690, 300},
      {{50, 40, 40}, {140, 90, 60}, {150, 110, 80}, {60, 40, 30}, 390, false, 640, 340},
      {{30, 60, 120}, {200, 150, 110}, {200, 160, 110}, {120, 80, 50}, 420, false, 670, 380},
  };
  const Scene& s = kScenes[std::clamp(n, 0, 4)];
  VerticalGradient(img, {0, 0, 800, s.Horizon + 80}, s.SkyTop, s.SkyBottom);
  if (s.Night) {
    Stars(img, 400, s.Horizon, static_cast<uint32_t>(50 + n));
    img.FillEllipse(s.LightX, s.LightY, 36, 36, {230, 230, 210});
  } else {
    Sun(img, s.LightX, s.LightY, 40, {255, 235, 170}, s.SkyBottom);
  }
  Dunes(img, s.Horizon, s.Light, s.Shade, static_cast<uint32_t>(n * 5 + 1));
  // The robots of the roll, a few to a picture.
  const Rgb8 shadow = Scale(s.Shade, 0.4);
  for (int32_t i = 0; i < 3; ++i) {
    const int32_t kind = (n * 3 + i) % 11 + 1;
    const int32_t size = 150 - i * 30;
    const int32_t x = 80 + i * 230 + (n % 2) * 60, y = s.Horizon - size / 2 + i * 20;
    Silhouette(img, {x, y, x + size, y + size}, kind, kPi * (0.5 + 0.3 * i + 0.2 * n), shadow);
  }
  if (n == 4) DrawTextCentred(img, 400, 520, "ZERKHALDUN", 5, {255, 220, 90}, {60, 20, 10});
  return img;
}

Image DrawFloorTile() {
  Image img(kFloorTile, kFloorTile, 0);
  const Rgb8 light{232, 200, 142}, dark{188, 148, 92};
  for (int32_t y = 0; y < kFloorTile; ++y) {
    for (int32_t x = 0; x < kFloorTile; ++x) {
      // Every term repeats every 200 pixels, so the tiles meet without seams.
      const double ripple =
          std::sin(2 * kPi * (x * 3 + y * 5) / 200.0 + 1.5 * std::sin(2 * kPi * y * 2 / 200.0));
      const double coarse = ValueNoise(x / 25.0, y / 25.0, 8, 7);
      const double fine = ValueNoise(x / 5.0, y / 5.0, 40, 9);
      const double t =
          std::clamp(0.45 + 0.18 * ripple + 0.35 * (coarse - 0.5) + 0.2 * (fine - 0.5), 0.0, 1.0);
      img.SetDithered(x, y, Mix(light, dark, t));
    }
  }
  Noise n(21);
  for (int i = 0; i < 30; ++i) {
    const int32_t x = static_cast<int32_t>(n.Uniform() * kFloorTile);
    const int32_t y = static_cast<int32_t>(n.Uniform() * kFloorTile);
    const uint8_t pebble = NearestIndex({140, 104, 62});
    img.SetIndex(x, y, pebble);
    img.SetIndex((x + 1) % kFloorTile, y, pebble);
  }
  return img;
}

Image DrawSelectMarks() {
  Image img(kMarkWidth, kMarkHeight * kMarkCount, 0);
  for (const KindInfo& kind : Kinds()) {
    const int32_t top = (kind.Number - 1) * kMarkHeight;
    const RectI r{0, top, kMarkWidth, top + kMarkHeight};
    const Rgb8 kc = KindColour(kind.Number);
    Panel(img, r, {30, 30, 45}, Scale(kc, 0.8));
    // The name from the left end, the number in its box at the right; the longest name,
    // "ZizoruVuzev", stops short of the box.
    img.FillRect({kMarkWidth - kMarkNumberBox, top + 3, kMarkWidth - 3, top + kMarkHeight - 3}, kc);
    const std::string num = std::to_string(kind.Number);
    DrawTextCentred(img, kMarkWidth - (kMarkNumberBox + 3) / 2, top + 13, num, 2, kWhite, kInk);
    DrawTextOutlined(img, kMarkNameLeft, top + 13, kind.Name, 2, {240, 235, 220}, kInk);
  }
  return img;
}

Image DrawSelectMos() {
  Image img(kMosSize * kMosColumns, kMosSize * kMosRows, TransparentIndex());
  for (const KindInfo& kind : Kinds()) {
    const zk::Rect cell = zk::MosSource(kind.Number);
    const int32_t x = cell.Left, y = cell.Top;
    const Rgb8 kc = KindColour(kind.Number);
    img.FillRect({x, y, x + kMosSize, y + kMosSize}, {25, 25, 35});
    img.FillEllipse(x + kMosSize / 2.0, y + kMosSize / 2.0, 70, 70, Scale(kc, 0.45));
    img.FrameRect({x, y, x + kMosSize, y + kMosSize}, 2, kc);
    DrawRobotHeading(img, {x + 12, y + 8, x + kMosSize - 12, y + kMosSize - 20}, kind.Number,
                     kPi * 0.8, true, 0, 0);
    DrawTextCentred(img, x + kMosSize / 2, y + kMosSize - 16, kind.Name, 1, kWhite, kInk);
  }
  return img;
}

namespace {

double FacingAngle(int32_t facing) {
  return facing * kPi / 4;
}  // 0 up, clockwise

void Projectile(Image& img, double cx, double cy, int32_t facing, double length, double width,
                Rgb8 body, Rgb8 tip, Rgb8 tail) {
  const double a = FacingAngle(facing);
  const double fx = std::sin(a), fy = -std::cos(a);
  img.Line(cx - fx * length / 2, cy - fy * length / 2, cx + fx * length / 2, cy + fy * length / 2,
           width, body);
  img.FillEllipse(cx + fx * length / 2, cy + fy * length / 2, width / 2, width / 2, tip);
  if (tail.R || tail.G || tail.B)
    img.Line(cx - fx * length / 2, cy - fy * length / 2, cx - fx * (length / 2 + 6),
             cy - fy * (length / 2 + 6), width * 0.8, tail);
}

// A ball of fire (or of `outer` and `mid` colours) that grows and fades: age 0..1.
void Burst(Image& img, double cx, double cy, double r, double age, uint32_t seed, Rgb8 outer,
           Rgb8 mid, Rgb8 core) {
  Noise n(seed);
  for (int i = 0; i < 9; ++i) {
    const double a = 2 * kPi * n.Uniform(), d = r * 0.5 * n.Uniform();
    img.FillEllipse(cx + d * std::cos(a), cy + d * std::sin(a), r * (0.5 + 0.3 * n.Uniform()),
                    r * (0.5 + 0.3 * n.Uniform()), Mix(outer, {90, 80, 80}, age));
  }
  img.FillEllipse(cx, cy, r * 0.65, r * 0.65, Mix(mid, {110, 100, 100}, age));
  if (age < 0.6) img.FillEllipse(cx, cy, r * 0.35 * (1 - age / 0.6), r * 0.3, core);
}

// Short rays from the centre.
void Sparks(Image& img, double cx, double cy, double length, uint32_t seed, Rgb8 c) {
  Noise n(seed);
  for (int i = 0; i < 6; ++i) {
    const double a = 2 * kPi * n.Uniform(), l = length * (0.5 + 0.5 * n.Uniform());
    img.Line(cx, cy, cx + l * std::cos(a), cy + l * std::sin(a), 2, c);
  }
}

// A round mine with a lamp that is lit or dark.
void Mine(Image& img, double cx, double cy, double r, Rgb8 shell, bool lit) {
  img.FillEllipse(cx, cy, r + 1, r + 1, kInk);
  img.FillEllipse(cx, cy, r, r, shell);
  img.FillEllipse(cx, cy, 3, 3, lit ? Rgb8{255, 40, 30} : Rgb8{120, 20, 20});
}

// A ring of puffs turning with the frame: the whirlwinds.
void Whirl(Image& img, double cx, double cy, int32_t frame, Rgb8 light, Rgb8 dark) {
  for (int i = 0; i < 6; ++i) {
    const double a = frame * kPi / 8 + i * kPi / 3, d = 4 + i * 1.6;
    img.FillEllipse(cx + d * std::cos(a), cy + d * std::sin(a), 3.5, 3.5,
                    Mix(light, dark, i / 6.0));
  }
}

}  // namespace

// Every cell the shots name (weapons/weapon_sprites.h) holds its picture: single cells, animation
// frames side by side, or one cell per direction index (0 up, clockwise).
Image DrawWeaponSheet() {
  namespace sp = zk::sprite;
  Image img(kWeaponCell * kWeaponColumns, kWeaponCell * kWeaponRows, TransparentIndex());
  double cx = 0, cy = 0;
  // Clips the drawing to cell `n` and puts (cx, cy) at its centre.
  auto cell = [&](int32_t n) {
    const int32_t col = sp::CellColumn(n), row = sp::CellRow(n);
    img.SetClip(
        {col * kWeaponCell, row * kWeaponCell, (col + 1) * kWeaponCell, (row + 1) * kWeaponCell});
    cx = col * kWeaponCell + kWeaponCell / 2.0;
    cy = row * kWeaponCell + kWeaponCell / 2.0;
  };
  const Rgb8 none{0, 0, 0}, brass{230, 200, 120}, flame{255, 170, 40}, acid{120, 230, 60},
      acidDark{60, 140, 40}, beam{60, 200, 255}, beamCore{230, 250, 255};

  // Bullets and the like.
  const struct {
    int32_t Cell;
    double Rx, Ry;
    Rgb8 Body;
  } kRounds[] = {{sp::kBullet, 2.5, 2.5, {255, 230, 120}},
                 {sp::kGatlingRound, 3, 3, {255, 150, 60}},
                 {sp::kPellet, 2.5, 2.5, {95, 95, 110}},
                 {sp::kSlag, 4.5, 3, {200, 90, 40}},
                 {sp::kRifleRound, 3.5, 3.5, {255, 240, 160}}};
  for (const auto& r : kRounds) {
    cell(r.Cell);
    img.FillEllipse(cx, cy, r.Rx + 1, r.Ry + 1, kInk);
    img.FillEllipse(cx, cy, r.Rx, r.Ry, r.Body);
    img.FillEllipse(cx - 0.5, cy - 0.5, r.Rx * 0.4, r.Ry * 0.4, kWhite);
  }
  for (int32_t f = 0; f < 2; ++f) {  // the claw, closed and open
    cell(sp::kClaw + f);
    for (int i = -1; i <= 1; ++i) {
      const double a = kPi / 2 + i * (0.4 + 0.35 * f);
      img.Line(cx - 6, cy, cx - 6 + 14 * std::sin(a), cy - 14 * std::cos(a) * 0.8, 3,
               {170, 170, 180});
    }
    img.FillEllipse(cx - 6, cy, 4, 4, {110, 110, 120});
  }
  for (const auto& [n, r] : {std::pair{sp::kShell80, 5.0}, std::pair{sp::kShell180, 7.5}}) {
    cell(n);
    img.FillEllipse(cx, cy, r + 1, r + 1, kInk);
    img.FillEllipse(cx, cy, r, r, {110, 110, 100});
    img.FillEllipse(cx, cy, r * 0.5, r * 0.5, brass);
  }

  // Rockets, missiles and stingers: one cell per direction.
  for (int32_t d = 0; d < 8; ++d) {
    cell(sp::kRocket + d);
    Projectile(img, cx, cy, d, 16, 4, {230, 230, 230}, {220, 40, 30}, flame);
    cell(sp::kMissile + d);
    Projectile(img, cx, cy, d, 18, 5, {120, 140, 90}, {220, 40, 30}, flame);
    cell(sp::kStinger + d);
    Projectile(img, cx, cy, d, 16, 3, {250, 220, 60}, {40, 40, 40}, none);
  }

  // Mines, blinking.
  for (int32_t f = 0; f < 2; ++f) {
    cell(sp::kWaitingMine + f);
    if (f == 0) img.FillEllipse(cx, cy, 12, 12, {255, 60, 40});  // armed: the lamp's glow
    Mine(img, cx, cy, 9, {90, 100, 70}, f == 0);
    cell(sp::kFloatingMine + f);
    Mine(img, cx, cy, 8, {90, 90, 130}, f == 0);
    cell(sp::kWaitingStinger + f);
    for (int i = 0; i < 8; ++i) {
      const double a = i * kPi / 4;
      img.Line(cx, cy, cx + 9 * std::sin(a), cy - 9 * std::cos(a), 2, {200, 180, 50});
    }
    Mine(img, cx, cy, 5, {130, 110, 40}, f == 0);
  }
  for (int32_t f = 0; f < 4; ++f) {
    cell(sp::kSnakeMine + f);
    for (int i = 0; i < 4; ++i)
      img.FillEllipse(cx - 4 - i * 4, cy + 3 * std::sin((i + f) * kPi / 2), 3, 3, {70, 110, 60});
    Mine(img, cx + 5, cy, 6, {70, 110, 60}, f % 2 == 0);
  }

  // Acid: the swirling fog, a loose cloud the sand shows through, and its drops.
  for (int32_t f = 0; f < 8; ++f) {
    const int32_t n0 = sp::kAcidFog + f;
    cell(n0);
    Noise n(static_cast<uint32_t>(300 + f));
    for (int i = 0; i < 7; ++i) {
      const double a = f * kPi / 4 + i * 2 * kPi / 7, d = 5 + 5 * n.Uniform();
      img.FillEllipse(cx + d * std::cos(a), cy + d * std::sin(a), 6.5, 6.5,
                      Mix(acid, acidDark, n.Uniform()));
    }
    img.FillEllipse(cx, cy, 4, 4, Mix(acid, kWhite, 0.4));
    const int32_t left = sp::CellColumn(n0) * kWeaponCell, top = sp::CellRow(n0) * kWeaponCell;
    for (int32_t y = 0; y < kWeaponCell; ++y)
      for (int32_t x = 0; x < kWeaponCell; ++x)
        if ((x + y + f) % 2 == 1) img.SetIndex(left + x, top + y, TransparentIndex());
  }
  for (int32_t f = 0; f < 4; ++f) {
    cell(sp::kAcidDrop + f);
    img.FillEllipse(cx, cy, 3 + f * 0.6, 4 + f * 0.6, acidDark);
    img.FillEllipse(cx - 1, cy - 1, 2, 2.5, acid);
  }

  // Beams: shimmering pieces for each slant, laid end to end by the drawer, and the muzzle
  // flare. A piece reaches both edges of its cell along the beam, so the pieces join.
  const double rise = 16 * zk::DirTable[3].dy / zk::DirTable[3].dx;  // the diagonals' slant
  for (int32_t slant = 0; slant < 4; ++slant) {
    const double ex = slant == 0 ? 0 : 16, ey = slant == 0 ? 16 : slant == 2 ? 0 : rise;
    const double sy = slant == 1 ? -1 : 1;
    for (int32_t f = 0; f < sp::kBeamFrames; ++f) {
      cell(sp::BeamCell(slant, f));
      const double w = 10 + 2 * (f % 2);
      img.Line(cx - ex, cy - ey * sy, cx + ex, cy + ey * sy, w + 2, Scale(beam, 0.5));
      img.Line(cx - ex, cy - ey * sy, cx + ex, cy + ey * sy, w, beam);
      img.Line(cx - ex, cy - ey * sy, cx + ex, cy + ey * sy, 3 + f % 3, beamCore);
    }
  }
  cell(sp::kBeamHead);
  img.FillEllipse(cx, cy, 10, 10, beam);
  img.FillEllipse(cx, cy, 6, 6, beamCore);
  for (int32_t f = 0; f < 4; ++f) {
    cell(sp::kTempest + f);
    Whirl(img, cx, cy, f, {240, 240, 230}, {150, 140, 120});
    cell(sp::kTempestAcid + f);
    Whirl(img, cx, cy, f, acid, acidDark);
  }

  // Explosions, splashes, sparks and smoke, eight frames each by age.
  for (int32_t f = 0; f < 8; ++f) {
    const double age = f / 7.0;
    const uint32_t seed = static_cast<uint32_t>(f);
    cell(sp::kBlastSmall + f);
    Burst(img, cx, cy, 5 + f * 1.2, age, 400 + seed, {200, 60, 20}, {255, 150, 30},
          {255, 245, 170});
    cell(sp::kBlastLarge + f);
    Burst(img, cx, cy, 8 + f * 1.1, age, 500 + seed, {200, 60, 20}, {255, 150, 30},
          {255, 245, 170});
    cell(sp::kAcidSplash + f);
    Burst(img, cx, cy, 5 + f * 1.2, age, 700 + seed, acidDark, acid, {220, 255, 180});
    cell(sp::kSpark + f);
    Sparks(img, cx, cy, 14 - f * 1.2, 600 + seed, Mix({255, 240, 150}, {200, 90, 40}, age));
  }
  // Smoke: a puff that swells a little and pales, by age, into the colour of the sand it fades
  // into; solid, so the drawer copies it a row at a time.
  for (int32_t f = 0; f < sp::kSmokeCells; ++f) {
    cell(sp::kSmoke + f);
    const double r = 2.5 + f * 0.6, t = f / 7.0;
    // Greys first, then the sand tones of the palette (a straight mix would land on olives).
    const uint8_t g = static_cast<uint8_t>(70 + 130 * t);
    const Rgb8 grey = Mix({g, g, g}, {214, 192, 150}, std::max(0.0, t * 2 - 1));
    img.FillEllipse(cx, cy, r, r * 0.9, grey);
    img.FillEllipse(cx + 1, cy - 1, r * 0.6, r * 0.6, Mix(grey, kWhite, 0.25 * (1 - t)));
  }

  // Melee: a slash sweeping across, the claw's flash.
  for (int32_t f = 0; f < 4; ++f) {
    cell(sp::kSlash + f);
    // A bright crescent sweeping round, thickest in its middle.
    for (int i = -4; i < 4; ++i) {
      const double b0 = -1.0 + f * 0.55 + i * 0.22, b1 = b0 + 0.22, r = 14;
      const double w = 6 - std::abs(i + 0.5);
      const double x0 = cx + r * std::sin(b0), y0 = cy - r * std::cos(b0);
      const double x1 = cx + r * std::sin(b1), y1 = cy - r * std::cos(b1);
      img.Line(x0, y0, x1, y1, w + 2, {255, 170, 40});
      img.Line(x0, y0, x1, y1, std::max(1.0, w - 1.5), kWhite);
    }
    cell(sp::kClawFlash + f);
    // Three claw streaks raking across, longer frame by frame.
    for (int i = -1; i <= 1; ++i) {
      const double len = 6 + f * 3, ox = i * 6;
      img.Line(cx + ox - len * 0.6, cy - len, cx + ox + len * 0.6, cy + len, 5, {230, 90, 30});
      img.Line(cx + ox - len * 0.6, cy - len, cx + ox + len * 0.6, cy + len, 2, kWhite);
    }
  }

  // A grenade tumbling, and a firefly's glow.
  for (int32_t f = 0; f < 8; ++f) {
    cell(sp::kGrenade + f);
    img.FillEllipse(cx, cy, 7, 7, kInk);
    img.FillEllipse(cx, cy, 6, 6, {80, 110, 60});
    const double a = FacingAngle(f);
    img.Line(cx, cy, cx + 6 * std::sin(a), cy - 6 * std::cos(a), 2, {200, 200, 160});
  }
  cell(sp::kShadow);
  img.FillEllipse(cx, cy, 8, 3.5, {150, 118, 74});
  for (int32_t f = 0; f < 4; ++f) {
    cell(sp::kFirefly + f);
    const double glow = 5 + 3 * std::sin(f * kPi / 2);
    img.FillEllipse(cx, cy, glow + 3, glow + 3, {120, 200, 40});
    img.FillEllipse(cx, cy, glow, glow, {230, 255, 120});
  }

  // Gauge pieces: 0 armour, 1 armour low, 2 energy, 3 empty, 4 frame.
  const Rgb8 gauges[5] = {
      {60, 220, 80}, {240, 60, 40}, {60, 140, 250}, {40, 40, 50}, {230, 230, 230}};
  for (int32_t c = 0; c < 5; ++c) {
    cell(sp::Cell(kWeaponGaugeRow, c));
    const int32_t left = c * kWeaponCell, top = kWeaponGaugeRow * kWeaponCell;
    const RectI r{left, top, left + kWeaponCell, top + kWeaponCell};
    if (c == 4)
      img.FrameRect(r, 2, gauges[c]);
    else
      VerticalGradient(img, r, Mix(gauges[c], kWhite, 0.3), Scale(gauges[c], 0.7));
  }
  img.ResetClip();
  return img;
}

}  // namespace zk::assetgen
