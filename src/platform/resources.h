// Resources compiled into the executable: bitmaps and WAVE sounds by name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace zk {

enum class ResourceType { Bitmap, Wave };

struct ResourceEntry;

// The table compiled into the program (written by tools/assetgen at build time).
extern const ResourceEntry kCompiledResources[];
extern const size_t kCompiledResourceCount;

// The bytes of a named resource, or an empty span when the program has none of that name.
std::span<const uint8_t> FindResource(std::string_view name, ResourceType type);

// Tests may put a table of their own in front of the compiled-in one (an empty span removes it).
struct ResourceEntry {
  const char* Name;
  ResourceType Type;
  std::span<const uint8_t> Bytes;
};
void SetResourceOverride(std::span<const ResourceEntry> entries);

}  // namespace zk
