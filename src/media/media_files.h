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

// Why a file could not be read.
enum class FileFailure { None, Missing, Folder, NotRegular, NoPermission, TooLarge, ReadError };

// Reads a whole regular file of at most `limit` bytes, opened without blocking; says why it
// could not: missing, a folder or another file that is not a regular one (a pipe, a device), no
// permission, larger than `limit`, or a read error.
FileFailure ReadLimitedFile(const std::string& path, size_t limit, std::vector<uint8_t>& out);
// The same, true when the file was read.
bool ReadFileLimited(const std::string& path, size_t limit, std::vector<uint8_t>& out);
// Opens a regular file for reading without blocking: the descriptor, or -1 with `why` set.
int OpenRegularFile(const std::string& path, FileFailure& why);

// The reason in words, e.g. "it does not exist" or "it is larger than 64 MiB" (`limit` in
// bytes).
std::string FileFailureText(FileFailure why, size_t limit = 0);

// How the failure lines end: ` (working directory "DIR")`, where the game looks for its files.
std::string WorkingDirectoryNote();

}  // namespace zk
