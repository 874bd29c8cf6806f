// The line on standard error that names a failure and the working directory, where the game
// looks for its files.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace zk {

inline std::string FailureLine(std::string_view what) {
  std::error_code ec;
  const std::string dir = std::filesystem::current_path(ec).string();
  return "zerkhaldun: " + std::string(what) + " (working directory \"" + dir + "\")";
}

}  // namespace zk
