// The select screen's catalogue: a name plate per kind and variant, a card per kind.
#include "shell/form.h"

namespace zk {

void TForm1::SetNamePlate(int32_t image, int32_t kind_index, int32_t variant, int32_t left,
                          int32_t top) {
  if (kind_index < 0 || kind_index >= 11 || variant < 0 || variant >= 3) return;
  NamePlates[kind_index][variant] = NamePlate{image, Rect{left, top, left + 259, top + 279}};
}

// The cards stand in one column in the middle of the screen (display/select_catalogue.h).
void TForm1::DDIN() {
  for (int32_t i = 0; i < 11; ++i) {
    RobotCards[i].Source = Rect{0, i * kCardHeight, kCardWidth, (i + 1) * kCardHeight};
    const int32_t top = kCardTop + i * kCardPitch;
    RobotCards[i].Dest = Rect{kCardLeft, top, kCardLeft + kCardWidth, top + kCardHeight};
  }
}

}  // namespace zk
