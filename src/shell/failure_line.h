// The line on standard error that names a failure and the working directory, where the game
// looks for its files.
#pragma once

#include <string>
#include <string_view>

#include "media/media_files.h"

namespace zk {

inline std::string FailureLine(std::string_view what) {
  return "zerkhaldun: " + std::string(what) + WorkingDirectoryNote();
}

}  // namespace zk
