// The fight scene's surface drawing: floor, robot sprites by facing with mirroring and colour
// key, the movement effect and the gauges.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "platform/platform.h"
#include "shell/form.h"
#include "support/headless_form.h"
#include "weapons/shot_moves.h"
#include "weapons/weapon_sprites.h"

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
  void Redraw() {
    FillRect(*form.BackSurface, form.BackSurface->Bounds(), 0);
    form.Draw_FS2();
  }
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
    // Drawn over the sprite as well as under it, from X - half to X + half - 1 exclusive.
    EXPECT_EQ(At(400 - c.half, 300 - c.half), c.color) << c.effect;
    EXPECT_EQ(At(400 + c.half - 2, 300 + c.half - 2), c.color) << c.effect;
    EXPECT_EQ(At(400, 300), c.color) << c.effect;
    EXPECT_EQ(At(400 + c.half - 1, 300), 0u) << c.effect;
    EXPECT_EQ(At(400, 300 + c.half - 1), 0u) << c.effect;
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

// A "WEAPON" sheet whose every cell holds an 8 x 8 square of its own colour in its middle.
uint32_t CellPixel(int32_t cell) {
  return static_cast<uint32_t>((cell % 256) << 16 | (cell / 256 + 10) << 8 | 77);
}
std::unique_ptr<Surface> MarkedSheet() {
  auto sheet = std::make_unique<Surface>(512, 512);
  FillRect(*sheet, sheet->Bounds(), Rgb(255, 0, 255));
  for (int32_t c = 0; c < 256; ++c) {
    const int32_t x = sprite::CellColumn(c) * 32 + 12, y = sprite::CellRow(c) * 32 + 12;
    FillRect(*sheet, Rect{x, y, x + 8, y + 8}, Rgb(c % 256, c / 256 + 10, 77));
  }
  sheet->SetColorKey(ColorMatch(sheet.get(), Rgb(255, 0, 255)));
  return sheet;
}

class Shots : public FightScene {
 protected:
  void SetUp() override {
    FightScene::SetUp();
    form.Robots[0].Facing = 99;
    form.SheetSurfaceA = MarkedSheet();
  }
  // A live shot of player 1's first slot with a template of its own (column n).
  ShotData& Put(int32_t move, double x, double y, int32_t cell, int32_t size = 8) {
    const int32_t n = next_++;
    ShotPhaseData& phase = form.Weapons[0].Phases[n][0];
    phase.Move = move;
    phase.Sprite = cell;
    ShotData& shot = form.Weapons[0].Shots[0][n];
    shot.Active = 1;
    shot.Column = n;
    std::tie(shot.X, shot.Y, shot.Cell, shot.Size) = std::tuple(x, y, cell, size);
    return shot;
  }
  int32_t next_ = 0;
};

