// The score file on disk: the game's open-and-read, and a write that never leaves a broken table.
#include "shell/score_file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <utility>

namespace zk {

namespace {

// A file descriptor closed when it goes out of scope.
class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() { Close(); }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  Fd& operator=(Fd&& other) noexcept {
    if (this != &other) {
      Close();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  int Get() const { return fd_; }
  bool Valid() const { return fd_ >= 0; }
  bool Close() {
    if (fd_ < 0) return true;
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc == 0;
  }

 private:
  int fd_;
};

bool WriteAllAt(int fd, const uint8_t* data, size_t size, off_t at) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pwrite(fd, data + done, size - done, at + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// Copies everything of `from` after `start` to the same place in `to`.
bool CopyTail(int from, int to, off_t start) {
  std::array<uint8_t, 64 * 1024> chunk{};
  for (off_t at = start;;) {
    const ssize_t n = ::pread(from, chunk.data(), chunk.size(), at);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    if (!WriteAllAt(to, chunk.data(), static_cast<size_t>(n), at)) return false;
    at += n;
  }
}

// The game's open for writing, without emptying: the table goes over the first bytes.
bool WriteInPlace(Fd& file, std::span<const uint8_t> image) {
  const bool ok = WriteAllAt(file.Get(), image.data(), image.size(), 0) && ::fsync(file.Get()) == 0;
  return file.Close() && ok;
}

// Where a chain of symbolic links at `path` leads (the path itself when it is no link). A link to
// a missing file leads to that file, which the write then creates.
std::filesystem::path ResolveLinks(std::filesystem::path path) {
  namespace fs = std::filesystem;
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(path, ec))) break;
    const fs::path to = fs::read_symlink(path, ec);
    if (ec) break;
    path = to.is_absolute() ? to : path.parent_path() / to;
  }
  return path;
}

// Makes a finished rename last across a crash.
void SyncFolderOf(const std::filesystem::path& file) {
  std::filesystem::path dir = file.parent_path();
  if (dir.empty()) dir = ".";
  Fd folder(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.Valid()) ::fsync(folder.Get());
}

// Gives the temporary `out` (at `temp`) the owner and mode of `st`, fills it by `fill(fd)`, and
// once it is on disk puts it in place of `target`; a failed step removes the temporary.
template <typename Fill>
bool ReplaceFromTemporary(Fd& out, const struct stat& st, const std::string& temp,
                          const std::string& target, Fill fill) {
  // Owner and group as far as the system lets us, then the mode (a change of owner can clear it).
  if (::fchown(out.Get(), st.st_uid, st.st_gid) != 0) ::fchown(out.Get(), -1, st.st_gid);
  bool ok = ::fchmod(out.Get(), st.st_mode & 07777) == 0;
  ok = ok && fill(out.Get()) && ::fsync(out.Get()) == 0;
  ok = out.Close() && ok;
  ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  SyncFolderOf(target);
  return true;
}

}  // namespace

int ScoreFileOps::Open(const std::string& path, int flags, mode_t mode) const {
  return ::open(path.c_str(), flags, mode);
}

ssize_t ScoreFileOps::Read(int fd, void* data, size_t size) const {
  return ::read(fd, data, size);
}

int ScoreFileOps::CreateTemporary(const std::string& path, mode_t mode) const {
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
}

const ScoreFileOps& SystemScoreFileOps() {
  static const ScoreFileOps ops;
  return ops;
}

std::string ScoreTemporaryName(const std::string& target) {
  return target + ".tmp";
}

ScoreRead ReadScoreImage(const ScoreFileOps& ops, const std::string& path, std::span<uint8_t> image,
                         size_t& got) {
  got = 0;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno != ENOENT) return ScoreRead::Unreadable;
    Fd created(ops.Open(path, O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK, 0666));
    return created.Valid() ? ScoreRead::Read : ScoreRead::NotCreated;
  }
  Fd in(ops.Open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK, 0));
  if (!in.Valid() || ::fstat(in.Get(), &st) != 0 || !S_ISREG(st.st_mode)) {
    return ScoreRead::Unreadable;
  }
  while (got < image.size()) {
    const ssize_t n = ops.Read(in.Get(), image.data() + got, image.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return ScoreRead::Unreadable;
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  return ScoreRead::Read;
}

bool WriteScoreImage(const ScoreFileOps& ops, const std::string& path,
                     std::span<const uint8_t> image) {
  const std::string target = ResolveLinks(path).string();
  Fd file(ops.Open(target, O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666));
  struct stat st {};
  if (!file.Valid() || ::fstat(file.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  const off_t size = static_cast<off_t>(image.size());
  if (st.st_size - size > kScoreTailCopyLimit) return WriteInPlace(file, image);

  Fd old_file;
  if (st.st_size > size) {
    old_file = Fd(ops.Open(target, O_RDONLY | O_CLOEXEC | O_NONBLOCK, 0));
    if (!old_file.Valid()) return WriteInPlace(file, image);  // a tail we cannot copy stays put
  }
  const std::string temp = ScoreTemporaryName(target);
  ::unlink(temp.c_str());  // left over from a write that never finished
  Fd out(ops.CreateTemporary(temp, 0600));
  if (!out.Valid()) return WriteInPlace(file, image);
  file.Close();
  return ReplaceFromTemporary(out, st, temp, target, [&](int fd) {
    return WriteAllAt(fd, image.data(), image.size(), 0) &&
           (!old_file.Valid() || CopyTail(old_file.Get(), fd, size));
  });
}

std::string DamagedCopyName(const std::string& path) {
  return ResolveLinks(path).string() + ".bad";
}

bool KeepDamagedCopy(const ScoreFileOps& ops, const std::string& path) {
  const std::string copy = DamagedCopyName(path);
  Fd in(ops.Open(ResolveLinks(path).string(), O_RDONLY | O_CLOEXEC | O_NONBLOCK, 0));
  struct stat st {};
  if (!in.Valid() || ::fstat(in.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  const std::string temp = ScoreTemporaryName(copy);
  ::unlink(temp.c_str());
  Fd out(ops.CreateTemporary(temp, 0600));
  if (!out.Valid()) return false;
  return ReplaceFromTemporary(out, st, temp, copy,
                              [&](int fd) { return CopyTail(in.Get(), fd, 0); });
}

}  // namespace zk
