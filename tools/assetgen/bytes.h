// Little- and big-endian byte writers for the file formats.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace zk::assetgen {

inline void PutLe16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void PutLe32(std::vector<uint8_t>& out, uint32_t v) {
  PutLe16(out, v & 0xFFFF);
  PutLe16(out, v >> 16);
}
inline void PutBe16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v >> 8));
  out.push_back(static_cast<uint8_t>(v));
}
inline void PutBe32(std::vector<uint8_t>& out, uint32_t v) {
  PutBe16(out, v >> 16);
  PutBe16(out, v & 0xFFFF);
}
inline void PutTag(std::vector<uint8_t>& out, std::string_view tag) {
  for (char c : tag) out.push_back(static_cast<uint8_t>(c));
}

}  // namespace zk::assetgen
