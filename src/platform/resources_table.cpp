// The program's resources: a test's override table first, then the table compiled in.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/resources.h"

namespace zk {

namespace {

std::span<const ResourceEntry> g_override;

// Resource names compare without regard to ASCII case, as the system's resource lookup does.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) {
      return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::span<const uint8_t> Search(std::span<const ResourceEntry> table, std::string_view name,
                                ResourceType type) {
  for (const ResourceEntry& entry : table) {
    if (entry.Name != nullptr && entry.Type == type && SameName(entry.Name, name)) {
      return entry.Bytes;
    }
  }
  return {};
}

}  // namespace

std::span<const uint8_t> FindResource(std::string_view name, ResourceType type) {
  std::span<const uint8_t> bytes = Search(g_override, name, type);
  if (!bytes.empty()) return bytes;
  return Search(std::span<const ResourceEntry>(kCompiledResources, kCompiledResourceCount), name,
                type);
}

void SetResourceOverride(std::span<const ResourceEntry> entries) {
  g_override = entries;
}

}  // namespace zk
