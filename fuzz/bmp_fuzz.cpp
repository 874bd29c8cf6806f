// Fuzzes the picture path: any bytes either decode to a checked picture or give none.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/surface.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::unique_ptr<zk::Surface> picture = zk::DecodeBmp(data, size);
  if (picture) {
    if (picture->Width() < 1 || picture->Width() > 4096 || picture->Height() < 1 ||
        picture->Height() > 4096) {
      std::abort();
    }
    // Touch every pixel so a short pixel buffer shows up.
    uint32_t sum = 0;
    for (int32_t y = 0; y < picture->Height(); ++y) {
      const uint32_t* row = picture->Row(y);
      for (int32_t x = 0; x < picture->Width(); ++x) sum ^= row[x];
    }
    if ((sum & 0xFF000000u) != 0) std::abort();  // pixels are 0x00RRGGBB
  }
  return 0;
}
