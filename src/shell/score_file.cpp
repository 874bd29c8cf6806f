// The survival score files: layout, check values, reading, ranking and writing.
#include "shell/score_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

#include "platform/byte_order.h"
#include "shell/field_text.h"
#include "shell/form.h"

namespace zk {

namespace {

uint32_t U(int32_t v) {
  return static_cast<uint32_t>(v);
}
int32_t S(uint32_t v) {
  return static_cast<int32_t>(v);
}

// A file descriptor closed when it goes out of scope.
class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() { Close(); }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
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

// Reads up to `size` bytes from the start of the file; returns the count read.
size_t ReadUpTo(int fd, uint8_t* data, size_t size) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::read(fd, data + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  return done;
}

bool WriteAll(int fd, const uint8_t* data, size_t size) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd, data + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// The game's "open for reading": a missing file is created empty (read and write access),
// an existing one opened read-only. Opens never wait: a pipe or device put in the file's place
// reads as empty or fails instead of hanging the game.
Fd OpenOrCreateForReading(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    return Fd(::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK, 0666));
  }
  return Fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
}

// Writes `image` as the first 832 bytes of the file at `path`, keeping whatever the file holds
// after them. The new content goes to a temporary file in the same folder, which is renamed
// over the old one only once it is complete.
bool ReplaceTable(const std::string& path, std::span<const uint8_t, kScoreFileBytes> image) {
  // The game's "open for writing": creates a missing file, never empties an existing one. A file
  // we may not write is a failure, as it always was.
  Fd target(::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666));
  if (!target.Valid()) return false;
  struct stat st {};
  if (::fstat(target.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  target.Close();

  Fd old_file;
  if (st.st_size > static_cast<off_t>(kScoreFileBytes)) {
    old_file = Fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!old_file.Valid()) return false;  // its tail could not be kept
  }

  std::string temp_name = path + ".XXXXXX";
  std::vector<char> templ(temp_name.begin(), temp_name.end());
  templ.push_back('\0');
  Fd temp(::mkstemp(templ.data()));
  if (!temp.Valid()) return false;
  temp_name.assign(templ.data());
  bool ok = ::fchmod(temp.Get(), st.st_mode & 07777) == 0;
  ok = ok && WriteAll(temp.Get(), image.data(), image.size());
  if (ok && old_file.Valid()) {
    std::array<uint8_t, 4096> chunk{};
    off_t at = static_cast<off_t>(kScoreFileBytes);
    for (;;) {
      const ssize_t n = ::pread(old_file.Get(), chunk.data(), chunk.size(), at);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        ok = false;
        break;
      }
      if (n == 0) break;
      if (!WriteAll(temp.Get(), chunk.data(), static_cast<size_t>(n))) {
        ok = false;
        break;
      }
      at += n;
    }
  }
  ok = ok && ::fsync(temp.Get()) == 0;
  ok = temp.Close() && ok;
  ok = ok && ::rename(temp_name.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temp_name.c_str());
    return false;
  }
  // Make the rename itself last across a crash.
  std::filesystem::path dir = std::filesystem::path(path).parent_path();
  if (dir.empty()) dir = ".";
  Fd dir_fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir_fd.Valid()) ::fsync(dir_fd.Get());
  return true;
}

}  // namespace

ScoreChecks ComputeScoreChecks(const ScoreEntry* table, bool hard) {
  uint32_t s[kRankedRows];
  for (int r = 0; r < kRankedRows; ++r) s[r] = U(table[r].Score);
  ScoreChecks c;
  if (hard) {
    c.C10 = S(s[0] * s[1] - s[2] * s[3]);
    c.C11 = S(s[4] * s[5] + s[6] * s[7]);
    c.C12 = S((4u * s[8]) & (2u * s[9]));
  } else {
    c.C10 = S(s[0] + 2u * s[1] + 3u * s[2] + 4u * s[3] + 5u * s[4]);
    c.C11 = S(s[0] - s[1] + s[2] - s[3] + s[4] + 1u);
    c.C12 = S((2u * s[5]) | (4u * s[6]));
  }
  return c;
}

bool ScoreTableValid(const ScoreEntry* table, bool hard) {
  const ScoreChecks want = ComputeScoreChecks(table, hard);
  return table[10].Score == want.C10 && table[11].Score == want.C11 && table[12].Score == want.C12;
}

