// The text screens drawn into a headless back buffer: where the texts land and in which colour.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "display/text_tools.h"
#include "platform/platform.h"
#include "shell/form.h"
#include "shell/score_file.h"
#include "support/headless_form.h"

namespace zk {
namespace {

constexpr uint32_t kBackground = 0x000000;

// What was drawn inside a region: the bounding box of pixels that differ from the background,
// and the set of their values (0x00RRGGBB).
struct Ink {
  int32_t MinX = 1 << 30, MinY = 1 << 30, MaxX = -1, MaxY = -1;
  int Count = 0;
  std::set<uint32_t> Colors;
  bool Any() const { return Count > 0; }
};

Ink InkIn(const Surface& s, Rect r, uint32_t background = kBackground) {
  Ink ink;
  for (int32_t y = std::max(r.Top, 0); y < std::min(r.Bottom, s.Height()); ++y) {
    for (int32_t x = std::max(r.Left, 0); x < std::min(r.Right, s.Width()); ++x) {
      const uint32_t p = s.Pixel(x, y);
      if (p == background) continue;
      ++ink.Count;
      ink.Colors.insert(p);
      ink.MinX = std::min(ink.MinX, x);
      ink.MaxX = std::max(ink.MaxX, x);
      ink.MinY = std::min(ink.MinY, y);
      ink.MaxY = std::max(ink.MaxY, y);
    }
  }
  return ink;
}

class TextScreens : public ::testing::Test, protected test::HeadlessForm {
 protected:
  void SetUp() override {
    form.BackSurface = std::make_unique<Surface>(800, 600);
    form.Tools = std::make_unique<TForm1::TextTools>();
    form.Tools->LargeFont = CreateFont({"Impact", 40, 40, 500});
    form.Tools->TextFont = CreateFont({"Impact", 20, 12, 400});
    form.Tools->SmallFont = CreateFont({"Impact", 14, 8, 400});
  }
  // Runs one text drawing routine the way the frame does: with BackDC on the back buffer.
  void Draw(void (TForm1::*routine)()) {
    DrawContext dc(*form.BackSurface);
    form.BackDC = &dc;
    (form.*routine)();
    form.BackDC = nullptr;
  }
  void Clear(uint32_t color = 0) { FillRect(*form.BackSurface, Rect{0, 0, 800, 600}, color); }
  const Surface& Back() const { return *form.BackSurface; }
  void Name(int player, const char* text) {
    std::memset(form.Robots[player].Name, 0, sizeof form.Robots[player].Name);
    std::strncpy(form.Robots[player].Name, text, sizeof form.Robots[player].Name - 1);
  }
};

TEST_F(TextScreens, ErrorScreenLinesByCode) {
  // The first line's text differs by code; the code line at the bottom too.
  std::set<int> widths;
  for (int32_t code : {1, 2, 3, 4, 0, 9}) {
    Clear(0x123456);
    form.ErrorCode = code;
    Draw(&TForm1::Draw_Error);
    const Ink first = InkIn(Back(), Rect{0, 200, 800, 220});
    ASSERT_TRUE(first.Any()) << code;
    EXPECT_GE(first.MinX, 100);
    EXPECT_LE(first.MinX, 106);
    EXPECT_EQ(first.Colors, std::set<uint32_t>{0xFFFFFF});
    widths.insert(first.MaxX);
    const Ink second = InkIn(Back(), Rect{0, 220, 800, 240});
    EXPECT_GE(second.MinX, 140);
    EXPECT_LE(second.MinX, 146);
    const Ink third = InkIn(Back(), Rect{0, 240, 800, 262});
    EXPECT_GE(third.MinX, 180);
    EXPECT_LE(third.MinX, 186);
    const Ink bottom = InkIn(Back(), Rect{0, 560, 800, 600});
    EXPECT_GE(bottom.MinX, 10);
    EXPECT_LE(bottom.MinX, 16);
    EXPECT_LT(bottom.MaxX, 300);
    // Everything else is black: the whole screen was filled first.
    EXPECT_FALSE(InkIn(Back(), Rect{0, 0, 800, 195}).Any());
    EXPECT_FALSE(InkIn(Back(), Rect{0, 270, 800, 555}).Any());
  }
  // "Data1."/"Data2." share a width, the other three first lines have their own; 0 and 9 share
  // the unknown line.
  EXPECT_GE(widths.size(), 3u);
}

TEST_F(TextScreens, EndingLinesTakeTheGreyOfTheirStep) {
  const uint32_t want[9] = {0x3F3F3F, 0x5F5F5F, 0x7F7F7F, 0xBFBFBF, 0xFFFFFF,
                            0xBFBFBF, 0x7F7F7F, 0x5F5F5F, 0x3F3F3F};
  for (int step = 0; step <= 8; ++step) {
    Clear();
    std::memset(form.EndUnits, 0, sizeof form.EndUnits);
    EndUnit& unit = form.EndUnits[5];
    std::strcpy(unit.Text, "Zerkhaldun");
    unit.X = 300;
    unit.Y = 100;
    unit.Visible = 1;
    unit.Step = step;
    Draw(&TForm1::Draw_End);
    const Ink ink = InkIn(Back(), Rect{0, 0, 800, 600});
    ASSERT_TRUE(ink.Any());
    EXPECT_EQ(ink.Colors, std::set<uint32_t>{want[step]}) << step;
    EXPECT_GE(ink.MinX, 300);
    EXPECT_GE(ink.MinY, 100);
    EXPECT_LT(ink.MaxY, 125);
  }
  // A line that is not visible is not drawn.
  Clear();
  form.EndUnits[5].Visible = 0;
  Draw(&TForm1::Draw_End);
  EXPECT_FALSE(InkIn(Back(), Rect{0, 0, 800, 600}).Any());
}

TEST_F(TextScreens, BeforeFightTextsDarkenByTheStagesWait) {
  Name(0, "Ro-da type North");
  Name(1, "Lizard type Jin");
  struct Case {
    int32_t mode, route_stage, wins, frame;
    uint32_t color;
  };
  const Case cases[] = {
      // Each bound still belongs to the lighter colour ("white up to the first bound").
      {2, 0, 0, 0, 0xFFFFFF},   {2, 0, 0, 50, 0xFFFFFF},  {2, 0, 0, 51, 0xBFBFBF},
      {2, 0, 0, 120, 0x7F7F7F}, {2, 0, 0, 200, 0x5F5F5F}, {2, 0, 0, 201, 0x3F3F3F},
      {2, 0, 0, 240, 0x3F3F3F}, {1, 0, 0, 60, 0xBFBFBF},  {1, 2, 0, 60, 0x7F7F7F},
      {1, 2, 0, 25, 0xFFFFFF},  {1, 2, 0, 26, 0xBFBFBF},  {1, 2, 0, 121, 0x3F3F3F},
      {3, 0, 0, 100, 0xBFBFBF}, {3, 0, 4, 99, 0x5F5F5F},  {3, 0, 4, 75, 0x7F7F7F},
      {3, 0, 4, 76, 0x5F5F5F},
  };
  for (const Case& c : cases) {
    Clear();
    form.GameMode = c.mode;
    form.RouteStage = c.route_stage;
    form.SurvivalWins = c.wins;
    form.StageFrame = c.frame;
    Draw(&TForm1::Draw_BS);
    const Ink ink = InkIn(Back(), Rect{0, 0, 800, 600});
    ASSERT_TRUE(ink.Any());
    EXPECT_EQ(ink.Colors, std::set<uint32_t>{c.color})
        << "mode " << c.mode << " route " << c.route_stage << " wins " << c.wins << " frame "
        << c.frame;
  }
}

TEST_F(TextScreens, BeforeFightShowsTheSurvivalLinesOnlyInSurvival) {
  Name(0, "A");
  Name(1, "B");
  form.StageFrame = 0;
  form.GameMode = 2;
  Draw(&TForm1::Draw_BS);
  EXPECT_FALSE(InkIn(Back(), Rect{0, 420, 800, 600}).Any());

  form.GameMode = 3;
  form.SurvivalWins = 7;
  Clear();
  Draw(&TForm1::Draw_BS);
  const Ink normal = InkIn(Back(), Rect{0, 420, 800, 600});
  EXPECT_TRUE(normal.Any());
  form.HardSurvival = 1;
  Clear();
  Draw(&TForm1::Draw_BS);
  const Ink hard = InkIn(Back(), Rect{0, 420, 800, 600});
  EXPECT_GT(hard.Count, normal.Count);  // "SURVIVAL HARD MODE ..." is the longer line
}

// A name is drawn as it is: percent signs in it are text, not a format.
TEST_F(TextScreens, NamesWithPercentSignsAreDrawnAsText) {
  Name(0, "%s%n%d%s%s%s%s");
  Name(1, "%%%%");
  form.GameMode = 2;
  Draw(&TForm1::Draw_BS);
  EXPECT_TRUE(InkIn(Back(), Rect{0, 0, 800, 600}).Any());
}

TEST_F(TextScreens, FightOutlinesFollowTheBodyBox) {
  CharacterData& p1 = form.Robots[0];
  CharacterData& p2 = form.Robots[1];
  p1.X = 200;
  p1.Y = 300;
  p1.Status.HalfWidth = 20;
  p1.Status.HalfHeight = 25;
  p2.X = 600;
  p2.Y = 300;
  p2.Status.HalfWidth = 30;
  p2.Status.HalfHeight = 30;
  form.GameStage = 9;
  Draw(&TForm1::Draw_FS);
  const uint32_t green = 0x00C800;  // GreenPen RGB(0, 200, 0)
  const uint32_t orange = 0xFF5A00;
  // Player 1: the box grown by 30 and moved 5 right and down: x 155..254, y 250..359.
  EXPECT_EQ(Back().Pixel(155, 300), green);
  EXPECT_EQ(Back().Pixel(254, 300), green);
  EXPECT_EQ(Back().Pixel(200, 250), green);
  EXPECT_EQ(Back().Pixel(200, 359), green);
  EXPECT_EQ(Back().Pixel(200, 300), kBackground);
  EXPECT_EQ(Back().Pixel(152, 300), kBackground);
  // Player 2 (width-1 pen): x 545..664.
  EXPECT_EQ(Back().Pixel(545, 300), orange);
  EXPECT_EQ(Back().Pixel(664, 300), orange);
  EXPECT_EQ(Back().Pixel(544, 300), kBackground);

  // In the hit reaction a second outline grows with the stun still to come.
  Clear();
  p1.Action = kActionHit;
  p1.Stun = 10;
  p1.StepTick = 4;
  Draw(&TForm1::Draw_FS);
  const int32_t grow = 30 + 2 * (10 - 4);
  EXPECT_EQ(Back().Pixel(200 - 20 - grow, 300), 0xFF0000u);  // RedPen
  EXPECT_EQ(Back().Pixel(200 + 20 + grow - 1, 300), 0xFF0000u);
}

TEST_F(TextScreens, FightBannersByStageAndWinner) {
  const Rect banner{0, 250, 800, 330};
  std::set<int> counts;
  form.Robots[0].X = form.Robots[1].X = -500;  // outlines off screen
  for (int32_t stage : {8, 9, 10}) {
    for (int32_t winner : {0, 1, 2}) {
      if (stage != 10 && winner != 0) continue;
      Clear();
      form.GameStage = stage;
      form.Winner = winner;
      Draw(&TForm1::Draw_FS);
      const Ink ink = InkIn(Back(), banner);
      EXPECT_EQ(ink.Any(), stage != 9) << stage;
      if (stage == 10) counts.insert(ink.Count);
    }
  }
  EXPECT_EQ(counts.size(), 3u);  // "Draw....", "Player1 Survived!" and "Player2 Survived!"
}

// Each slot's name and ammunition, as the game changes them; a text is rendered again only when
// it changes.
TEST_F(TextScreens, StatusShowsEachWeaponAndItsAmmunition) {
  WeaponData* slots = &form.Weapons[0];
  slots[0].SetRifle_Lizard2();
  slots[1].SetMelee(44, 6, 40, 36);
  slots[1].Name = "Old";  // melee set-ups write no name: whatever stayed is not shown
  slots[2].SetRocketX4_Lizard2();
  slots[2].Ammo = 0;
  slots[3].RoundReset();
  const struct {
    SlotState state;
    const char *label, *ammo;
  } kWant[4] = {{SlotState::kLoaded, "1 Rifle", nullptr},
                {SlotState::kUnlimited, "2", "\u221E"},
                {SlotState::kSpent, "3 Rocket X4", "0"},
                {SlotState::kEmpty, "4 -", ""}};
  std::string label, ammo;
  for (int32_t k = 0; k < 4; ++k) {
    EXPECT_EQ(SlotTexts(slots[k], k + 1, label, ammo), kWant[k].state) << k;
    EXPECT_EQ(label, kWant[k].label);
    EXPECT_EQ(ammo, kWant[k].ammo ? kWant[k].ammo : std::to_string(slots[0].Ammo));
  }

  form.GameStage = 9;
  form.Robots[0].X = form.Robots[1].X = -500;  // outlines off screen
  const Rect first{kStatusLeft[0], kStatusSlotTop, kStatusLeft[0] + kStatusColumn,
                   kStatusSlotTop + kStatusRow};
  Draw(&TForm1::Draw_FS);
  const Ink before = InkIn(Back(), first);
  ASSERT_TRUE(before.Any());
  const FightStatus& status = form.FightTexts;
  const int32_t renders = status.Ammo[0][0].Renders();

  // One volley fired: the number on screen goes down; the name, unchanged, is only copied.
  slots[0].Owner = &form.Robots[0];
  ASSERT_TRUE(slots[0].Fire());
  Clear();
  Draw(&TForm1::Draw_FS);
  EXPECT_EQ(status.Ammo[0][0].Renders(), renders + 1);
  EXPECT_EQ(status.Labels[0][0].Renders(), 1);
  EXPECT_NE(InkIn(Back(), first).Count, before.Count);
}

TEST_F(TextScreens, ResultShowsTheTableOrOnlyTheError) {
  ClearScoreTable(form.ScoreTable);
  form.ScoreTable[0].Score = 12;
  CopyScoreText(form.ScoreTable[0].Text, "ZeviruraR type Fat Owl");
  std::memset(form.ScoreTable[1].Text, 'W', 60);  // no NUL: cut at the field's end
  form.ScoreTable[2].Score = 0x41414141;
  form.ScoreFileError = 0;
  Draw(&TForm1::Draw_Result);
  const Ink table = InkIn(Back(), Rect{0, 0, 800, 600});
  EXPECT_LT(table.MinY, 60);   // heading
  EXPECT_GT(table.MaxY, 525);  // down to rank 10
  EXPECT_TRUE(table.Colors.count(0xFFFFFF));
  EXPECT_TRUE(table.Colors.count(0xBFBFBF));
  // The heading keeps the game's spelling.
  const int heading = InkIn(Back(), Rect{0, 0, 800, 60}).Count;
  Clear();
  {
    DrawContext dc(*form.BackSurface);
    dc.SelectFont(form.Tools->TextFont);
    dc.SetTextColor(0xFFFFFF);
    dc.TextOut(260, 30, "Great Surviver's SCORE!!");
  }
  EXPECT_EQ(InkIn(Back(), Rect{0, 0, 800, 60}).Count, heading);

  Clear();
  form.ScoreFileError = 1;
  Draw(&TForm1::Draw_Result);
  const Ink error = InkIn(Back(), Rect{0, 0, 800, 600});
  ASSERT_TRUE(error.Any());
  EXPECT_LT(error.MaxY - error.MinY, 30);  // one line only
}

TEST_F(TextScreens, WithoutAContextNothingIsDrawn) {
  form.BackDC = nullptr;
  form.ErrorCode = 3;
  form.Draw_Error();
  form.Draw_BS();
  form.Draw_FS();
  form.Draw_Result();
  form.Draw_Limit();
  form.Draw_End();
  EXPECT_FALSE(InkIn(Back(), Rect{0, 0, 800, 600}).Any());
}

}  // namespace
}  // namespace zk
