// The start dialog: its defaults, keyboard and mouse, and that it draws its choices.
#include <gtest/gtest.h>

#include "platform/start_dialog.h"

namespace zk {
namespace {

constexpr int kTab = 0x09;

TEST(StartDialog, StartsOnTheFirstItemOfEveryGroup) {
  StartDialog d;
  EXPECT_EQ(d.Choices().Screen, 0);
  EXPECT_EQ(d.Choices().Music, 0);
  EXPECT_EQ(d.Choices().Survival, 0);
  EXPECT_EQ(d.Focus(), 0);
}

TEST(StartDialog, OpensWithTheChoicesOfTheCommandLine) {
  StartDialog d({1, 0, 1});
  EXPECT_EQ(d.Choices().Screen, 1);
  EXPECT_EQ(d.Choices().Music, 0);
  EXPECT_EQ(d.Choices().Survival, 1);
  StartDialog odd({7, -1, 0});  // only the two items exist
  EXPECT_EQ(odd.Choices().Screen, 0);
  EXPECT_EQ(odd.Choices().Music, 0);
}

TEST(StartDialog, KeyboardChoosesAndStarts) {
  StartDialog d;
  EXPECT_FALSE(d.KeyDown(vk::kDown, false));  // window mode
  EXPECT_FALSE(d.KeyDown(kTab, false));
  EXPECT_FALSE(d.KeyDown(vk::kRight, false));  // MP3
  EXPECT_FALSE(d.KeyDown(vk::kLeft, false));   // back to MIDI
  EXPECT_FALSE(d.KeyDown(vk::kUp, false));     // round to MP3
  EXPECT_FALSE(d.KeyDown(kTab, false));
  EXPECT_FALSE(d.KeyDown(vk::kSpace, false));  // Space on a group does nothing
  EXPECT_EQ(d.Choices().Survival, 0);
  EXPECT_FALSE(d.KeyDown(kTab, false));
  EXPECT_EQ(d.Focus(), 3);
  EXPECT_FALSE(d.KeyDown(vk::kDown, false));  // arrows on the button change nothing
  EXPECT_EQ(d.Choices().Screen, 1);
  EXPECT_EQ(d.Choices().Music, 1);
  EXPECT_EQ(d.Choices().Survival, 0);
  EXPECT_TRUE(d.KeyDown(vk::kSpace, false));
  EXPECT_FALSE(d.KeyDown(kTab, true));  // Shift+Tab goes back
  EXPECT_EQ(d.Focus(), 2);
  EXPECT_FALSE(d.KeyDown(kTab, false));
  EXPECT_FALSE(d.KeyDown(kTab, false));
  EXPECT_EQ(d.Focus(), 0);
  EXPECT_TRUE(d.KeyDown(vk::kReturn, false));
  EXPECT_FALSE(d.KeyDown(vk::kEscape, false));
}

TEST(StartDialog, MouseChoosesItemsAndPressesStartOnRelease) {
  StartDialog d;
  d.MouseDown(30, 290);  // "Hard    (Ammo Supply not exists)"
  EXPECT_EQ(d.Choices().Survival, 1);
  EXPECT_EQ(d.Focus(), 2);
  d.MouseDown(30, 80);  // "WindowMode"
  EXPECT_EQ(d.Choices().Screen, 1);
  EXPECT_FALSE(d.MouseUp(30, 80));
  d.MouseDown(30, 140);  // "MIDI Music" again
  EXPECT_EQ(d.Choices().Music, 0);
  d.MouseDown(100, 320);  // on "start", released elsewhere: nothing
  EXPECT_EQ(d.Focus(), 3);
  EXPECT_FALSE(d.MouseUp(10, 10));
  d.MouseDown(100, 320);
  EXPECT_TRUE(d.MouseUp(150, 330));
  d.MouseDown(5, 5);  // the dialog's margin: nothing
  EXPECT_EQ(d.Choices().Screen, 1);
}

TEST(StartDialog, DrawsTheChosenItems) {
  StartDialog d;
  Surface a(kDialogWidth, kDialogHeight), b(kDialogWidth, kDialogHeight);
  d.Draw(a);
  d.KeyDown(vk::kDown, false);
  d.Draw(b);
  int differ = 0;
  for (int32_t y = 0; y < kDialogHeight; ++y) {
    for (int32_t x = 0; x < kDialogWidth; ++x) differ += a.Pixel(x, y) != b.Pixel(x, y);
  }
  // The dot moved from the first item to the second: a few pixels only, all in the first group.
  EXPECT_GT(differ, 10);
  EXPECT_LT(differ, 400);
  for (int32_t y = 100; y < kDialogHeight; ++y) {
    for (int32_t x = 0; x < kDialogWidth; ++x) ASSERT_EQ(a.Pixel(x, y), b.Pixel(x, y));
  }
}

}  // namespace
}  // namespace zk
