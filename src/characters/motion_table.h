// Sprite frames by facing, motion row and frame.
#pragma once

#include <cstdint>

namespace zk {

struct MotionFrame {
  int32_t Left;
  int32_t Top;
  int32_t Right;   // exclusive
  int32_t Bottom;  // exclusive
  int32_t HalfWidth;
  int32_t HalfHeight;
};

inline constexpr int kFacings = 8;
inline constexpr int kMotionRows = 10;
inline constexpr int kMotionFrames = 16;

struct MotionTable {
  MotionFrame Frames[kFacings][kMotionRows][kMotionFrames];
};

// Entries of TForm1::MotionTables: 0 and 1 are the players' current tables, 2 to 12 the kinds'.
inline constexpr int kMotionTB = 2;   // ZizoruVuzev
inline constexpr int kMotionST = 3;   // V-2-A
inline constexpr int kMotionHB = 4;   // ZuzodEvoz
inline constexpr int kMotionFD = 5;   // VedoZad
inline constexpr int kMotionFM = 6;   // D.O.Z.
inline constexpr int kMotionBB = 7;   // RiziVov
inline constexpr int kMotionSC = 8;   // ZeviruraR
inline constexpr int kMotionPP = 9;   // DuvuZirada
inline constexpr int kMotionDF = 10;  // Ro-da
inline constexpr int kMotionLT = 11;  // Ridezazo
inline constexpr int kMotionLV = 12;  // Lizard

// The view bitmap a facing is drawn from: 0 front, 1 back, 2 front-side, 3 back-side, 4 side
// (the order of a player's view slots); facings 5 to 7 mirror 3 to 1.
inline constexpr int kViewFront = 0;
inline constexpr int kViewBack = 1;
inline constexpr int kViewFrontSide = 2;
inline constexpr int kViewBackSide = 3;
inline constexpr int kViewSide = 4;
inline constexpr int kViewOfFacing[kFacings] = {kViewBack,      kViewBackSide, kViewSide,
                                                kViewFrontSide, kViewFront,    kViewFrontSide,
                                                kViewSide,      kViewBackSide};

}  // namespace zk
