// One frame: input, the stage's logic, its drawing, presenting, and the frame pacing.
#include "shell/form.h"

namespace zk {

void TForm1::AppIdle() {
  if (CheckClosed()) return;

  // 1. Input.
  ControlHead();
  if (CheckClosed()) return;

  // 2. The stage's logic.
  switch (GameStage) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
      StartStage();
      break;
    case 5:
    case 6:
      SelectStage();
      break;
    case 7:
      BeforeStage();
      break;
    case 8:
    case 9:
    case 10:
      FightStage();
      break;
    case 11:
    case 12:
      ResultStage();
      break;
    case 13:
      LimitStage();
      break;
    case 14:
      EndingStage();
      break;
    default:  // 15, the error stage, has no logic
      break;
  }
  if (CheckClosed()) return;

  // 3.
  FrameTime.Start(Host);

  // While DirectDraw is stopped nothing is drawn or presented.
  const bool can_draw = DrawDevice && BackSurface && PrimarySurface != nullptr;
  if (can_draw) {
    // 4. Surface drawing, by the stage as it is now.
    switch (GameStage) {
      case 0:
      case 1:
      case 2:
      case 3:
      case 4:
        Draw_Start2();
        break;
      case 5:
      case 6:
        Draw_Select2();
        break;
      case 7:
        // The backdrop covers 799 x 599 pixels: the last column and row keep the old picture.
        if (BackdropSurface) {
          Blit(*BackSurface, Rect{0, 0, 799, 599}, *BackdropSurface, Rect{0, 0, 799, 599},
               kBlitSourceKey);
        }
        break;
      case 8:
      case 9:
      case 10:
        Draw_FS2();
        break;
      case 14:
        Draw_End2();
        break;
      default:  // 11 to 13 and 15 draw over the previous picture
        break;
    }

    // 5. Text drawing through the back buffer's drawing context (none for a lost buffer).
    if (!BackSurface->Lost()) {
      DrawContext dc(*BackSurface);
      BackDC = &dc;
      switch (GameStage) {
        case 7:
          Draw_BS();
          break;
        case 8:
        case 9:
        case 10:
          Draw_FS();
          break;
        case 11:
        case 12:
          Draw_Result();
          break;
        case 13:
          Draw_Limit();
          break;
        case 14:
          Draw_End();
          break;
        case 15:
          Draw_Error();
          break;
        default:
          break;
      }
      BackDC = nullptr;
    }

    // 6. Presenting. In a window the back buffer goes to a 799 x 599 area at the window's
    // top-left corner, one pixel narrower and lower than the picture.
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
  if (!can_draw && GameStage == 15) ReportErrorInBox();

  // 7. Pacing: drawing and presenting take at least 40 ms.
  FrameTime.Wait(Host);
}

}  // namespace zk
