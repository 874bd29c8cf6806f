// Test names for parameterised cases from their descriptions.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace zk::test_support {

// A description as a test name: its letters and digits, each word capitalised and run together
// ("guard broken" -> "GuardBroken", "Ridezazo (both)" -> "RidezazoBoth").
inline std::string CaseName(const char* description) {
  std::string name;
  bool upper = true;
  for (const char* p = description; *p; ++p) {
    const auto c = static_cast<unsigned char>(*p);
    if (std::isalnum(c)) {
      name += upper ? static_cast<char>(std::toupper(c)) : static_cast<char>(c);
      upper = false;
    } else {
      upper = true;
    }
  }
  return name;
}

// A parameter's `what` field as its test name, for INSTANTIATE_TEST_SUITE_P.
struct NameFromWhat {
  template <typename Param>
  std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
    return CaseName(info.param.what);
  }
};

}  // namespace zk::test_support
