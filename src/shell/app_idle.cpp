// One frame: input, the stage's logic, its drawing, presenting, and the frame pacing.
#include "shell/form.h"

namespace zk {

namespace {

using Routine = void (TForm1::*)();

// What each stage does in a frame; an empty routine does nothing.
struct StageRoutines {
  Routine Logic;
  Routine Picture;  // drawing onto the back surface; without it the previous picture stays
  Routine Text;     // drawing texts through the back surface's drawing context
};

constexpr StageRoutines kStageRoutines[kStageCount] = {
    /* kStageTitle */ {&TForm1::StartStage, &TForm1::Draw_Start2, nullptr},
    /* kStageMenu */ {&TForm1::StartStage, &TForm1::Draw_Start2, nullptr},
    /* kStageUnused2 */ {&TForm1::StartStage, &TForm1::Draw_Start2, nullptr},
    /* kStageUnused3 */ {&TForm1::StartStage, &TForm1::Draw_Start2, nullptr},
    /* kStageMenuChosen */ {&TForm1::StartStage, &TForm1::Draw_Start2, nullptr},
    /* kStageSelectIn */ {&TForm1::SelectStage, &TForm1::Draw_Select2, nullptr},
    /* kStageSelect */ {&TForm1::SelectStage, &TForm1::Draw_Select2, nullptr},
    /* kStageBeforeFight */ {&TForm1::BeforeStage, &TForm1::Draw_BS2, &TForm1::Draw_BS},
    /* kStageFightIntro */ {&TForm1::FightStage, &TForm1::Draw_FS2, &TForm1::Draw_FS},
    /* kStageFight */ {&TForm1::FightStage, &TForm1::Draw_FS2, &TForm1::Draw_FS},
    /* kStageFightOver */ {&TForm1::FightStage, &TForm1::Draw_FS2, &TForm1::Draw_FS},
    /* kStageResult */ {&TForm1::ResultStage, nullptr, &TForm1::Draw_Result},
    /* kStageResultUnused */ {&TForm1::ResultStage, nullptr, &TForm1::Draw_Result},
    /* kStageLimit */ {&TForm1::LimitStage, nullptr, &TForm1::Draw_Limit},
    /* kStageEnding */ {&TForm1::EndingStage, &TForm1::Draw_End2, &TForm1::Draw_End},
    /* kStageError */ {nullptr, nullptr, &TForm1::Draw_Error},
};

// The routine `which` of the stage, or nothing for a stage outside the table.
Routine StageRoutine(int32_t stage, Routine StageRoutines::*which) {
  if (stage < 0 || stage >= kStageCount) return nullptr;
  return kStageRoutines[stage].*which;
}

}  // namespace

void TForm1::AppIdle() {
  if (CheckClosed()) return;

  ControlHead();
  if (CheckClosed()) return;

  if (const Routine logic = StageRoutine(GameStage, &StageRoutines::Logic)) (this->*logic)();
  if (CheckClosed()) return;

  // The frame's time is measured from here: drawing and presenting take at least 40 ms.
  FrameTime.Start(Host);

  // While DirectDraw is stopped nothing is drawn or presented.
  const bool can_draw = DrawDevice && BackSurface && PrimarySurface != nullptr;
  if (can_draw) {
    // The drawing follows the stage as the logic left it.
    if (const Routine picture = StageRoutine(GameStage, &StageRoutines::Picture)) {
      (this->*picture)();
    }

    // Texts go through the back buffer's drawing context (none for a lost buffer).
    if (!BackSurface->Lost()) {
      DrawContext dc(*BackSurface);
      BackDC = &dc;
      if (const Routine text = StageRoutine(GameStage, &StageRoutines::Text)) (this->*text)();
      BackDC = nullptr;
    }

    // In a window the back buffer goes to a 799 x 599 area at the window's top-left corner, one
    // pixel narrower and lower than the picture; in full screen it is flipped.
    if (WindowMode == 1) {
      Surface& primary = DrawDevice->Primary();
      Blit(primary, Rect{0, 0, 799, 599}, *BackSurface, Rect{0, 0, 800, 600}, kBlitNone);
      DrawDevice->Present();
    } else {
      DrawDevice->Flip(*BackSurface);
    }
  }

  // After a picture failure the display is stopped and the error screen cannot be drawn; the
  // player gets its texts in a box instead, once.
  if (!can_draw && GameStage == kStageError) ReportErrorInBox();

  FrameTime.Wait(Host);
}

}  // namespace zk
