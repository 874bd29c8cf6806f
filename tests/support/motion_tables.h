// The kinds' motion tables as the start button fills them, and what makes a frame a listed one.
#pragma once

#include <cstdint>
#include <memory>

#include "characters/motion_table.h"
#include "platform/platform.h"
#include "shell/form.h"

namespace zk::test_support {

// Fills the eleven kinds' tables (MotionTables[2] to [12]) in the start button's order.
inline void FillKindMotionTables(TForm1& form) {
  form.DefaultTB_Motion();
  form.DefaultST_Motion();
  form.DefaultHB_Motion();
  form.DefaultFD_Motion();
  form.DefaultFM_Motion();
  form.DefaultBB_Motion();
  form.DefaultSC_Motion();
  form.DefaultPP_Motion();
  form.DefaultDF_Motion();
  form.DefaultLT_Motion();
  form.DefaultLV_Motion();
}

// A form on the headless platform with the kinds' motion tables filled.
struct FormWithMotionTables {
  std::unique_ptr<Platform> platform = MakeHeadlessPlatform();
  std::unique_ptr<TForm1> form = std::make_unique<TForm1>(*platform);
  FormWithMotionTables() { FillKindMotionTables(*form); }
  const MotionTable& Table(int index) const { return form->MotionTables[index]; }
};

// A listed frame has a source rectangle; every frame the lists leave out has none.
inline bool IsListedFrame(const MotionFrame& f) {
  return f.Right > f.Left && f.Bottom > f.Top;
}

// A kind's motion table: its entry of TForm1::MotionTables and the number of listed frames of its
// motion rows 0 to 6, the same in every facing (rows 7 to 9 list none).
struct KindFrames {
  const char* Name;
  int Index;
  int32_t Count[7];
};

inline constexpr KindFrames kRidezazoFrames = {"Ridezazo", kMotionLT, {2, 5, 5, 1, 0, 1, 1}};
inline constexpr KindFrames kLizardFrames = {"Lizard", kMotionLV, {1, 5, 9, 3, 0, 1, 1}};
inline constexpr KindFrames kDuvuZiradaFrames = {"DuvuZirada", kMotionPP, {1, 4, 4, 5, 5, 1, 1}};
inline constexpr KindFrames kDozFrames = {"D.O.Z.", kMotionFM, {1, 3, 10, 6, 5, 1, 1}};
inline constexpr KindFrames kRiziVovFrames = {"RiziVov", kMotionBB, {1, 3, 3, 1, 0, 1, 1}};
inline constexpr KindFrames kVedoZadFrames = {"VedoZad", kMotionFD, {1, 4, 7, 3, 0, 1, 1}};
inline constexpr KindFrames kRoDaFrames = {"Ro-da", kMotionDF, {1, 3, 3, 4, 0, 1, 1}};
inline constexpr KindFrames kZuzodEvozFrames = {"ZuzodEvoz", kMotionHB, {1, 3, 5, 5, 5, 1, 1}};
inline constexpr KindFrames kV2AFrames = {"V-2-A", kMotionST, {1, 5, 5, 4, 0, 1, 1}};
inline constexpr KindFrames kZizoruVuzevFrames = {"ZizoruVuzev", kMotionTB, {1, 4, 5, 4, 5, 1, 1}};
inline constexpr KindFrames kZeviruraRFrames = {"ZeviruraR", kMotionSC, {1, 3, 2, 1, 0, 1, 1}};

}  // namespace zk::test_support
