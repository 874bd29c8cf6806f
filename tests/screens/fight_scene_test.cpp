// The fight scene's surface drawing: floor, robot sprites by facing with mirroring and colour
// key, the movement effect and the gauges.
#include <gtest/gtest.h>

#include <memory>

#include "platform/platform.h"
#include "shell/form.h"
#include "support/headless_form.h"

namespace zk {
namespace {

constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kMagentaPixel = 0xFF00FF;

class FightScene : public ::testing::Test, protected test::HeadlessForm {
 protected:
  void SetUp() override {
    form.BackSurface = std::make_unique<Surface>(800, 600);
    // A 40 x 20 side view: red left half, blue right half, a magenta (keyed) column at x 30.
    auto view = std::make_unique<Surface>(40, 20);
    FillRect(*view, Rect{0, 0, 20, 20}, Rgb(255, 0, 0));
    FillRect(*view, Rect{20, 0, 40, 20}, Rgb(0, 0, 255));
    FillRect(*view, Rect{30, 0, 31, 20}, Rgb(255, 0, 255));
    view->SetColorKey(ColorMatch(view.get(), Rgb(255, 0, 255)));
    form.ViewSurfaces[0][kViewSide] = std::move(view);
    // Drawn twice as large about the centre.
    form.MotionTables[0].Frames[2][3][5] = MotionFrame{0, 0, 40, 20, 40, 20};
    form.MotionTables[0].Frames[6][3][5] = MotionFrame{0, 0, 40, 20, 40, 20};

    CharacterData& p1 = form.Robots[0];
    p1.X = 400;
    p1.Y = 300;
    p1.Facing = 2;
    p1.Step.Motion = 3;
    p1.Step.Frame = 5;
    form.Robots[1].Facing = 99;  // no second robot
  }
  uint32_t At(int32_t x, int32_t y) const { return form.BackSurface->Pixel(x, y); }
};

TEST_F(FightScene, SpriteBySideViewAndMirroredForTheLeftFacings) {
  form.Draw_FS2();
  EXPECT_EQ(At(360, 300), kRed);   // left edge of the 80 x 40 rectangle
  EXPECT_EQ(At(439, 300), kBlue);  // right edge
  EXPECT_EQ(At(359, 300), 0u);
  EXPECT_EQ(At(440, 300), 0u);
  EXPECT_EQ(At(400, 280), kBlue);
  EXPECT_EQ(At(400, 319), kBlue);
  EXPECT_EQ(At(421, 300), 0u);  // the keyed column (30 of 40) leaves the background
  EXPECT_NE(At(421, 300), kMagentaPixel);

  FillRect(*form.BackSurface, Rect{0, 100, 800, 600}, 0);
  form.Robots[0].Facing = 6;
  form.Draw_FS2();
  EXPECT_EQ(At(360, 300), kBlue);
  EXPECT_EQ(At(439, 300), kRed);
  EXPECT_EQ(At(378, 300), 0u);  // the keyed column, mirrored

  FillRect(*form.BackSurface, Rect{0, 100, 800, 600}, 0);
  form.Robots[0].Facing = 8;
  form.Draw_FS2();
  EXPECT_EQ(At(400, 300), 0u);
}

TEST_F(FightScene, MovementEffectBySizeCycleAndBoost) {
  // Dust sheet: 8 cells of 10 x 10 across, two rows; each cell its own colour.
  auto dust = std::make_unique<Surface>(80, 20);
  for (int c = 0; c < 8; ++c) {
    for (int r = 0; r < 2; ++r) {
      FillRect(*dust, Rect{c * 10, r * 10, c * 10 + 10, r * 10 + 10},
               Rgb(static_cast<uint8_t>(10 + c), static_cast<uint8_t>(100 * r), 50));
    }
  }
  dust->SetColorKey(kMagentaPixel);
  form.DustSurface = std::move(dust);
  CharacterData& p1 = form.Robots[0];
  struct Case {
    int32_t effect, cycle, boost, speed;
    int32_t half;  // 0: no effect
    uint32_t color;
  };
  const Case cases[] = {
      {1, 3, 1, 2, 60, 0x0C6432}, {1, 1, 0, 2, 60, 0x0A0032}, {2, 8, 0, 1, 70, 0x110032},
      {2, 8, 1, 1, 70, 0x116432}, {1, 3, 0, 0, 0, 0},         {3, 3, 0, 5, 0, 0},
      {0, 3, 0, 5, 0, 0},
  };
  for (const Case& c : cases) {
    FillRect(*form.BackSurface, Rect{0, 100, 800, 600}, 0);
    p1.Status.BoostEffect = c.effect;
    p1.MoveCycle = c.cycle;
    p1.Boost = c.boost;
    p1.SpeedUp = c.speed;
    form.Draw_FS2();
    if (c.half == 0) {
      EXPECT_EQ(At(400 - 45, 300 - 45), 0u) << c.effect << " " << c.speed;
      continue;
    }
    // Drawn over the sprite as well as under it, from X - half to X + half - 1.
    EXPECT_EQ(At(400 - c.half, 300 - c.half), c.color) << c.effect;
    EXPECT_EQ(At(400 + c.half - 1, 300 + c.half - 1), c.color) << c.effect;
    EXPECT_EQ(At(400, 300), c.color) << c.effect;
    EXPECT_EQ(At(400 + c.half, 300), 0u) << c.effect;
    EXPECT_EQ(At(400 - c.half - 1, 300), 0u) << c.effect;
  }
}

TEST_F(FightScene, FloorTilesAndGauges) {
  auto tile = std::make_unique<Surface>(200, 200);
  FillRect(*tile, Rect{0, 0, 200, 200}, Rgb(0, 128, 0));
  form.SheetSurfaceB = std::move(tile);
  form.LayFloor();
  form.Robots[0].Facing = 99;
  CharacterData& p1 = form.Robots[0];
  CharacterData& p2 = form.Robots[1];
  p1.Status.MaxArmor = 600;
  p1.Armor = 300;
  p1.Status.MaxEnergy = 100;
  p1.Energy = 100;
  p2.Status.MaxArmor = 590;
  p2.Armor = -20;           // below zero: an empty gauge
  p2.Status.MaxEnergy = 0;  // bad data: no division, an empty gauge
  p2.Energy = 50;
  form.Draw_FS2();
  EXPECT_EQ(At(0, 599), 0x008000u);
  EXPECT_EQ(At(799, 100), 0x008000u);
  EXPECT_EQ(At(400, 300), 0x008000u);

  const uint32_t armour = At(10, 10);
  EXPECT_NE(armour, 0x008000u);
  EXPECT_EQ(At(159, 10), armour);  // half of 300 pixels
  EXPECT_NE(At(160, 10), armour);
  EXPECT_EQ(At(309, 20), At(10, 20));   // full energy
  EXPECT_EQ(At(490, 10), At(789, 10));  // player 2: nothing filled
  EXPECT_EQ(At(490, 20), At(789, 20));
}

TEST(TitleScreen, MenuCursorOnTheRowOfTheMode) {
  auto host = MakeHeadlessPlatform();
  auto form = std::make_unique<TForm1>(*host);
  form->BackSurface = std::make_unique<Surface>(800, 600);
  form->SheetSurfaceA = std::make_unique<Surface>(800, 600);
  FillRect(*form->SheetSurfaceA, Rect{0, 0, 800, 600}, Rgb(1, 2, 3));
  form->SheetSurfaceB = std::make_unique<Surface>(300, 150);
  FillRect(*form->SheetSurfaceB, Rect{0, 0, 300, 150}, Rgb(4, 5, 6));
  form->ViewSurfaces[1][0] = std::make_unique<Surface>(30, 30);
  FillRect(*form->ViewSurfaces[1][0], Rect{0, 0, 30, 30}, Rgb(200, 0, 0));

  form->GameStage = 0;
  form->Draw_Start2();
  EXPECT_EQ(form->BackSurface->Pixel(400, 400), 0x010203u);  // no bar in the intro

  int32_t rows[4] = {};
  for (int32_t mode = 1; mode <= 3; ++mode) {
    form->GameStage = 1;
    form->GameMode = mode;
    form->Draw_Start2();
    EXPECT_EQ(form->BackSurface->Pixel(400, 400), 0x040506u);
    // The cursor sits left of the bar, one row per mode, top to bottom.
    for (int32_t y = 0; y < 600; ++y) {
      if (form->BackSurface->Pixel(230, y) == 0xC80000u) {
        rows[mode] = y;
        break;
      }
    }
    EXPECT_GT(rows[mode], 0) << mode;
  }
  EXPECT_LT(rows[1], rows[2]);
  EXPECT_LT(rows[2], rows[3]);
}

}  // namespace
}  // namespace zk
