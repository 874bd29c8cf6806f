// Fuzzes the soundfont cutter: the body of a preset data list either is refused or gives a list
// whose own body is cut again without a refusal (every kept link names a kept record).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "media/sf2_subset.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zk::SoundFontPrograms all;
  all.Melodic.set();
  all.Drums.set();
  const auto list = zk::SubsetPresetData(std::span<const uint8_t>(data, size), all);
  if (!list) return 0;
  if (list->size() < 12 || !zk::SubsetPresetData(std::span(*list).subspan(12), all)) std::abort();
  return 0;
}
