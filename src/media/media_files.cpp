// Paths and bounded file reads for the loaders of pictures, MIDI and MP3 files.
#include "media/media_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

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

bool ReadFileLimited(const std::string& path, size_t limit, std::vector<uint8_t>& out) {
  out.clear();
  if (path.empty()) return false;
  // Without blocking: a pipe or a device in the file's place must not stop the game.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return false;
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
  if (static_cast<uintmax_t>(info.st_size) > limit) return false;
  out.reserve(static_cast<size_t>(info.st_size));
  std::vector<uint8_t> chunk(64 * 1024);
  while (true) {
    const ssize_t got = ::read(fd, chunk.data(), chunk.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    const auto count = static_cast<size_t>(got);
    if (count > limit - out.size()) return false;
    out.insert(out.end(), chunk.begin(), chunk.begin() + got);
  }
}

}  // namespace zk
