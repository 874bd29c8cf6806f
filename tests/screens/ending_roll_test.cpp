// The ending roll: its lines, their fade timings, the pictures by frame and the way back to the
// title.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "platform/platform.h"
#include "shell/form.h"
#include "support/headless_form.h"

namespace zk {
namespace {

class EndingRoll : public ::testing::Test, protected test::HeadlessForm {
 protected:
  void SetUp() override {
    form.SetEnd();
    for (EndUnit& unit : form.EndUnits) unit.Reset();
    form.StageFrame = 0;
    form.GameStage = 14;
  }

  // Runs the ending's units for frames 1..last (the stage's own frames, without its end).
  void RunUnits(int32_t last) {
    for (int32_t f = 1; f <= last; ++f) {
      ++form.StageFrame;
      for (int i = 0; i < 30; ++i) {
        form.EndUnits[i].Start(form.StageFrame);
        form.EndUnits[i].Tick();
        if (form.EndUnits[i].Visible == 1) {
          if (first[i] == 0) first[i] = form.StageFrame;
          last_seen[i] = form.StageFrame;
          if (i == 0 && form.EndUnits[0].Step == 0) ++line0_step0;
        }
      }
    }
  }

  int32_t first[30] = {};
  int32_t last_seen[30] = {};
  int32_t line0_step0 = 0;
};

TEST_F(EndingRoll, LinesTableAsFilled) {
  struct Row {
    int index;
    const char* text;
    int32_t start, x, y, sum;
  };
  const Row rows[] = {
      {0, "Congratulations!! ", 1, 60, 190, 170},
      {1, "You are great surviver!! ", 21, 130, 220, 170},
      {2, " ", 41, 80, 250, 170},
      {3, "Zerkhaldun", 221, 80, 250, 170},
      {5, "Director / Programer", 451, 280, 260, 170},
      {7, "Graphic ( Lizard, D.O.Z. )", 681, 400, 150, 170},
      {10, "ZuzodEvoz, V-2-A, ZizoruVuzev )", 891, 350, 130, 170},
      {16, "RiziVov, ZeviruraR, & Others )", 1341, 430, 470, 170},
      {18, "Original MP3 Music", 1581, 230, 300, 170},
      {20, "2D Graphic", 1801, 250, 300, 170},
      {22, "Thank you for Your Fight", 2101, 380, 260, 220},
  };
  for (const Row& r : rows) {
    const EndUnit& u = form.EndUnits[r.index];
    EXPECT_STREQ(u.Text, r.text) << r.index;
    EXPECT_EQ(u.StartFrame, r.start) << r.index;
    EXPECT_EQ(u.X, r.x) << r.index;
    EXPECT_EQ(u.Y, r.y) << r.index;
    int32_t sum = 0;
    for (int32_t d : u.Durations) sum += d;
    EXPECT_EQ(sum, r.sum) << r.index;
  }
  // The credited rows are class 2 (90 frames); line 19 repeats line 4's name.
  for (int i : {4, 6, 8, 11, 14, 17, 19}) {
    int32_t sum = 0;
    for (int32_t d : form.EndUnits[i].Durations) sum += d;
    EXPECT_EQ(sum, 90) << i;
    EXPECT_GT(std::strlen(form.EndUnits[i].Text), 0u) << i;
  }
  EXPECT_STREQ(form.EndUnits[19].Text, form.EndUnits[4].Text);
  for (const EndUnit& u : form.EndUnits) EXPECT_EQ(std::strchr(u.Text, '%'), nullptr);
  for (int i = 23; i < 30; ++i) EXPECT_EQ(form.EndUnits[i].StartFrame, 0);
}

TEST_F(EndingRoll, FadeTimings) {
  RunUnits(2439);
  // Every line shows for the sum of its durations less one frame, from its start frame.
  for (int i = 0; i < 23; ++i) {
    int32_t sum = 0;
    for (int32_t d : form.EndUnits[i].Durations) sum += d;
    EXPECT_EQ(first[i], form.EndUnits[i].StartFrame) << i;
    EXPECT_EQ(last_seen[i], form.EndUnits[i].StartFrame + sum - 2) << i;
  }
  EXPECT_EQ(last_seen[0], 169);
  EXPECT_EQ(line0_step0, 14);
  EXPECT_EQ(first[22], 2101);
  EXPECT_EQ(last_seen[22], 2319);
  // The unfilled units never show.
  for (int i = 23; i < 30; ++i) EXPECT_EQ(first[i], 0) << i;
}

TEST_F(EndingRoll, ASecondEndingRepeatsTheTimings) {
  RunUnits(300);
  for (EndUnit& unit : form.EndUnits) unit.Reset();
  form.StageFrame = 0;
  std::memset(first, 0, sizeof first);
  std::memset(last_seen, 0, sizeof last_seen);
  line0_step0 = 0;
  RunUnits(2439);
  EXPECT_EQ(first[0], 1);
  EXPECT_EQ(last_seen[0], 169);
  EXPECT_EQ(line0_step0, 14);
}

TEST(EndUnitTick, StepsThroughItsDurationsOnce) {
  EndUnit u{};
  for (int s = 0; s < 9; ++s) u.Durations[s] = s + 1;
  u.StartFrame = 3;
  u.Start(2);
  u.Tick();
  EXPECT_EQ(u.Visible, 0);
  EXPECT_EQ(u.StepFrames, 0);  // an invisible line does not count
  u.Start(3);
  EXPECT_EQ(u.Visible, 1);
  int frames = 0;
  while (u.Visible == 1) {
    u.Tick();
    ++frames;
  }
  EXPECT_EQ(frames, 45);  // 1 + 2 + ... + 9
  EXPECT_EQ(u.Step, 0);
  EXPECT_EQ(u.StepFrames, 0);
}

// With the game started headless: the entry loads the five pictures and the stage returns to
// the title after 2440 frames; the pictures change with the frame.
TEST(EndingStage, EntryPicturesAndReturnToTitle) {
  auto host = MakeHeadlessPlatform();
  auto form = std::make_unique<TForm1>(*host);
  form->Button1Click(StartChoices{1, 0, 0});
  ASSERT_FALSE(form->FormClosed);
  form->RouteStage = 0;
  form->Winner = 0;
  form->GameStage = 14;
  form->ToEnd();
  ASSERT_FALSE(form->FormClosed);
  EXPECT_EQ(form->GameStage, 14);
  EXPECT_EQ(form->StageFrame, 0);
  for (int i = 0; i < 5; ++i) ASSERT_NE(form->ViewSurfaces[0][i], nullptr) << i;

  // Mark each picture with its own colour to see which one is drawn.
  for (int i = 0; i < 5; ++i) {
    FillRect(*form->ViewSurfaces[0][i], Rect{0, 0, 800, 600}, Rgb(10, 20, 30 + i));
    form->ViewSurfaces[0][i]->SetColorKey(0xFF00FF);
  }
  struct Case {
    int32_t frame;
    int picture;
  };
  for (const Case& c : {Case{0, 0}, Case{624, 0}, Case{625, 1}, Case{1074, 1}, Case{1075, 2},
                        Case{1524, 2}, Case{1525, 3}, Case{1975, 4}, Case{2439, 4}}) {
    form->StageFrame = c.frame;
    form->Draw_End2();
    EXPECT_EQ(form->BackSurface->Pixel(400, 300), 0x0A141Eu + c.picture) << c.frame;
  }

  form->StageFrame = 0;
  form->Winner = 2;
  form->RouteStage = 3;
  for (int f = 1; f < 2440; ++f) {
    form->EndingStage();
    ASSERT_EQ(form->GameStage, 14) << f;
  }
  form->EndingStage();
  EXPECT_EQ(form->GameStage, 0);
  EXPECT_EQ(form->StageFrame, 0);
  EXPECT_EQ(form->RouteStage, 0);
  EXPECT_EQ(form->Winner, 0);
}

}  // namespace
}  // namespace zk
