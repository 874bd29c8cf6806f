// Paths and bounded file reads for the loaders of pictures, MIDI and MP3 files.
#include "media/media_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace zk {

std::string GamePath(std::string_view name) {
  std::string path(name);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  if (path.empty() || path.front() == '/') return {};
  size_t start = 0;
  while (start <= path.size()) {
    size_t slash = path.find('/', start);
    if (slash == std::string::npos) slash = path.size();
    if (path.compare(start, slash - start, "..") == 0) return {};
    start = slash + 1;
  }
  return path;
}

int OpenRegularFile(const std::string& path, FileFailure& why) {
  why = FileFailure::None;
  // Without blocking: a pipe or a device in the file's place must not stop the game.
  const int fd =
      path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    why = path.empty() || errno == ENOENT || errno == ENOTDIR ? FileFailure::Missing
          : errno == EACCES || errno == EPERM                 ? FileFailure::NoPermission
                                                              : FileFailure::ReadError;
    return -1;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    why = S_ISDIR(info.st_mode) ? FileFailure::Folder : FileFailure::NotRegular;
    ::close(fd);
    return -1;
  }
  return fd;
}

FileFailure ReadLimitedFile(const std::string& path, size_t limit, std::vector<uint8_t>& out) {
  out.clear();
  FileFailure why = FileFailure::None;
  const int fd = OpenRegularFile(path, why);
  if (fd < 0) return why;
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  struct stat info {};
  if (::fstat(fd, &info) != 0) return FileFailure::ReadError;
  if (static_cast<uintmax_t>(info.st_size) > limit) return FileFailure::TooLarge;
  out.reserve(static_cast<size_t>(info.st_size));
  std::vector<uint8_t> chunk(64 * 1024);
  while (true) {
    const ssize_t got = ::read(fd, chunk.data(), chunk.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return FileFailure::ReadError;
    if (got == 0) return FileFailure::None;
    const auto count = static_cast<size_t>(got);
    if (count > limit - out.size()) return FileFailure::TooLarge;  // it grew while read
    out.insert(out.end(), chunk.begin(), chunk.begin() + got);
  }
}

bool ReadFileLimited(const std::string& path, size_t limit, std::vector<uint8_t>& out) {
  return ReadLimitedFile(path, limit, out) == FileFailure::None;
}

std::string FileFailureText(FileFailure why, size_t limit) {
  switch (why) {
    case FileFailure::None:
      return "it can be read";
    case FileFailure::Missing:
      return "it does not exist";
    case FileFailure::Folder:
      return "it is a folder";
    case FileFailure::NotRegular:
      return "it is not a regular file";
    case FileFailure::NoPermission:
      return "no permission to read it";
    case FileFailure::TooLarge:
      return limit % (1024 * 1024) == 0
                 ? "it is larger than " + std::to_string(limit / (1024 * 1024)) + " MiB"
                 : "it is larger than " + std::to_string(limit) + " bytes";
    case FileFailure::ReadError:
      break;
  }
  return "it could not be read (a read error)";
}

std::string WorkingDirectoryNote() {
  std::error_code ec;
  return " (working directory \"" + std::filesystem::current_path(ec).string() + "\")";
}

}  // namespace zk
