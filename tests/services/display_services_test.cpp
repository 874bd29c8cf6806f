// The form's display services: start and stop, pictures into slots, the floor grid and the
// select screen's catalogue.
#include <random>
#include <string>
#include <vector>

#include "display/load_bitmap.h"
#include "services/services_fixture.h"

namespace zk {
namespace {

using test::BmpSpec;
using test::BuildBmp;
using test::ServicesTest;

// A 2 x 1 picture of magenta and a colour, with a colour table.
std::vector<uint8_t> KeyedPicture(uint32_t colour) {
  BmpSpec s;
  s.Width = 2;
  s.Height = 1;
  s.Bits = 8;
  s.Palette = {0xFF00FF, colour};
  s.Pixels = {0, 1, 0, 0};
  return BuildBmp(s);
}

const std::vector<uint8_t> kTitle = KeyedPicture(0x112233);
const std::vector<uint8_t> kBar = KeyedPicture(0x445566);
const std::vector<uint8_t> kBroken = {'B', 'M', 0, 0};

class DisplayServices : public ServicesTest {
 protected:
  void TitlePictures(const std::vector<uint8_t>& title) {
    Resources({{"others/nr_start.bmp", ResourceType::Bitmap, title},
               {"others/start_bar.bmp", ResourceType::Bitmap, kBar}});
  }
};

TEST_F(DisplayServices, StartDXMakesTheSurfacesAndLoadsTheTitlePicturesKeyed) {
  TitlePictures(kTitle);
  form_.StartDX();
  ASSERT_FALSE(host_.Closed());
  ASSERT_TRUE(form_.DrawDevice);
  EXPECT_EQ(form_.PrimarySurface, &form_.DrawDevice->Primary());
  ASSERT_TRUE(form_.BackSurface);
  EXPECT_EQ(form_.BackSurface->Width(), 800);
  EXPECT_EQ(form_.BackSurface->Height(), 600);
  ASSERT_TRUE(form_.SheetSurfaceA);
  ASSERT_TRUE(form_.SheetSurfaceB);
  EXPECT_TRUE(form_.SheetSurfaceA->HasColorKey());
  EXPECT_EQ(form_.SheetSurfaceA->ColorKey(), ColorMatch(form_.SheetSurfaceA.get(), 0xFF00FF));
  EXPECT_EQ(form_.SheetSurfaceB->ColorKey(), form_.SheetSurfaceA->ColorKey());
  // The last picture loaded gave the display its colour table.
  EXPECT_EQ(form_.PrimarySurface->Palette[1], 0x445566u);
}

TEST_F(DisplayServices, StartDXClosesTheFormWhenATitlePictureFails) {
  const test::ScratchDirectory no_files;  // nor a file to fall back on
  TitlePictures(kBroken);
  form_.StartDX();
  EXPECT_TRUE(host_.Closed());
  EXPECT_FALSE(form_.SheetSurfaceA);
}

TEST_F(DisplayServices, EndDXReleasesEverythingOnceAndStopsLoading) {
  TitlePictures(kTitle);
  form_.StartDX();
  ASSERT_TRUE(form_.LoadPictureSlot(form_.ViewSurfaces[1][4], "others/start_bar.bmp"));
  form_.EndDX();
  form_.EndDX();
  EXPECT_FALSE(form_.DrawDevice);
  EXPECT_EQ(form_.PrimarySurface, nullptr);
  EXPECT_FALSE(form_.BackSurface);
  EXPECT_FALSE(form_.SheetSurfaceA);
  EXPECT_FALSE(form_.ViewSurfaces[1][4]);
  EXPECT_FALSE(
      LoadBitmapSurface(form_.DrawDevice.get(), form_.PrimarySurface, "others/start_bar.bmp"));
  EXPECT_FALSE(form_.LoadPictureSlot(form_.DustSurface, "others/start_bar.bmp"));
}

TEST_F(DisplayServices, LoadingASlotReleasesItsOldPictureFirst) {
  TitlePictures(kTitle);
  form_.StartDX();
  ASSERT_TRUE(form_.SheetSurfaceA);
  EXPECT_FALSE(form_.LoadPictureSlot(form_.SheetSurfaceA, "others/none.bmp"));
  EXPECT_FALSE(form_.SheetSurfaceA);
  ASSERT_TRUE(form_.LoadPictureSlot(form_.SheetSurfaceA, "others/nr_start.bmp", 0x123456));
  EXPECT_EQ(form_.SheetSurfaceA->ColorKey(), 0x123456u);
}

// The floor's tiles are 200 pixels apart in a grid whose tile [1][1] stays within -200..0.
void ExpectWholeGrid(const TForm1& f) {
  for (int i = 0; i < 8; ++i) {
    for (int j = 0; j < 7; ++j) {
      ASSERT_EQ(f.FloorTiles[i][j].x, f.FloorTiles[0][0].x + 200 * i) << i << "," << j;
      ASSERT_EQ(f.FloorTiles[i][j].y, f.FloorTiles[0][0].y + 200 * j) << i << "," << j;
    }
  }
}

void LayFloor(TForm1& f) {
  for (int i = 0; i < 8; ++i) {
    for (int j = 0; j < 7; ++j) f.FloorTiles[i][j] = {200 * i - 300, 200 * j - 300};
  }
}

TEST_F(DisplayServices, BackMoveShiftsTheGridOnlyWhenTileOneOneLeavesItsRange) {
  struct Case {
    int32_t Dx, Dy;
    int32_t X11, Y11;  // tile [1][1] afterwards
  };
  const Case cases[] = {
      {0, 0, -100, -100},     {100, 0, 0, -100},      {101, 0, -199, -100}, {-100, 0, -200, -100},
      {-101, 0, -1, -100},    {0, 100, -100, 0},      {0, 101, -100, -199}, {0, -101, -100, -1},
      {150, -150, -150, -50}, {-130, 170, -30, -130},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.Dx) + "," + std::to_string(c.Dy));
    LayFloor(form_);
    form_.BackMove(c.Dx, c.Dy);
    EXPECT_EQ(form_.FloorTiles[1][1].x, c.X11);
    EXPECT_EQ(form_.FloorTiles[1][1].y, c.Y11);
    ExpectWholeGrid(form_);
  }
}

