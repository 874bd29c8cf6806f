// The text of a fixed-size character field: up to its NUL byte, or the whole field when it holds
// none, never past its end.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace zk {

template <size_t N>
std::string_view FieldText(const char (&field)[N]) {
  const void* nul = std::memchr(field, '\0', N);
  return std::string_view(field,
                          nul ? static_cast<size_t>(static_cast<const char*>(nul) - field) : N);
}

}  // namespace zk