TEST_F(Shots, EachKindFromItsCellClippedAtTheEdges) {
  namespace sp = sprite;
  Put(kMoveStraight, 200, 150, sp::kBullet);
  ShotData& grenade = Put(kMoveLob, 300, 200, sp::kGrenade + 3);
  grenade.Z = 25;
  ShotData& mine = Put(kMoveWait, 500, 200, sp::kWaitingMine);
  mine.Speed = 2;
  ShotData& beam = Put(kMoveBeam, 100, 500, sp::kBeam + 1);
  beam.Dir = 2;
  beam.DX = 1;
  beam.Length = 600;
  form.Weapons[0].Phases[beam.Column][0].Sprite = sp::kBeam;  // frame 1 of the beam
  ShotData& smoky = Put(kMoveAccelerate, 700, 100, sp::kRocket);
  smoky.AddSmoke();
  smoky.Smoke[0] = SmokePuff{650, 100, 9};
  Put(kMoveStraight, -2, 300, sp::kBullet);
  Put(kMoveStill, 700, 400, sp::kBlastLarge, 30).Delay = 3;  // not out of the muzzle yet
  Redraw();

  EXPECT_EQ(At(200, 150), CellPixel(sp::kBullet));
  EXPECT_EQ(At(210, 150), 0u);
  EXPECT_EQ(At(300, 175), CellPixel(sp::kGrenade + 3));  // in the air above its shadow
  EXPECT_EQ(At(300, 200), CellPixel(sp::kShadow));
  EXPECT_EQ(At(500, 200), CellPixel(sp::kWaitingMine + 1));  // not yet armed: dark
  for (int32_t x = 116; x < 680; x += 32) EXPECT_EQ(At(x, 500), CellPixel(sp::BeamCell(2, 1))) << x;
  EXPECT_EQ(At(100, 500), CellPixel(sp::kBeamHead));
  EXPECT_EQ(At(730, 500), 0u);
  EXPECT_EQ(At(700, 100), CellPixel(sp::kRocket));
  EXPECT_EQ(At(650, 100), CellPixel(sp::kSmoke + 4));
  EXPECT_EQ(At(1, 300), CellPixel(sp::kBullet));
  EXPECT_EQ(At(799, 300), 0u);  // clipped, not wrapped
  EXPECT_EQ(At(700, 400), 0u);

  mine.Speed = 0;
  mine.Tick = kMineArming;
  Redraw();
  EXPECT_EQ(At(500, 200), CellPixel(sp::kWaitingMine));  // armed: blinking from the lit cell
}

// A real volley from the real sheet: the picture changes where the shot flies.
TEST_F(FightScene, AFiredShotChangesThePictureWhereItIs) {
  form.SheetSurfaceA = LoadBitmapByName("WEAPON");
  ASSERT_TRUE(form.SheetSurfaceA);
  form.SheetSurfaceA->SetColorKey(ColorMatch(form.SheetSurfaceA.get(), Rgb(255, 0, 255)));
  WeaponData& rifle = form.Weapons[0];
  rifle.SetRifle_Lizard2();
  rifle.Owner = &form.Robots[0];  // facing right from (400, 300)
  ASSERT_TRUE(rifle.Fire());
  for (int i = 0; i < 8; ++i) rifle.MoveShots();
  const ShotData& shot = rifle.Shots[0][0];
  const int32_t x = static_cast<int32_t>(shot.X), y = static_cast<int32_t>(shot.Y);
  ASSERT_TRUE(shot.Active == 1 && x > 460);
  Redraw();
  const uint32_t with = At(x, y);
  rifle.ResetShots();
  Redraw();
  EXPECT_NE(At(x, y), with);
}

// Player 1's portrait always, player 2's only in the two-player game; the cards in both.
TEST(SelectScreen, CardsAndEachPlayersPortrait) {
  test::HeadlessForm h;
  TForm1& form = h.form;
  form.BackSurface = std::make_unique<Surface>(800, 600);
  form.SheetSurfaceA = std::make_unique<Surface>(kCardWidth, 11 * kCardHeight);  // black cards
  form.SheetSurfaceB = std::make_unique<Surface>(kMosSize * kMosColumns, kMosSize * kMosRows);
  FillRect(*form.SheetSurfaceB, form.SheetSurfaceB->Bounds(), Rgb(2, 2, 2));
  form.DDIN();
  form.GameStage = 6;
  form.RobotKind1 = 7;
  form.RobotKind2 = 2;
  for (int32_t mode : {1, 2}) {
    form.GameMode = mode;
    FillRect(*form.BackSurface, form.BackSurface->Bounds(), Rgb(9, 9, 9));
    form.Draw_Select2();
    EXPECT_EQ(form.BackSurface->Pixel(kCardLeft + 100, kCardTop + 20), 0u);
    for (int p = 0; p < 2; ++p) {
      const int32_t x = kPlateShownLeft[p] + kPlateShownWidth / 2;
      const bool shown = p == 0 || mode == 2;
      EXPECT_EQ(form.BackSurface->Pixel(x, kMosTop + 80), shown ? 0x020202u : 0x090909u);
    }
  }
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