TEST_F(DisplayServices, FloorKeepsCoveringTheScreenThroughALongScroll) {
  LayFloor(form_);
  std::mt19937 random(7);
  std::uniform_int_distribution<int32_t> step(-40, 40);
  for (int n = 0; n < 5000; ++n) {
    form_.BackMove(step(random), step(random));
    ExpectWholeGrid(form_);
    ASSERT_GE(form_.FloorTiles[1][1].x, -200);
    ASSERT_LE(form_.FloorTiles[1][1].x, 0);
    ASSERT_GE(form_.FloorTiles[1][1].y, -200);
    ASSERT_LE(form_.FloorTiles[1][1].y, 0);
  }
}

TEST_F(DisplayServices, NamePlatesAndRobotCards) {
  form_.SetNamePlate(4, 8, 0, 260, 0);
  EXPECT_EQ(form_.NamePlates[8][0].Image, 4);
  EXPECT_EQ(form_.NamePlates[8][0].Source.Left, 260);
  EXPECT_EQ(form_.NamePlates[8][0].Source.Right, 519);
  EXPECT_EQ(form_.NamePlates[8][0].Source.Bottom, 279);
  form_.SetNamePlate(1, 11, 0, 0, 0);  // no such kind: nothing is written
  form_.SetNamePlate(1, 0, 3, 0, 0);

  form_.DDIN();
  for (int i = 0; i < 11; ++i) {
    const RobotCard& card = form_.RobotCards[i];
    EXPECT_EQ(card.Source.Width(), card.Dest.Width());
    EXPECT_EQ(card.Source.Height(), card.Dest.Height());
    EXPECT_GE(card.Dest.Top, 0);
    EXPECT_LE(card.Dest.Bottom, 600);
    EXPECT_LE(card.Dest.Right, 800);
    if (i > 0) {
      EXPECT_GE(card.Dest.Top, form_.RobotCards[i - 1].Dest.Bottom);
      EXPECT_EQ(card.Source.Top, form_.RobotCards[i - 1].Source.Bottom);
    }
  }
}

// The default pack's card sheet holds all eleven cards.
TEST_F(DisplayServices, CardSheetOfThePackHoldsEveryCard) {
  auto sheet = LoadBitmapByName("SELECT_MARKS");
  if (!sheet) GTEST_SKIP() << "no asset pack here";
  form_.DDIN();
  EXPECT_GE(sheet->Width(), form_.RobotCards[10].Source.Right);
  EXPECT_GE(sheet->Height(), form_.RobotCards[10].Source.Bottom);
}

}  // namespace
}  // namespace zk
