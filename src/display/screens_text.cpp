// The text screens: before the fight, the fight's banners and outlines, the survival score
// table, the time limit, the ending lines and the error screen. Every text is drawn as it is:
// robot names and score-file texts are never read as a format.
#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

#include "core/error_texts.h"
#include "core/field_text.h"
#include "core/score_entry.h"
#include "display/fight_status.h"
#include "display/text_tools.h"
#include "platform/text_render.h"
#include "shell/form.h"

namespace zk {

namespace {

constexpr ColorRef kWhite = 0xFFFFFF;

// The grey of a fading text by its fade step 0..8.
ColorRef FadeGrey(int32_t step) {
  switch (step) {
    case 0:
    case 8:
      return 0x3F3F3F;
    case 1:
    case 7:
      return 0x5F5F5F;
    case 2:
    case 6:
      return 0x7F7F7F;
    case 3:
    case 5:
      return 0xBFBFBF;
    default:
      return 0xFFFFFF;
  }
}

void FrameBox(DrawContext& dc, const CharacterData& robot, int32_t grow, int32_t offset) {
  const int32_t hw = robot.Status.HalfWidth;
  const int32_t hh = robot.Status.HalfHeight;
  dc.FrameRect(Rect{robot.X - hw - grow + offset, robot.Y - hh - grow + offset,
                    robot.X + hw + grow + offset, robot.Y + hh + grow + offset});
}

// The left edge that centres a text on the 800-pixel screen.
int32_t CentredX(const std::shared_ptr<Font>& font, std::string_view text) {
  if (!font) return 0;
  return std::max(0, (800 - MeasureText(*font, text).Width) / 2);
}

}  // namespace

// Before the fight: the texts darken step by step while the stage waits.
void TForm1::Draw_BS() {
  if (!BackDC || !Tools) return;
  DrawContext& dc = *BackDC;

  // White up to the first bound (inclusive), then darker up to each next bound; the bounds
  // follow the stage's wait.
  const int32_t unit = BeforeFightWait() == 240 ? 50 : 25;
  ColorRef color = 0x3F3F3F;
  const ColorRef steps[5] = {0xFFFFFF, 0xBFBFBF, 0x7F7F7F, 0x5F5F5F, 0x3F3F3F};
  for (int i = 0; i < 5; ++i) {
    if (StageFrame <= unit * (i + 1)) {
      color = steps[i];
      break;
    }
  }
  dc.SetTextColor(color);

  dc.SelectFont(Tools->TextFont);
  dc.TextOut(150, 230, FieldText(Robots[0].Name));
  dc.TextOut(450, 350, FieldText(Robots[1].Name));
  dc.SelectFont(Tools->LargeFont);
  dc.TextOut(370, 275, "VS");

  if (GameMode == kModeSurvival) {
    dc.SelectFont(Tools->TextFont);
    dc.TextOut(20, 540, "Return:F1 KEY ON KEYBOARD!");
    const std::string score = std::string(HardSurvival == 1 ? "SURVIVAL HARD MODE :SCORE IS "
                                                            : "SURVIVAL MODE :SCORE IS ") +
                              std::to_string(SurvivalWins) + " POINT!!";
    dc.TextOut(150, 450, score);
  }
}

// The fight: the status texts (each robot's name and weapons, see FightStatus), the intro and
// result banners, and each robot's outlines. The texts have a dark outline for the light sand and
// are rendered only when they change.
void TForm1::Draw_FS() {
  if (!BackDC || !Tools) return;
  DrawContext& dc = *BackDC;
  Surface& target = dc.Target();
  FightStatus& status = FightTexts;

  constexpr ColorRef kLabel = Rgb(240, 236, 224), kCount = Rgb(255, 228, 120);
  constexpr ColorRef kDim = Rgb(150, 150, 150), kSpentCount = Rgb(255, 70, 50);
  for (int p = 0; p < 2; ++p) {
    const int32_t left = kStatusLeft[p];
    status.Names[p].Draw(target, Tools->SmallFont, kPlayerColour[p], FieldText(Robots[p].Name),
                         left, kStatusNameTop);
    for (int32_t k = 0; k < 4; ++k) {
      const SlotState state = SlotTexts(Weapons[p * 4 + k], k + 1, status.Label, status.Count);
      const int32_t x = left + (k % 2) * kStatusColumn;
      const int32_t y = kStatusSlotTop + (k / 2) * kStatusRow;
      const bool dim = state == SlotState::kEmpty || state == SlotState::kSpent;
      status.Labels[p][k].Draw(target, Tools->SmallFont, dim ? kDim : kLabel, status.Label, x, y);
      // The ammunition right after the name; the unlimited mark in the larger font.
      const bool mark = state == SlotState::kUnlimited;
      status.Ammo[p][k].Draw(target, mark ? Tools->TextFont : Tools->SmallFont,
                             state == SlotState::kSpent ? kSpentCount : kCount, status.Count,
                             x + status.Labels[p][k].Width() + kStatusGap, mark ? y - 4 : y);
    }
  }

  // The banners, centred across the screen.
  const char* banner = nullptr;
  if (GameStage == kStageFightIntro) {
    banner = "It's Show Time!";
  } else if (GameStage == kStageFightOver) {
    banner = Winner == 1 ? "Player1 Survived!" : Winner == 2 ? "Player2 Survived!" : "Draw....";
  }
  if (banner)
    status.Banner.Draw(target, Tools->LargeFont, kWhite, banner, 400, 270, OutlinedText::kCentre);

  const Pen* pens[2] = {&Tools->GreenPen, &Tools->OrangePen};
  for (int p = 0; p < 2; ++p) {
    const CharacterData& robot = Robots[p];
    dc.SelectPen(*pens[p]);
    FrameBox(dc, robot, 30, 5);
    if (robot.Action == kActionHit) {
      dc.SelectPen(Tools->RedPen);
      FrameBox(dc, robot, 30 + 2 * (robot.Stun - robot.StepTick), 0);
    }
  }
}

// The survival score table, or the file error alone.
void TForm1::Draw_Result() {
  if (!BackDC || !Tools) return;
  DrawContext& dc = *BackDC;
  dc.SelectFont(Tools->TextFont);
  dc.SetTextColor(kWhite);
  if (ScoreFileError == 1) {
    dc.TextOut(CentredX(Tools->TextFont, "Survival Score: File Error "), 280,
               "Survival Score: File Error ");
    return;
  }
  dc.TextOut(260, 30,
             HardSurvival == 1 ? "Great Surviver's SCORE!!(Hard)" : "Great Surviver's SCORE!!");
  for (int rank = 1; rank <= 10; ++rank) {
    const ScoreEntry& row = ScoreTable[rank - 1];
    const int32_t y = 70 + (rank - 1) * 50;
    dc.SelectFont(Tools->TextFont);
    dc.SetTextColor(kWhite);
    dc.TextOut(200, y, "Rank" + std::to_string(rank) + " : SCORE " + std::to_string(row.Score));
    dc.SelectFont(Tools->SmallFont);
    dc.SetTextColor(0xBFBFBF);
    dc.TextOut(240, y + 24, ScoreText(row));
  }
}

void TForm1::Draw_Limit() {
  if (!BackDC || !Tools) return;
  BackDC->SelectFont(Tools->LargeFont);
  BackDC->SetTextColor(kWhite);
  BackDC->TextOut(CentredX(Tools->LargeFont, "Time Over!!"), 270, "Time Over!!");
}

// The ending lines that are showing, each in the grey of its fade step.
void TForm1::Draw_End() {
  if (!BackDC || !Tools) return;
  DrawContext& dc = *BackDC;
  dc.SelectFont(Tools->TextFont);
  for (const EndUnit& unit : EndUnits) {
    if (unit.Visible != 1) continue;
    dc.SetTextColor(FadeGrey(unit.Step));
    dc.TextOut(unit.X, unit.Y, FieldText(unit.Text));
  }
}

void TForm1::Draw_Error() {
  if (!BackDC || !Tools) return;
  DrawContext& dc = *BackDC;
  dc.FillSolid(Rect{0, 0, 800, 600}, Tools->BlackBrush);
  dc.SelectFont(Tools->TextFont);
  dc.SetTextColor(kWhite);
  dc.TextOut(100, 200, ErrorReasonLine(ErrorCode));
  dc.TextOut(140, 220, kErrorSorryLine);
  dc.TextOut(180, 240, kErrorEscapeLine);
  dc.TextOut(10, 560, ErrorCodeLine(ErrorCode));
}

}  // namespace zk
