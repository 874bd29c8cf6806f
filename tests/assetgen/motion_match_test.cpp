// The pictures' cells agree with the game's own motion tables, frame for frame.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "robot_kinds.h"
#include "shell/form.h"
#include "support/motion_tables.h"

namespace zk::assetgen {
namespace {

using Cell = std::tuple<int32_t, int32_t, int32_t, int32_t, int32_t, int32_t>;

View ViewOfFacing(int32_t facing) {
  static constexpr View kViewOf[8] = {View::Back,  View::BackSide,  View::Side, View::FrontSide,
                                      View::Front, View::FrontSide, View::Side, View::BackSide};
  return kViewOf[facing];
}

TEST(MotionMatch, EveryTableFrameIsACellOfItsViewPicture) {
  const test_support::FormWithMotionTables tables;
  // The table of each kind 1..11 among the form's thirteen.
  static constexpr int kTableOfKind[12] = {0, 11, 12, 9, 6, 7, 5, 10, 4, 3, 2, 8};
  for (const KindInfo& kind : Kinds()) {
    const MotionTable& table = tables.Table(kTableOfKind[kind.Number]);
    for (int32_t facing = 0; facing < kFacings; ++facing) {
      const View v = ViewOfFacing(facing);
      std::set<Cell> fromTable, fromPicture;
      for (int32_t m = 0; m < kMotionRows; ++m)
        for (int32_t f = 0; f < kMotionFrames; ++f) {
          const MotionFrame& x = table.Frames[facing][m][f];
          if (test_support::IsListedFrame(x))
            fromTable.insert({m, f, x.Left, x.Top, x.Right, x.Bottom});
        }
      for (const ViewFrame& x : ViewFrames(kind.Number, v))
        fromPicture.insert(
            {x.Motion, x.Frame, x.Source.Left, x.Source.Top, x.Source.Right, x.Source.Bottom});
      EXPECT_EQ(fromTable, fromPicture) << kind.Name << " facing " << facing;
    }
  }
}

}  // namespace
}  // namespace zk::assetgen
