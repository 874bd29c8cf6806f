// Files the game names: relative paths with "\" or "/" between folders, read with a size limit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zk {

// The game's name as a path below the working directory ("\" read as "/"); empty when the name
// is empty, absolute or climbs out with "..".
std::string GamePath(std::string_view name);

// Reads a whole regular file of at most `limit` bytes, opened without blocking; false when it
// cannot be read, is larger, or is not a regular file (a pipe, a device or a folder).
bool ReadFileLimited(const std::string& path, size_t limit, std::vector<uint8_t>& out);

}  // namespace zk
