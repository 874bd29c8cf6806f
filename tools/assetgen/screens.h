// The screen pictures (others/*.bmp) and the compiled-in sheets.
#pragma once

#include <cstdint>

#include "image.h"

namespace zk::assetgen {

Image DrawTitle();                    // others/nr_start.bmp
Image DrawStartBar();                 // others/start_bar.bmp
Image DrawSelectCursor();             // others/select_cursor.bmp
Image DrawSelectBack();               // others/select_back.bmp
Image DrawSelectBar();                // others/select_bar.bmp
Image DrawNamePlates(int32_t image);  // others/nameplate1..4.bmp (image 1..4)
Image DrawSandDust();                 // others/sand_dust.bmp
Image DrawBeforeBack();               // others/before_back.bmp
Image DrawEnding(int32_t n);          // others/nr_end0..4.bmp
Image DrawFloorTile();                // "SABAKU"
Image DrawSelectMarks();              // "SELECT_MARKS"
Image DrawSelectMos();                // "SELECT_MOS"
Image DrawWeaponSheet();              // "WEAPON"

}  // namespace zk::assetgen
