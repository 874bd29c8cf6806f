// Fixed-size character fields: reading their text and writing a text into them.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace zk {

// The text of a field: up to its NUL byte, or the whole field when it holds none, never past its
// end.
template <size_t N>
std::string_view FieldText(const char (&field)[N]) {
  const void* nul = std::memchr(field, '\0', N);
  return std::string_view(field,
                          nul ? static_cast<size_t>(static_cast<const char*>(nul) - field) : N);
}

// Writes a text into a field: at most the field's size, the rest of the field zeroed.
template <size_t N>
void SetFieldText(char (&field)[N], std::string_view text) {
  std::fill(std::copy_n(text.begin(), std::min(text.size(), N), field), field + N, '\0');
}

// The same, cut one byte shorter so that the field always ends with a NUL byte.
template <size_t N>
void SetTerminatedText(char (&field)[N], std::string_view text) {
  SetFieldText(field, text.substr(0, N - 1));
}

}  // namespace zk
