// The display's start and stop, and loading pictures into surfaces and picture slots.
#include <memory>
#include <string_view>

#include "core/failure_texts.h"
#include "display/load_bitmap.h"
#include "shell/form.h"

namespace zk {

namespace {
constexpr int32_t kBackWidth = 800, kBackHeight = 600;
}  // namespace

std::unique_ptr<Surface> LoadBitmapSurface(Display* draw_device, Surface* primary_surface,
                                           std::string_view name) {
  if (draw_device == nullptr) return nullptr;
  std::unique_ptr<Surface> picture = LoadBitmapByName(name);
  if (!picture) return nullptr;
  // The palette a bitmap hands to the primary surface (kept for fidelity: drawing is in RGB).
  if (primary_surface != nullptr) primary_surface->Palette = picture->Palette;
  return picture;
}

bool TForm1::LoadPictureSlot(std::unique_ptr<Surface>& slot, std::string_view name) {
  slot.reset();
  slot = LoadBitmapSurface(DrawDevice.get(), PrimarySurface, name);
  if (!slot) return false;
  slot->SetColorKey(ColorMatch(slot.get(), kMagenta));
  return true;
}

bool TForm1::LoadPictureSlot(std::unique_ptr<Surface>& slot, std::string_view name, uint32_t key) {
  if (!LoadPictureSlot(slot, name)) return false;
  slot->SetColorKey(key);
  return true;
}

// The title pictures are loaded once here, as the title entry loads them again: the title
// picture and the menu bar, the bar keyed with the title picture's magenta.
void TForm1::StartDX() {
  DrawDevice = Host.OpenDisplay(WindowMode == 1);
  if (!DrawDevice) {
    CloseOnFailure(kDisplayFailure);
    return;
  }
  PrimarySurface = &DrawDevice->Primary();
  BackSurface = std::make_unique<Surface>(kBackWidth, kBackHeight);
  if (!LoadPictureSlot(SheetSurfaceA, "others/nr_start.bmp")) {
    CloseOnFailure(PictureFailure("others/nr_start.bmp"));
    return;
  }
  if (!LoadPictureSlot(SheetSurfaceB, "others/start_bar.bmp", SheetSurfaceA->ColorKey())) {
    CloseOnFailure(PictureFailure("others/start_bar.bmp"));
    return;
  }
}

void TForm1::EndDX() {
  SheetSurfaceA.reset();
  SheetSurfaceB.reset();
  DustSurface.reset();
  BackdropSurface.reset();
  for (auto& player : ViewSurfaces) {
    for (auto& view : player) view.reset();
  }
  BackSurface.reset();
  PrimarySurface = nullptr;
  DrawDevice.reset();
}

}  // namespace zk
