// The fight's camera scroll, the shift of the robots by it, and the survival carry-over figures.
#include <gtest/gtest.h>

#include "shell/form.h"

namespace zk {
namespace {

CharacterData Robot(int32_t x, int32_t y, int32_t left = 0, int32_t right = 0, int32_t up = 0,
                    int32_t down = 0, int32_t half = 20) {
  CharacterData r{};
  r.X = x;
  r.Y = y;
  r.SpeedLeft = left;
  r.SpeedRight = right;
  r.SpeedUp = up;
  r.SpeedDown = down;
  r.Status.HalfWidth = half;
  r.Status.HalfHeight = half;
  return r;
}

TEST(CameraScroll, ZonesSpeedsAndThreeFifths) {
  struct Case {
    const char* what;
    CharacterData a, b;
    int32_t dx, dy;
  };
  const CharacterData idle = Robot(400, 300);
  const Case cases[] = {
      {"left zone moving left at 6: 18 / 5", Robot(150, 300, 6), idle, 3, 0},
      {"net speed 1 gives no scroll", Robot(150, 300, 6, 5), idle, 0, 0},
      {"net speed 2 gives 1", Robot(150, 300, 2), idle, 1, 0},
      {"left zone moving right: nothing", Robot(150, 300, 0, 6), idle, 0, 0},
      {"x 200 is outside the zone", Robot(200, 300, 6), idle, 0, 0},
      {"x 199 is inside", Robot(199, 300, 6), idle, 3, 0},
      {"right zone moving right at 7: -21 / 5", Robot(650, 300, 0, 7), idle, -4, 0},
      {"x 600 is outside the zone", Robot(600, 300, 0, 7), idle, 0, 0},
      {"opposite edges cancel", Robot(150, 300, 6), Robot(650, 300, 0, 6), 0, 0},
      {"both at the left add up", Robot(150, 300, 6), Robot(100, 500, 4), 6, 0},
      {"top zone moving up", Robot(400, 100, 0, 0, 5), idle, 0, 3},
      {"y 150 is outside", Robot(400, 150, 0, 0, 5), idle, 0, 0},
      {"bottom zone moving down", Robot(400, 451, 0, 0, 0, 9), idle, 0, -5},
      {"y 450 is outside", Robot(400, 450, 0, 0, 0, 9), idle, 0, 0},
      {"a corner gives both parts", Robot(100, 100, 10, 0, 10), idle, 6, 6},
      {"the second robot counts too", idle, Robot(700, 500, 0, 5, 0, 5), -3, -3},
  };
  for (const Case& c : cases) {
    int32_t dx = 99, dy = 99;
    TForm1::CameraScroll(c.a, c.b, dx, dy);
    EXPECT_EQ(dx, c.dx) << c.what;
    EXPECT_EQ(dy, c.dy) << c.what;
  }
}

TEST(ShiftByScroll, EachAxisOnlyInsideThePlayfield) {
  struct Case {
    int32_t x, y, dx, dy, want_x, want_y;
  };
  const Case cases[] = {
      {100, 100, 3, -2, 103, 98}, {797, 100, 3, 0, 797, 100},  // would reach 800: stays
      {796, 100, 3, 0, 799, 100}, {3, 100, -3, 5, 3, 105},  // would reach 0: x stays, y still moves
      {4, 100, -3, 0, 1, 100},    {100, 597, 0, 3, 100, 597},  // would reach 600
      {100, 3, 2, -3, 102, 3},                                 // would reach 0
  };
  for (const Case& c : cases) {
    CharacterData r = Robot(c.x, c.y);
    TForm1::ShiftByScroll(r, Robot(-1000, -1000), c.dx, c.dy);
    EXPECT_EQ(r.X, c.want_x) << c.x << "," << c.y;
    EXPECT_EQ(r.Y, c.want_y) << c.x << "," << c.y;
  }
}

TEST(ShiftByScroll, OverlappingBoxesAreNotShifted) {
  // Half sizes 20: boxes overlap unless the centres are 40 or more apart on an axis.
  CharacterData a = Robot(100, 100);
  CharacterData b = Robot(139, 100);
  TForm1::ShiftByScroll(a, b, 5, 5);
  EXPECT_EQ(a.X, 100);
  EXPECT_EQ(a.Y, 100);

  // Touching boxes do not overlap.
  a = Robot(100, 100);
  b = Robot(140, 100);
  TForm1::ShiftByScroll(a, b, 5, 5);
  EXPECT_EQ(a.X, 105);
  EXPECT_EQ(a.Y, 105);

  // Player 1 shifted onto player 2's shifted box: player 2 then stays. Both boxes are shifted
  // by the same scroll, so this happens when player 1 moved and player 2 did not.
  CharacterData p1 = Robot(100, 100);
  CharacterData p2 = Robot(145, 100);
  TForm1::ShiftByScroll(p1, p2, 6, 0);  // shifted boxes 86..126 and 131..171: apart
  EXPECT_EQ(p1.X, 106);
  TForm1::ShiftByScroll(p2, p1, 6, 0);  // 131..171 against player 1's new box 92..132
  EXPECT_EQ(p2.X, 145);
}

TEST(SurvivalCarryOver, WorkedFigures) {
  EXPECT_EQ(TForm1::CarryArmor(100, 590), 218);
  EXPECT_EQ(TForm1::CarryArmor(0, 590), 118);
  EXPECT_EQ(TForm1::CarryArmor(500, 590), 590);
  EXPECT_EQ(TForm1::CarryArmor(-40, 590), 78);  // a knocked-out carry is used as it is
  EXPECT_EQ(TForm1::CarryArmor(-200, 590), -82);

  struct Case {
    int32_t carried, fresh;
    bool hard;
    int32_t want;
  };
  const Case cases[] = {
      {5, 24, false, 19},   {5, 24, true, 12}, {20, 24, false, 24}, {20, 24, true, 24},
      {0, 256, false, 153}, {0, 1, false, 0},  {0, 0, false, 0},    {10, 24, true, 17},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TForm1::CarryAmmo(c.carried, c.fresh, c.hard), c.want)
        << c.carried << " of " << c.fresh << (c.hard ? " hard" : "");
  }
}

}  // namespace
}  // namespace zk
