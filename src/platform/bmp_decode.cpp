// BMP pictures: checked by us, decoded by SDL's loader, handed over as 32-bit surfaces.
#include <SDL.h>

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "media/bmp_check.h"
#include "media/media_files.h"
#include "platform/resources.h"
#include "platform/surface.h"

namespace zk {

namespace {

struct SdlSurfaceFree {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SdlSurfacePtr = std::unique_ptr<SDL_Surface, SdlSurfaceFree>;

// The largest file a picture of at most 4096 x 4096 at 32 bits with its headers can need.
constexpr size_t kMaxBmpFileBytes = static_cast<size_t>(kMaxBmpSide) * kMaxBmpSide * 4 + 64 * 1024;

}  // namespace

std::unique_ptr<Surface> DecodeBmp(const uint8_t* data, size_t size) {
  if (size > static_cast<size_t>(INT32_MAX)) return nullptr;
  BmpLayout layout;
  if (!CheckBmp(data, size, layout)) return nullptr;

  SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(size));
  if (rw == nullptr) return nullptr;
  SdlSurfacePtr loaded(SDL_LoadBMP_RW(rw, 1));
  if (!loaded || loaded->w != layout.Width || loaded->h != layout.Height) return nullptr;

  std::array<uint32_t, 256> palette{};
  if (const SDL_Palette* p = loaded->format->palette) {
    for (int i = 0; i < p->ncolors && i < 256; ++i) {
      const SDL_Color& c = p->colors[i];
      palette[static_cast<size_t>(i)] =
          (static_cast<uint32_t>(c.r) << 16) | (static_cast<uint32_t>(c.g) << 8) | c.b;
    }
  }
  SdlSurfacePtr rgb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB888, 0));
  if (!rgb) return nullptr;

  auto out = std::make_unique<Surface>(layout.Width, layout.Height);
  out->Palette = palette;
  if (SDL_LockSurface(rgb.get()) != 0) return nullptr;
  for (int32_t y = 0; y < layout.Height; ++y) {
    const auto* src = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(rgb->pixels) +
                                                        static_cast<size_t>(y) * rgb->pitch);
    uint32_t* dst = out->Row(y);
    for (int32_t x = 0; x < layout.Width; ++x) dst[x] = src[x] & 0x00FFFFFFu;
  }
  SDL_UnlockSurface(rgb.get());
  return out;
}

std::unique_ptr<Surface> LoadBitmapByName(std::string_view name) {
  if (name.empty()) return nullptr;
  const std::span<const uint8_t> resource = FindResource(name, ResourceType::Bitmap);
  if (!resource.empty()) return DecodeBmp(resource.data(), resource.size());

  // Else a file below the working directory; "\" separates folders as "/" does.
  std::vector<uint8_t> bytes;
  if (!ReadFileLimited(GamePath(name), kMaxBmpFileBytes, bytes)) return nullptr;
  return DecodeBmp(bytes.data(), bytes.size());
}

}  // namespace zk
