// Paths and bounded file reads for the loaders of pictures, MIDI and MP3 files.
#include "platform/media_files.h"

#include <cstdio>
#include <memory>

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
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> f(std::fopen(path.c_str(), "rb"));
  if (!f) return false;
  std::vector<uint8_t> chunk(64 * 1024);
  while (true) {
    const size_t got = std::fread(chunk.data(), 1, chunk.size(), f.get());
    if (got > limit - out.size()) return false;
    out.insert(out.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(got));
    if (got < chunk.size()) return std::ferror(f.get()) == 0;
  }
}

}  // namespace zk
