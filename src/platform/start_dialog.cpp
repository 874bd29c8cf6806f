// The start dialog: layout, input and drawing in the look of a classic desktop dialog.
#include "platform/start_dialog.h"

#include <algorithm>

#include "platform/text_render.h"

namespace zk {

namespace {

struct Group {
  Rect Box;
  const char* Caption;
  const char* Items[2];
};

constexpr Group kGroups[3] = {
    {{8, 8, 8 + 233, 8 + 89}, "FullScreen or Window?", {"FullScreenMode", "WindowMode"}},
    {{8, 112, 8 + 233, 112 + 89},
     "Music select, MIDI or MP3?",
     {"MIDI Music", "Original MP3 Music(準備中)"}},
    {{8, 216, 8 + 233, 216 + 81},
     "Survival Mode Option",
     {"Normal (Ammo Supply exists)", "Hard    (Ammo Supply not exists)"}},
};
constexpr Rect kButton = {80, 312, 80 + 75, 312 + 25};
constexpr const char* kButtonCaption = "start";

// The dialog font: "ＭＳ Ｐゴシック" of character height 12, whose cell is 12 pixels high.
constexpr int32_t kFontCell = 12;

constexpr ColorRef kFace = Rgb(212, 208, 200);
constexpr ColorRef kShadow = Rgb(128, 128, 128);
constexpr ColorRef kDarkShadow = Rgb(64, 64, 64);
constexpr ColorRef kHighlight = Rgb(255, 255, 255);
constexpr ColorRef kText = Rgb(0, 0, 0);

// The radio button (12 x 12): '.' nothing, 'S' shadow, 'D' dark shadow, 'W' white, 'L' face,
// 'H' highlight; and its dot.
constexpr const char* kRadio[12] = {
    "....SSSS....", "..SSDDDDSS..", ".SDDWWWWDDH.", ".SDWWWWWWLH.", "SDWWWWWWWWLH", "SDWWWWWWWWLH",
    "SDWWWWWWWWLH", "SDWWWWWWWWLH", ".SDWWWWWWLH.", ".SLLWWWWLLH.", "..HHLLLLHH..", "....HHHH....",
};
constexpr const char* kDot[4] = {".XX.", "XXXX", "XXXX", ".XX."};

bool Inside(const Rect& r, int32_t x, int32_t y) {
  return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

// The rectangle of item `i` of a group: the items share the box below the caption evenly.
Rect ItemRect(const Group& g, int i) {
  const int32_t room = g.Box.Height() - kFontCell - 5;
  const int32_t height = room / 2;
  const int32_t top = g.Box.Top + kFontCell + 1 + (room % 2) / 2 + i * height;
  return {g.Box.Left + 8, top, g.Box.Right - 10, top + height};
}

void Pattern(Surface& s, int32_t x, int32_t y, const char* const* rows, int n, int w) {
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < w; ++c) {
      ColorRef color;
      switch (rows[r][c]) {
        case 'S':
          color = kShadow;
          break;
        case 'D':
          color = kDarkShadow;
          break;
        case 'W':
          color = kHighlight;
          break;
        case 'L':
          color = kFace;
          break;
        case 'H':
          color = kHighlight;
          break;
        case 'X':
          color = kText;
          break;
        default:
          continue;
      }
      FillRect(s, {x + c, y + r, x + c + 1, y + r + 1}, color);
    }
  }
}

void HLine(Surface& s, int32_t x0, int32_t x1, int32_t y, ColorRef c) {
  FillRect(s, {x0, y, x1, y + 1}, c);
}
void VLine(Surface& s, int32_t x, int32_t y0, int32_t y1, ColorRef c) {
  FillRect(s, {x, y0, x + 1, y1}, c);
}

// A dotted focus rectangle.
void FocusRect(Surface& s, const Rect& r) {
  for (int32_t x = r.Left; x < r.Right; x += 2) {
    FillRect(s, {x, r.Top, x + 1, r.Top + 1}, kText);
    FillRect(s, {x, r.Bottom - 1, x + 1, r.Bottom}, kText);
  }
  for (int32_t y = r.Top; y < r.Bottom; y += 2) {
    FillRect(s, {r.Left, y, r.Left + 1, y + 1}, kText);
    FillRect(s, {r.Right - 1, y, r.Right, y + 1}, kText);
  }
}

}  // namespace

StartDialog::StartDialog(const StartChoices& initial)
    : choices_(initial), font_(CreateFont({"ＭＳ Ｐゴシック", -kFontCell, 0, 400})) {
  // Only the two items of each group can be chosen.
  for (int g = 0; g < 3; ++g) Choice(g) = Choice(g) == 1 ? 1 : 0;
}

int& StartDialog::Choice(int group) {
  return group == 0 ? choices_.Screen : group == 1 ? choices_.Music : choices_.Survival;
}

bool StartDialog::KeyDown(int key, bool shift) {
  constexpr int kTab = 0x09;
  if (key == kTab) {
    focus_ = (focus_ + (shift ? 3 : 1)) % 4;
  } else if (key == vk::kReturn) {
    return true;
  } else if (key == vk::kSpace) {
    return focus_ == 3;
  } else if (focus_ < 3 &&
             (key == vk::kUp || key == vk::kLeft || key == vk::kDown || key == vk::kRight)) {
    // Two items: the arrows go round from one to the other.
    int& choice = Choice(focus_);
    choice = 1 - choice;
  }
  return false;
}

