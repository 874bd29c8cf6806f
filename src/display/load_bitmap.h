// Loading a bitmap into a new off-screen surface.
#pragma once

#include <memory>
#include <string_view>

#include "platform/platform.h"
#include "platform/surface.h"

namespace zk {

// The transparent colour of every picture the game draws with a colour key.
inline constexpr ColorRef kMagenta = Rgb(255, 0, 255);

// Loads the named bitmap (the program's bitmap resource of that name first, else the file below
// the working directory) into a new surface and hands its colour table to the display as the
// palette. Empty when the bitmap cannot be loaded or while the display is stopped (no device).
std::unique_ptr<Surface> LoadBitmapSurface(Display* draw_device, Surface* primary_surface,
                                           std::string_view name);

}  // namespace zk
