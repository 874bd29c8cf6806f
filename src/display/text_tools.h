// The brushes, pens and fonts of the text drawing.
#pragma once

#include <memory>

#include "display/select_catalogue.h"
#include "platform/surface.h"
#include "shell/form.h"

namespace zk {

struct TForm1::TextTools {
  ColorRef BlackBrush = Rgb(0, 0, 0);
  ColorRef BlueBrush = Rgb(0, 0, 180);
  ColorRef RedBrush = Rgb(180, 0, 0);
  ColorRef GreenBrush = Rgb(0, 210, 0);
  ColorRef MagentaBrush = Rgb(210, 0, 210);
  ColorRef GreyBrush = Rgb(200, 200, 200);
  Pen RedPen{1, Rgb(255, 0, 0)};
  // The robots' outlines in the fight, in each player's colour.
  Pen OrangePen{1, kPlayerColour[1]};
  Pen GreenPen{2, kPlayerColour[0]};
  Pen DarkGreenPen{2, Rgb(0, 160, 0)};
  Pen GreyPen{1, Rgb(100, 100, 100)};
  std::shared_ptr<Font> LargeFont;  // "Impact" 40 x 40, weight 500
  std::shared_ptr<Font> TextFont;   // "Impact" 20 x 12, weight 400
  std::shared_ptr<Font> SmallFont;  // "Impact" 14 x 8, weight 400
};

}  // namespace zk