void StartDialog::MouseDown(int32_t x, int32_t y) {
  if (Inside(kButton, x, y)) {
    focus_ = 3;
    pressed_ = true;
    return;
  }
  for (int g = 0; g < 3; ++g) {
    for (int i = 0; i < 2; ++i) {
      if (Inside(ItemRect(kGroups[g], i), x, y)) {
        focus_ = g;
        Choice(g) = i;
      }
    }
  }
}

bool StartDialog::MouseUp(int32_t x, int32_t y) {
  const bool was_pressed = pressed_;
  pressed_ = false;
  return was_pressed && Inside(kButton, x, y);
}

void StartDialog::Draw(Surface& s) {
  FillRect(s, s.Bounds(), kFace);
  DrawContext dc(s);
  dc.SelectFont(font_);
  dc.SetTextColor(kText);

  for (int g = 0; g < 3; ++g) {
    const Group& group = kGroups[g];
    const Rect& b = group.Box;
    // The etched frame, its top line through the middle of the caption.
    const int32_t top = b.Top + kFontCell / 2;
    HLine(s, b.Left, b.Right - 1, top, kShadow);
    VLine(s, b.Left, top, b.Bottom - 1, kShadow);
    HLine(s, b.Left, b.Right - 1, b.Bottom - 2, kShadow);
    VLine(s, b.Right - 2, top, b.Bottom - 1, kShadow);
    HLine(s, b.Left + 1, b.Right - 2, top + 1, kHighlight);
    VLine(s, b.Left + 1, top + 1, b.Bottom - 2, kHighlight);
    HLine(s, b.Left, b.Right, b.Bottom - 1, kHighlight);
    VLine(s, b.Right - 1, top, b.Bottom, kHighlight);
    // The caption on the face colour, cutting the line.
    const TextSize cap = MeasureText(*font_, group.Caption);
    FillRect(s, {b.Left + 7, b.Top, b.Left + 9 + cap.Width, top + 2}, kFace);
    dc.TextOut(b.Left + 8, top - cap.Height / 2, group.Caption);

    for (int i = 0; i < 2; ++i) {
      const Rect item = ItemRect(group, i);
      const int32_t mid = (item.Top + item.Bottom) / 2;
      Pattern(s, item.Left, mid - 6, kRadio, 12, 12);
      if (Choice(g) == i) Pattern(s, item.Left + 4, mid - 2, kDot, 4, 4);
      const TextSize t = MeasureText(*font_, group.Items[i]);
      const int32_t tx = item.Left + 17, ty = mid - t.Height / 2;
      dc.TextOut(tx, ty, group.Items[i]);
      if (focus_ == g && Choice(g) == i) {
        FocusRect(s, {tx - 2, mid - kFontCell / 2 - 2, tx + t.Width + 2, mid + kFontCell / 2 + 2});
      }
    }
  }

  // The button: raised, sunk while pressed, framed in black while it has the focus.
  const Rect& b = kButton;
  Rect inner = b;
  if (focus_ == 3) {
    HLine(s, b.Left, b.Right, b.Top, kText);
    HLine(s, b.Left, b.Right, b.Bottom - 1, kText);
    VLine(s, b.Left, b.Top, b.Bottom, kText);
    VLine(s, b.Right - 1, b.Top, b.Bottom, kText);
    inner = {b.Left + 1, b.Top + 1, b.Right - 1, b.Bottom - 1};
  }
  if (pressed_) {
    HLine(s, inner.Left, inner.Right, inner.Top, kShadow);
    HLine(s, inner.Left, inner.Right, inner.Bottom - 1, kShadow);
    VLine(s, inner.Left, inner.Top, inner.Bottom, kShadow);
    VLine(s, inner.Right - 1, inner.Top, inner.Bottom, kShadow);
  } else {
    HLine(s, inner.Left, inner.Right - 1, inner.Top, kHighlight);
    VLine(s, inner.Left, inner.Top, inner.Bottom - 1, kHighlight);
    HLine(s, inner.Left, inner.Right, inner.Bottom - 1, kDarkShadow);
    VLine(s, inner.Right - 1, inner.Top, inner.Bottom, kDarkShadow);
    HLine(s, inner.Left + 1, inner.Right - 1, inner.Bottom - 2, kShadow);
    VLine(s, inner.Right - 2, inner.Top + 1, inner.Bottom - 1, kShadow);
  }
  const TextSize t = MeasureText(*font_, kButtonCaption);
  const int32_t shift = pressed_ ? 1 : 0;
  const int32_t tx = (b.Left + b.Right - t.Width) / 2 + shift;
  const int32_t ty = (b.Top + b.Bottom - t.Height) / 2 + shift;
  dc.TextOut(tx, ty, kButtonCaption);
  if (focus_ == 3) FocusRect(s, {b.Left + 4, b.Top + 4, b.Right - 4, b.Bottom - 4});
}

}  // namespace zk
