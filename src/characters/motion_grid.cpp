// The grid rule of the motion tables and the cell lists of the ten grid kinds.
#include "characters/motion_grid.h"

#include "shell/form.h"

namespace zk {

void FillGridMotion(MotionTable& table, const GridKind& kind) {
  table = MotionTable{};
  for (int facing = 0; facing < kFacings; ++facing) {
    auto& rows = table.Frames[facing];
    for (int motion = 0; motion < kind.SizedRows && motion < kMotionRows; ++motion) {
      for (MotionFrame& frame : rows[motion]) {
        frame.HalfWidth = kind.HalfWidth;
        frame.HalfHeight = kind.HalfHeight;
      }
    }
    for (int motion = 0; motion < 7; ++motion) {
      int frame_no = 0;
      for (const GridCell& cell : kind.Cells[motion]) {
        if (frame_no >= kMotionFrames) break;
        MotionFrame& frame = rows[motion][frame_no++];
        frame.Left = cell.Column * kind.PitchX;
        frame.Top = cell.Row * kind.PitchY;
        frame.Right = frame.Left + kind.Width;
        frame.Bottom = frame.Top + kind.Height;
      }
    }
    for (const MotionException& e : kind.Exceptions) {
      if ((e.FacingMask & FacingBit(facing)) == 0) continue;
      MotionFrame& frame = rows[e.Motion][e.Frame];
      frame.Left = e.Left;
      frame.Top = e.Top;
      frame.Right = e.Right;
      frame.Bottom = e.Bottom;
      if (e.HalfWidth != 0) frame.HalfWidth = e.HalfWidth;
    }
  }
}

namespace {

constexpr uint32_t kFacings17 = FacingBit(1) | FacingBit(7);
constexpr uint32_t kFacings26 = FacingBit(2) | FacingBit(6);
constexpr uint32_t kFacings35 = FacingBit(3) | FacingBit(5);

// Ridezazo.
constexpr GridCell kLT0[] = {{0, 0}, {1, 0}};
constexpr GridCell kLT1[] = {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}};
constexpr GridCell kLT2[] = {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}};
constexpr GridCell kLT3[] = {{2, 0}};
constexpr GridCell kLT5[] = {{3, 0}};
constexpr GridCell kLT6[] = {{4, 0}};
constexpr MotionException kLTx[] = {{kAllFacings, 3, 0, 300, 0, 450, 149, 0}};
constexpr GridKind kLT = {150, 150, 149, 149, 75, 75, 8, {kLT0, kLT1, kLT2, kLT3, {}, kLT5, kLT6},
                          kLTx};

// Lizard; its motion row 2 is drawn from a larger grid (below).
constexpr GridCell kLV0[] = {{0, 0}};
constexpr GridCell kLV1[] = {{1, 0}, {1, 1}, {1, 2}, {1, 1}, {1, 0}};
constexpr GridCell kLV3[] = {{0, 3}, {0, 4}, {0, 3}};
constexpr GridCell kLV5[] = {{0, 2}};
constexpr GridCell kLV6[] = {{0, 1}};
constexpr GridKind kLV = {110, 110, 111, 111, 56, 56, 8, {kLV0, kLV1, {}, kLV3, {}, kLV5, kLV6},
                          {}};

// ZizoruVuzev.
constexpr GridCell kTB0[] = {{0, 0}};
constexpr GridCell kTB1[] = {{3, 0}, {4, 0}, {0, 1}, {3, 0}};
constexpr GridCell kTB2[] = {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}};
constexpr GridCell kTB3[] = {{1, 1}, {2, 1}, {3, 1}, {4, 1}};
constexpr GridCell kTB4[] = {{0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 3}};
constexpr GridCell kTB5[] = {{1, 0}};
constexpr GridCell kTB6[] = {{2, 0}};
constexpr GridKind kTB = {155, 150, 154, 150, 77, 75, 8, {kTB0, kTB1, kTB2, kTB3, kTB4, kTB5, kTB6},
                          {}};

