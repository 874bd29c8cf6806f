// Our drawing of the robot kinds: one figure per sprite frame, turned to the view's facing.
#pragma once

#include <cstdint>

#include "image.h"
#include "robot_kinds.h"

namespace zk::assetgen {

// Draws kind (1..11) as seen in the view, in the pose of motion row (0 idle, 1-4 firing weapon
// 1-4, 5 guard, 6 hit) and frame, filling the cell; the cell's background is left transparent.
void DrawRobot(Image& img, const RectI& cell, int32_t kindNumber, View view, int32_t motion,
               int32_t frame);

// The same figure with a free heading (radians, 0 up, clockwise), for portraits and pictures.
void DrawRobotHeading(Image& img, const RectI& cell, int32_t kindNumber, double heading,
                      bool faceVisible, int32_t motion, int32_t frame);

// A whole view picture of a kind: transparent, with every listed frame drawn in its cell.
Image DrawViewPicture(int32_t kindNumber, View view);

// The kind's main colour (also used on cards and plates).
Rgb8 KindColour(int32_t kindNumber);

}  // namespace zk::assetgen
