// The eleven kinds' motion tables: grid cells, exceptions, D.O.Z.'s view lists, and table-wide
// checks of every frame.
#include "characters/motion_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/surface.h"
#include "robots/robot_kinds.h"
#include "shell/form.h"
#include "support/motion_tables.h"

namespace zk {
namespace {

using test_support::IsListedFrame;

const test_support::FormWithMotionTables& Tables() {
  static const test_support::FormWithMotionTables tables;
  return tables;
}

bool Same(const MotionFrame& a, const MotionFrame& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

void ExpectFrame(const MotionFrame& f, MotionFrame want, const std::string& where) {
  EXPECT_EQ(f.Left, want.Left) << where;
  EXPECT_EQ(f.Top, want.Top) << where;
  EXPECT_EQ(f.Right, want.Right) << where;
  EXPECT_EQ(f.Bottom, want.Bottom) << where;
  EXPECT_EQ(f.HalfWidth, want.HalfWidth) << where;
  EXPECT_EQ(f.HalfHeight, want.HalfHeight) << where;
}

using test_support::KindFrames;

struct KindShape {
  const KindFrames* frames;
  int sized_rows;  // rows carrying the kind's half sizes (0 for D.O.Z.)
  int half_width, half_height;
};

constexpr KindShape kShapes[] = {
    {&test_support::kRidezazoFrames, 8, 75, 75},    {&test_support::kLizardFrames, 8, 56, 56},
    {&test_support::kZizoruVuzevFrames, 8, 77, 75}, {&test_support::kV2AFrames, 10, 60, 60},
    {&test_support::kZuzodEvozFrames, 10, 75, 75},  {&test_support::kVedoZadFrames, 10, 65, 65},
    {&test_support::kRiziVovFrames, 8, 60, 60},     {&test_support::kZeviruraRFrames, 8, 70, 70},
    {&test_support::kDuvuZiradaFrames, 8, 60, 60},  {&test_support::kRoDaFrames, 8, 50, 50},
    {&test_support::kDozFrames, 0, 0, 0},
};

// Listed frames come first in each row, and their number is the length of the kind's list.
TEST(MotionTables, EveryRowListsItsFramesFromZero) {
  for (const KindShape& k : kShapes) {
    const MotionTable& t = Tables().Table(k.frames->Index);
    for (int facing = 0; facing < kFacings; ++facing) {
      for (int motion = 0; motion < kMotionRows; ++motion) {
        const int count = motion < 7 ? k.frames->Count[motion] : 0;
        for (int frame = 0; frame < kMotionFrames; ++frame) {
          EXPECT_EQ(IsListedFrame(t.Frames[facing][motion][frame]), frame < count)
              << k.frames->Name << " facing " << facing << " motion " << motion << " frame "
              << frame;
        }
      }
    }
  }
}

TEST(MotionTables, UnlistedFramesHaveZeroRectanglesAndTheKindsHalfSizes) {
  for (const KindShape& k : kShapes) {
    const MotionTable& t = Tables().Table(k.frames->Index);
    for (int facing = 0; facing < kFacings; ++facing) {
      for (int motion = 0; motion < kMotionRows; ++motion) {
        for (int frame = 0; frame < kMotionFrames; ++frame) {
          const MotionFrame& f = t.Frames[facing][motion][frame];
          if (IsListedFrame(f)) continue;
          const std::string where = std::string(k.frames->Name) + " f" + std::to_string(facing) +
                                    " m" + std::to_string(motion) + " #" + std::to_string(frame);
          EXPECT_EQ(f.Left | f.Top | f.Right | f.Bottom, 0) << where;
          const bool lizard_big = k.frames->Index == kMotionLV && motion == 2;
          const int hw = lizard_big ? 91 : (motion < k.sized_rows ? k.half_width : 0);
          const int hh = lizard_big ? 91 : (motion < k.sized_rows ? k.half_height : 0);
          EXPECT_EQ(f.HalfWidth, hw) << where;
          EXPECT_EQ(f.HalfHeight, hh) << where;
        }
      }
    }
  }
}

// Facings 5 to 7 are drawn mirrored from 3 to 1, so their frames are equal.
TEST(MotionTables, MirroredFacingsAreEqual) {
  for (const KindShape& k : kShapes) {
    const MotionTable& t = Tables().Table(k.frames->Index);
    for (int facing = 1; facing <= 3; ++facing) {
      for (int motion = 0; motion < kMotionRows; ++motion) {
        for (int frame = 0; frame < kMotionFrames; ++frame) {
          EXPECT_TRUE(Same(t.Frames[facing][motion][frame], t.Frames[8 - facing][motion][frame]))
              << k.frames->Name << " facing " << facing << " motion " << motion << " frame "
              << frame;
        }
      }
    }
  }
  // ZuzodEvoz's front and back views share their frames as well.
  const MotionTable& hb = Tables().Table(kMotionHB);
  EXPECT_EQ(std::memcmp(&hb.Frames[4], &hb.Frames[0], sizeof hb.Frames[0]), 0);
}

TEST(MotionTables, EveryListedFrameLiesOnAnEightHundredBySixHundredView) {
  for (const KindShape& k : kShapes) {
    const MotionTable& t = Tables().Table(k.frames->Index);
    for (const auto& facing : t.Frames) {
      for (const auto& motion : facing) {
        for (const MotionFrame& f : motion) {
          if (!IsListedFrame(f)) continue;
          EXPECT_GE(f.Left, 0) << k.frames->Name;
          EXPECT_GE(f.Top, 0) << k.frames->Name;
          EXPECT_LE(f.Right, 800) << k.frames->Name;
          EXPECT_LE(f.Bottom, 600) << k.frames->Name;
          EXPECT_GT(f.HalfWidth, 0) << k.frames->Name;
          EXPECT_GT(f.HalfHeight, 0) << k.frames->Name;
        }
      }
    }
  }
}

struct Spot {
  int index;
  int facing, motion, frame;
  MotionFrame want;
};

// Grid cells, the exceptions, and the same frames in facings the exceptions do not name.
constexpr Spot kSpots[] = {
    // Grid kinds: first idle frame, hit frame, and a far cell.
    {kMotionLT, 0, 0, 0, {0, 0, 149, 149, 75, 75}},
    {kMotionLT, 6, 6, 0, {600, 0, 749, 149, 75, 75}},
    {kMotionLT, 3, 1, 4, {600, 300, 749, 449, 75, 75}},
    {kMotionLT, 5, 3, 0, {300, 0, 450, 149, 75, 75}},  // right edge 450, not 449
    {kMotionLV, 2, 1, 0, {110, 0, 221, 111, 56, 56}},
    {kMotionLV, 2, 6, 0, {0, 110, 111, 221, 56, 56}},
    {kMotionLV, 7, 2, 0, {220, 0, 401, 181, 91, 91}},
    {kMotionLV, 0, 2, 2, {580, 0, 761, 181, 91, 91}},
    {kMotionLV, 4, 2, 8, {580, 360, 761, 541, 91, 91}},
    {kMotionLV, 1, 3, 1, {0, 440, 111, 551, 56, 56}},
    {kMotionTB, 0, 0, 0, {0, 0, 154, 150, 77, 75}},
    {kMotionTB, 2, 6, 0, {310, 0, 464, 150, 77, 75}},
    {kMotionTB, 6, 4, 4, {620, 450, 774, 600, 77, 75}},
    {kMotionST, 0, 6, 0, {242, 0, 362, 120, 60, 60}},
    {kMotionST, 4, 2, 4, {0, 363, 120, 483, 60, 60}},
    {kMotionST, 2, 1, 1, {121, 121, 261, 241, 70, 60}},
    {kMotionST, 6, 1, 2, {262, 121, 402, 241, 70, 60}},
    {kMotionST, 2, 1, 3, {403, 121, 523, 241, 60, 60}},
    {kMotionST, 3, 1, 1, {121, 121, 261, 241, 70, 60}},
    {kMotionST, 5, 1, 2, {262, 121, 382, 241, 60, 60}},
    {kMotionST, 3, 1, 3, {363, 121, 483, 241, 60, 60}},
    {kMotionST, 0, 1, 1, {121, 121, 241, 241, 60, 60}},
    {kMotionHB, 0, 6, 0, {302, 0, 452, 150, 75, 75}},
    {kMotionHB, 4, 4, 4, {604, 450, 754, 600, 75, 75}},
    {kMotionHB, 1, 2, 2, {302, 300, 457, 450, 78, 75}},
    {kMotionHB, 7, 2, 3, {458, 300, 609, 450, 75, 75}},
    {kMotionHB, 1, 2, 4, {610, 300, 760, 450, 75, 75}},
    {kMotionHB, 2, 1, 1, {604, 0, 769, 150, 83, 75}},
    {kMotionHB, 6, 1, 2, {0, 150, 165, 300, 78, 75}},
    {kMotionHB, 2, 3, 0, {166, 150, 316, 300, 75, 75}},
    {kMotionHB, 6, 3, 1, {317, 150, 467, 300, 75, 75}},
    {kMotionHB, 2, 3, 2, {486, 150, 618, 300, 75, 75}},
    {kMotionHB, 6, 3, 3, {619, 150, 769, 300, 75, 75}},
    {kMotionHB, 2, 3, 4, {302, 150, 452, 300, 75, 75}},
    {kMotionHB, 3, 1, 1, {604, 0, 759, 150, 78, 75}},
    {kMotionHB, 5, 2, 3, {453, 300, 608, 450, 78, 75}},
    {kMotionHB, 3, 2, 4, {609, 300, 760, 450, 75, 75}},
    {kMotionHB, 0, 1, 1, {604, 0, 754, 150, 75, 75}},
    {kMotionFD, 0, 6, 0, {262, 0, 392, 130, 65, 65}},
    {kMotionFD, 4, 2, 6, {0, 262, 130, 392, 65, 65}},
    {kMotionFD, 2, 1, 1, {131, 131, 291, 261, 80, 65}},
    {kMotionFD, 6, 1, 2, {292, 131, 452, 261, 80, 65}},
    {kMotionFD, 2, 1, 3, {453, 131, 583, 261, 65, 65}},
    {kMotionFD, 6, 2, 3, {393, 262, 553, 392, 80, 65}},
    {kMotionFD, 3, 1, 3, {393, 131, 543, 261, 75, 65}},
    {kMotionFD, 1, 1, 3, {393, 131, 523, 261, 65, 65}},
    {kMotionBB, 0, 6, 0, {240, 0, 359, 119, 60, 60}},
    {kMotionBB, 3, 1, 2, {120, 120, 239, 239, 60, 60}},
    {kMotionSC, 0, 6, 0, {280, 0, 420, 140, 70, 70}},
    {kMotionSC, 2, 2, 1, {280, 280, 420, 420, 70, 70}},
    {kMotionPP, 0, 0, 0, {120, 0, 240, 120, 60, 60}},
    {kMotionPP, 4, 6, 0, {240, 0, 360, 120, 60, 60}},
    {kMotionPP, 3, 4, 4, {600, 240, 720, 360, 60, 60}},
    {kMotionPP, 1, 1, 3, {600, 360, 770, 480, 85, 60}},
    {kMotionPP, 2, 1, 3, {0, 480, 144, 600, 72, 60}},
    {kMotionPP, 6, 3, 3, {360, 360, 480, 480, 85, 60}},
    {kMotionPP, 0, 1, 3, {0, 240, 120, 360, 60, 60}},
    {kMotionPP, 0, 3, 3, {360, 360, 480, 480, 60, 60}},
    {kMotionDF, 0, 0, 0, {0, 0, 100, 100, 50, 50}},
    {kMotionDF, 7, 6, 0, {100, 0, 200, 100, 50, 50}},
    {kMotionDF, 2, 3, 3, {100, 200, 200, 300, 50, 50}},
    // D.O.Z.: the first and last frames of every view, and frames kept as listed.
    {kMotionFM, 0, 0, 0, {0, 205, 211, 316, 105, 55}},
    {kMotionFM, 0, 6, 0, {110, 100, 291, 205, 90, 52}},
    {kMotionFM, 0, 2, 9, {210, 205, 411, 316, 100, 55}},
    {kMotionFM, 0, 3, 2, {160, 315, 275, 440, 55, 62}},
    {kMotionFM, 1, 0, 0, {0, 0, 125, 121, 62, 60}},
    {kMotionFM, 7, 3, 3, {678, 336, 799, 497, 60, 80}},
    {kMotionFM, 1, 6, 0, {330, 465, 471, 596, 70, 65}},
    {kMotionFM, 2, 0, 0, {0, 0, 121, 121, 60, 60}},
    {kMotionFM, 6, 2, 2, {675, 320, 756, 485, 40, 82}},
    {kMotionFM, 2, 6, 0, {560, 120, 771, 221, 105, 50}},
    {kMotionFM, 3, 0, 0, {0, 0, 211, 95, 105, 47}},
    {kMotionFM, 5, 2, 7, {709, 376, 800, 517, 45, 70}},
    {kMotionFM, 3, 1, 1, {201, 0, 411, 95, 100, 47}},
    {kMotionFM, 3, 6, 0, {0, 186, 201, 281, 100, 47}},
    {kMotionFM, 4, 0, 0, {0, 0, 135, 115, 82, 57}},
    {kMotionFM, 4, 3, 4, {150, 240, 195, 361, 72, 60}},
    {kMotionFM, 4, 4, 4, {120, 115, 235, 240, 57, 62}},
    {kMotionFM, 4, 6, 0, {165, 0, 280, 115, 57, 57}},
};

TEST(MotionTables, CellsAndExceptions) {
  for (const Spot& s : kSpots) {
    ExpectFrame(Tables().Table(s.index).Frames[s.facing][s.motion][s.frame], s.want,
                "table " + std::to_string(s.index) + " facing " + std::to_string(s.facing) +
                    " motion " + std::to_string(s.motion) + " frame " + std::to_string(s.frame));
  }
}

TEST(MotionTables, DozViewWritersTouchOnlyTheirFacing) {
  auto platform = MakeHeadlessPlatform();
  auto form = std::make_unique<TForm1>(*platform);
  form->FM_FRONT(2);
  form->FM_BACK(8);
  form->FM_SIDE(-1);
  const MotionTable& t = form->MotionTables[kMotionFM];
  ExpectFrame(t.Frames[2][0][0], {0, 0, 135, 115, 82, 57}, "front list in facing 2");
  for (int facing = 0; facing < kFacings; ++facing) {
    if (facing == 2) continue;
    for (const auto& motion : t.Frames[facing]) {
      for (const MotionFrame& f : motion) EXPECT_TRUE(Same(f, MotionFrame{})) << facing;
    }
  }
}

// With the generated picture pack in the working directory, every frame lies on the view
// bitmap its facing is drawn from.
TEST(MotionTables, FramesLieOnTheGeneratedViewPictures) {
  // The kinds' view files are back, back-side, front, front-side, side; by facing:
  constexpr int kFileOfFacing[kFacings] = {0, 1, 4, 3, 2, 3, 4, 1};
  int checked = 0;
  for (int kind = 1; kind <= kRobotKinds; ++kind) {
    const RobotKind& k = *FindRobotKind(kind);
    for (int facing = 0; facing < kFacings; ++facing) {
      const std::string name = k.Views[kFileOfFacing[facing]];
      auto picture = LoadBitmapByName(name);
      if (!picture) continue;
      ++checked;
      for (const auto& motion : Tables().Table(k.MotionIndex).Frames[facing]) {
        for (const MotionFrame& f : motion) {
          if (!IsListedFrame(f)) continue;
          EXPECT_LE(f.Right, picture->Width()) << name;
          EXPECT_LE(f.Bottom, picture->Height()) << name;
        }
      }
    }
  }
  if (checked == 0) GTEST_SKIP() << "no robot pictures in the working directory";
}

}  // namespace
}  // namespace zk