// V-2-A.
constexpr GridCell kST0[] = {{0, 0}};
constexpr GridCell kST1[] = {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {0, 1}};
constexpr GridCell kST2[] = {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {0, 3}};
constexpr GridCell kST3[] = {{1, 3}, {2, 3}, {3, 3}, {1, 3}};
constexpr GridCell kST5[] = {{1, 0}};
constexpr GridCell kST6[] = {{2, 0}};
constexpr MotionException kSTx[] = {
    {kFacings26, 1, 1, 121, 121, 261, 241, 70}, {kFacings26, 1, 2, 262, 121, 402, 241, 70},
    {kFacings26, 1, 3, 403, 121, 523, 241, 0},  {kFacings35, 1, 1, 121, 121, 261, 241, 70},
    {kFacings35, 1, 2, 262, 121, 382, 241, 0},
};
constexpr GridKind kST = {121, 121, 120, 120, 60, 60, 10, {kST0, kST1, kST2, kST3, {}, kST5, kST6},
                          kSTx};

// ZuzodEvoz.
constexpr GridCell kHB0[] = {{0, 0}};
constexpr GridCell kHB1[] = {{3, 0}, {4, 0}, {0, 1}};
constexpr GridCell kHB2[] = {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}};
constexpr GridCell kHB3[] = {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {2, 1}};
constexpr GridCell kHB4[] = {{0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 3}};
constexpr GridCell kHB5[] = {{1, 0}};
constexpr GridCell kHB6[] = {{2, 0}};
constexpr MotionException kHBx[] = {
    {kFacings17, 2, 2, 302, 300, 457, 450, 78}, {kFacings17, 2, 3, 458, 300, 609, 450, 0},
    {kFacings17, 2, 4, 610, 300, 760, 450, 0},  {kFacings26, 1, 1, 604, 0, 769, 150, 83},
    {kFacings26, 1, 2, 0, 150, 165, 300, 78},   {kFacings26, 3, 0, 166, 150, 316, 300, 0},
    {kFacings26, 3, 1, 317, 150, 467, 300, 0},  {kFacings26, 3, 2, 486, 150, 618, 300, 0},
    {kFacings26, 3, 3, 619, 150, 769, 300, 0},  {kFacings35, 1, 1, 604, 0, 759, 150, 78},
    {kFacings35, 2, 3, 453, 300, 608, 450, 78}, {kFacings35, 2, 4, 609, 300, 760, 450, 0},
};
constexpr GridKind kHB = {
    151, 150, 150, 150, 75, 75, 10, {kHB0, kHB1, kHB2, kHB3, kHB4, kHB5, kHB6}, kHBx};

// VedoZad.
constexpr GridCell kFD0[] = {{0, 0}};
constexpr GridCell kFD1[] = {{0, 1}, {1, 1}, {2, 1}, {3, 1}};
constexpr GridCell kFD2[] = {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {2, 2}, {1, 2}, {0, 2}};
constexpr GridCell kFD3[] = {{0, 3}, {1, 3}, {0, 3}};
constexpr GridCell kFD5[] = {{1, 0}};
constexpr GridCell kFD6[] = {{2, 0}};
constexpr MotionException kFDx[] = {
    {kFacings26, 1, 1, 131, 131, 291, 261, 80}, {kFacings26, 1, 2, 292, 131, 452, 261, 80},
    {kFacings26, 1, 3, 453, 131, 583, 261, 0},  {kFacings26, 2, 3, 393, 262, 553, 392, 80},
    {kFacings35, 1, 3, 393, 131, 543, 261, 75},
};
constexpr GridKind kFD = {131, 131, 130, 130, 65, 65, 10, {kFD0, kFD1, kFD2, kFD3, {}, kFD5, kFD6},
                          kFDx};

// RiziVov.
constexpr GridCell kBB0[] = {{0, 0}};
constexpr GridCell kBB1[] = {{1, 1}, {0, 1}, {1, 1}};
constexpr GridCell kBB2[] = {{0, 2}, {1, 2}, {2, 2}};
constexpr GridCell kBB3[] = {{2, 1}};
constexpr GridCell kBB5[] = {{1, 0}};
constexpr GridCell kBB6[] = {{2, 0}};
constexpr GridKind kBB = {120, 120, 119, 119, 60, 60, 8, {kBB0, kBB1, kBB2, kBB3, {}, kBB5, kBB6},
                          {}};

