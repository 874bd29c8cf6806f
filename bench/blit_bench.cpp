// The cost of drawing one frame into the 800 x 600 back buffer with the platform's surfaces: a
// floor of 200 x 200 tiles, scaled, keyed and mirrored sprites and some text; beside it one plain
// 800 x 600 copy and the window mode's scaled 799 x 599 blit.
#include <benchmark/benchmark.h>

#include <string>

#include "display/sheet_cells.h"
#include "platform/surface.h"

namespace zk {
namespace {

constexpr ColorRef kMagenta = Rgb(255, 0, 255);

Surface Pattern(int32_t w, int32_t h, bool keyed) {
  Surface s(w, h);
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) {
      const bool hole =
          keyed && ((x - w / 2) * (x - w / 2) + (y - h / 2) * (y - h / 2) > (w / 2) * (h / 2));
      s.Row(y)[x] = hole ? 0xFF00FFu : static_cast<uint32_t>((x * 7) ^ (y * 13)) & 0xFFFFFFu;
    }
  }
  if (keyed) s.SetColorKey(ColorMatch(&s, kMagenta));
  return s;
}

struct Scene {
  Surface Back{800, 600};
  Surface Floor = Pattern(200, 200, false);
  Surface View = Pattern(600, 480, true);  // a robot's view bitmap: cells of 120 x 120
  Surface Dust = Pattern(480, 120, true);
  DrawContext Dc{Back};
  Scene() {
    Dc.SelectFont(CreateFont({"Impact", 20, 12, 400}));
    Dc.SetTextColor(Rgb(255, 255, 255));
  }

  void Frame(int32_t scroll) {
    // The floor: 8 x 7 tiles, the grid moved by the scroll, partly off the screen.
    const int32_t ox = -(scroll % 200), oy = -((scroll / 2) % 200);
    for (int32_t i = 0; i < 8; ++i) {
      for (int32_t j = 0; j < 7; ++j) {
        const int32_t x = ox - 100 + i * 200, y = oy - 100 + j * 200;
        Blit(Back, {x, y, x + 200, y + 200}, Floor, {0, 0, 200, 200}, kBlitNone);
      }
    }
    // Two robots, each with dust before and after, one mirrored; scaled from their cells.
    for (int32_t r = 0; r < 2; ++r) {
      const int32_t cx = 250 + r * 300, cy = 300;
      const uint32_t mirror = r == 1 ? kBlitMirrorLeftRight : kBlitNone;
      Blit(Back, {cx - 60, cy - 60, cx + 59, cy + 59}, Dust, {120, 0, 240, 120}, kBlitSourceKey);
      Blit(Back, {cx - 75, cy - 75, cx + 75, cy + 75}, View, {120, 120, 240, 240},
           kBlitSourceKey | mirror);
      Blit(Back, {cx - 70, cy - 70, cx + 69, cy + 69}, Dust, {240, 0, 360, 120}, kBlitSourceKey);
    }
    // Shots: small keyed sprites.
    for (int32_t s = 0; s < 12; ++s) {
      const int32_t x = 40 + s * 60, y = 100 + (s % 3) * 150;
      Blit(Back, {x, y, x + 24, y + 24}, View, {0, 0, 24, 24}, kBlitSourceKey);
    }
    // The status texts.
    Dc.TextOut(20, 20, "Lizard type Vocka");
    Dc.TextOut(580, 20, "VedoZad type Coyote");
    Dc.TextOut(330, 280, "It's Show Time!");
    Dc.TextOut(20, 560, "ARMOR 1200 / 1200");
    Dc.TextOut(580, 560, "ARMOR 0800 / 1000");
  }
};

void BM_BlitFrame800x600(benchmark::State& state) {
  Scene scene;
  int32_t scroll = 0;
  for (auto _ : state) {
    scene.Frame(scroll++);
    benchmark::DoNotOptimize(scene.Back.Row(0));
  }
}
BENCHMARK(BM_BlitFrame800x600)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// Shot-sized blits: keyed cells of a 512 x 512 sheet of 32 x 32 cells, shrunk to 20 x 20 (a
// flying shot or a puff of smoke), drawn a thousand times over the screen, a tenth of them
// mirrored and a tenth grown to 40 x 40 (a blast). The cells come from three rows of the sheet,
// as a fight's few weapons use a few rows.
void BM_ShotCells(benchmark::State& state) {
  Surface back(800, 600);
  Surface sheet = Pattern(512, 512, true);
  for (auto _ : state) {
    for (int32_t i = 0; i < 1000; ++i) {
      const int32_t x = (i * 37) % 790 - 5, y = (i * 53) % 590 - 5;
      const int32_t cell = 16 * (2 + 3 * (i % 3)) + i % 8, size = i % 10 == 3 ? 40 : 20;
      const uint32_t mirror = i % 10 == 7 ? kBlitMirrorLeftRight : kBlitNone;
      Blit(back, {x, y, x + size, y + size}, sheet, SheetCells::CellRect(cell),
           kBlitSourceKey | mirror);
    }
    benchmark::DoNotOptimize(back.Row(0));
  }
}
BENCHMARK(BM_ShotCells)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

// A whole 800 x 600 picture blitted without flags into `dst_rect` of a screen.
void BlitWholePicture(benchmark::State& state, const Rect& dst_rect) {
  Surface src = Pattern(800, 600, false), dst(800, 600);
  for (auto _ : state) {
    Blit(dst, dst_rect, src, {0, 0, 800, 600}, kBlitNone);
    benchmark::DoNotOptimize(dst.Row(0));
  }
}

void BM_PlainCopy800x600(benchmark::State& state) {
  BlitWholePicture(state, {0, 0, 800, 600});
}
BENCHMARK(BM_PlainCopy800x600)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// The window-mode blit, which scales down by one column and one row.
void BM_WindowBlit799x599(benchmark::State& state) {
  BlitWholePicture(state, {0, 0, 799, 599});
}
BENCHMARK(BM_WindowBlit799x599)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zk
