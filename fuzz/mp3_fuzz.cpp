// Fuzzes the MP3 check: any bytes give an answer, and bytes that hold music still do with more
// bytes after them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "media/mp3_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!zk::Mp3HoldsAudio(std::span<const uint8_t>(data, size))) return 0;
  std::vector<uint8_t> longer(data, data + size);
  longer.push_back(0);
  if (size < 48 || !zk::Mp3HoldsAudio(longer)) std::abort();
  return 0;
}