// ZeviruraR.
constexpr GridCell kSC0[] = {{0, 0}};
constexpr GridCell kSC1[] = {{0, 1}, {1, 1}, {2, 1}};
constexpr GridCell kSC2[] = {{1, 2}, {2, 2}};
constexpr GridCell kSC3[] = {{0, 2}};
constexpr GridCell kSC5[] = {{1, 0}};
constexpr GridCell kSC6[] = {{2, 0}};
constexpr GridKind kSC = {140, 140, 140, 140, 70, 70, 8, {kSC0, kSC1, kSC2, kSC3, {}, kSC5, kSC6},
                          {}};

// DuvuZirada.
constexpr GridCell kPP0[] = {{1, 0}};
constexpr GridCell kPP1[] = {{3, 1}, {4, 1}, {5, 1}, {0, 2}};
constexpr GridCell kPP2[] = {{5, 0}, {0, 1}, {1, 1}, {2, 1}};
constexpr GridCell kPP3[] = {{0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 3}};
constexpr GridCell kPP4[] = {{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}};
constexpr GridCell kPP5[] = {{3, 0}};
constexpr GridCell kPP6[] = {{2, 0}};
constexpr MotionException kPPx[] = {
    {kFacings17, 1, 3, 600, 360, 770, 480, 85},
    {kFacings26, 1, 3, 0, 480, 144, 600, 72},
    {kFacings26, 3, 3, 360, 360, 480, 480, 85},  // the grid cell, drawn wider
};
constexpr GridKind kPP = {120, 120, 120, 120, 60, 60, 8, {kPP0, kPP1, kPP2, kPP3, kPP4, kPP5, kPP6},
                          kPPx};

// Ro-da.
constexpr GridCell kDF0[] = {{0, 0}};
constexpr GridCell kDF1[] = {{3, 0}, {0, 1}, {1, 1}};
constexpr GridCell kDF2[] = {{2, 2}, {3, 2}, {0, 3}};
constexpr GridCell kDF3[] = {{2, 1}, {3, 1}, {0, 2}, {1, 2}};
constexpr GridCell kDF5[] = {{2, 0}};
constexpr GridCell kDF6[] = {{1, 0}};
constexpr GridKind kDF = {100, 100, 100, 100, 50, 50, 8, {kDF0, kDF1, kDF2, kDF3, {}, kDF5, kDF6},
                          {}};

// Lizard's motion row 2: nine frames on a grid of 180 from (220, 0), cells 181 wide and high,
// and all sixteen frames of the row drawn at half size 91.
void FillLizardLargeRow(MotionTable& table) {
  for (auto& facing : table.Frames) {
    for (int n = 0; n < kMotionFrames; ++n) {
      MotionFrame& frame = facing[2][n];
      frame.HalfWidth = 91;
      frame.HalfHeight = 91;
      if (n < 9) {
        frame.Left = 220 + 180 * (n % 3);
        frame.Top = 180 * (n / 3);
        frame.Right = frame.Left + 181;
        frame.Bottom = frame.Top + 181;
      }
    }
  }
}

}  // namespace

void TForm1::DefaultTB_Motion() {
  FillGridMotion(MotionTables[kMotionTB], kTB);
}
void TForm1::DefaultST_Motion() {
  FillGridMotion(MotionTables[kMotionST], kST);
}
void TForm1::DefaultHB_Motion() {
  FillGridMotion(MotionTables[kMotionHB], kHB);
}
void TForm1::DefaultFD_Motion() {
  FillGridMotion(MotionTables[kMotionFD], kFD);
}
void TForm1::DefaultBB_Motion() {
  FillGridMotion(MotionTables[kMotionBB], kBB);
}
void TForm1::DefaultSC_Motion() {
  FillGridMotion(MotionTables[kMotionSC], kSC);
}
void TForm1::DefaultPP_Motion() {
  FillGridMotion(MotionTables[kMotionPP], kPP);
}
void TForm1::DefaultDF_Motion() {
  FillGridMotion(MotionTables[kMotionDF], kDF);
}
void TForm1::DefaultLT_Motion() {
  FillGridMotion(MotionTables[kMotionLT], kLT);
}

void TForm1::DefaultLV_Motion() {
  FillGridMotion(MotionTables[kMotionLV], kLV);
  FillLizardLargeRow(MotionTables[kMotionLV]);
}

}  // namespace zk