void ClearScoreTable(ScoreEntry* table) {
  for (int r = 0; r < kScoreRows; ++r) {
    table[r].Score = 0;
    std::memset(table[r].Text, 0, sizeof table[r].Text);
  }
}

std::string_view ScoreText(const ScoreEntry& entry) {
  return FieldText(entry.Text);
}

void CopyScoreText(char (&field)[60], std::string_view text) {
  SetFieldText(field, text);
}

void InsertScore(ScoreEntry* table, int32_t wins, std::string_view name) {
  if (table[kRankedRows - 1].Score < wins) {
    table[kRankedRows - 1].Score = wins;
    CopyScoreText(table[kRankedRows - 1].Text, name);
  }
  for (int r = kRankedRows - 1; r >= 1; --r) {
    if (table[r].Score > table[r - 1].Score) std::swap(table[r], table[r - 1]);
  }
}

void StampScoreChecks(ScoreEntry* table, bool hard) {
  const ScoreChecks c = ComputeScoreChecks(table, hard);
  table[10].Score = c.C10;
  table[11].Score = c.C11;
  table[12].Score = c.C12;
  if (!hard) {
    for (int r = 10; r < kScoreRows; ++r) std::memset(table[r].Text, 0, sizeof table[r].Text);
  }
}

void EncodeScoreTable(const ScoreEntry* table, std::span<uint8_t, kScoreFileBytes> out) {
  for (int r = 0; r < kScoreRows; ++r) {
    uint8_t* row = out.data() + r * kScoreRowBytes;
    StoreLe32(row, U(table[r].Score));
    std::memcpy(row + 4, table[r].Text, sizeof table[r].Text);
  }
}

void DecodeScoreBytes(std::span<const uint8_t> bytes, ScoreEntry* table) {
  std::array<uint8_t, kScoreFileBytes> image{};
  EncodeScoreTable(table, image);
  const size_t n = std::min(bytes.size(), image.size());
  std::memcpy(image.data(), bytes.data(), n);
  const int rows = static_cast<int>((n + kScoreRowBytes - 1) / kScoreRowBytes);
  for (int r = 0; r < rows; ++r) {
    const uint8_t* row = image.data() + r * kScoreRowBytes;
    table[r].Score = S(Le32(row));
    std::memcpy(table[r].Text, row + 4, sizeof table[r].Text);
  }
}

int32_t RecordScoreFile(ScoreEntry* table, const std::string& path, bool hard, int32_t wins,
                        std::string_view name) {
  ClearScoreTable(table);

  // A damaged table is dropped (the error it raises is cleared again by a good write below).
  // When the file cannot be opened at all, nothing is inserted.
  Fd in = OpenOrCreateForReading(path);
  if (in.Valid()) {
    std::array<uint8_t, kScoreFileBytes> image{};
    const size_t got = ReadUpTo(in.Get(), image.data(), image.size());
    DecodeScoreBytes(std::span<const uint8_t>(image.data(), got), table);
    if (!ScoreTableValid(table, hard)) ClearScoreTable(table);
    InsertScore(table, wins, name);
    in.Close();
  }

  StampScoreChecks(table, hard);
  std::array<uint8_t, kScoreFileBytes> out{};
  EncodeScoreTable(table, out);
  return ReplaceTable(path, out) ? 0 : 1;
}

bool ReadBestScoreRows(ScoreEntry* table, const std::string& path) {
  Fd in = OpenOrCreateForReading(path);
  if (!in.Valid()) return false;
  std::array<uint8_t, kBestReadBytes> head{};
  const size_t got = ReadUpTo(in.Get(), head.data(), head.size());
  DecodeScoreBytes(std::span<const uint8_t>(head.data(), got), table);
  return true;
}

// F1 before a survival fight: the run goes into the file of the current option under player 1's
// robot name.
void TForm1::RecordSurvivalScore() {
  const bool hard = HardSurvival == 1;
  ScoreFileError = RecordScoreFile(ScoreTable, hard ? kHardScoreFile : kNormalScoreFile, hard,
                                   SurvivalWins, FieldText(Robots[0].Name));
}

// The select screen's entry: the best rows of the normal file, whatever the survival option.
void TForm1::ReadBestScore() {
  if (ReadBestScoreRows(ScoreTable, kNormalScoreFile) && ScoreTable[0].Score >= 10) {
    SelectUnlocked = 1;
  }
}

}  // namespace zk
