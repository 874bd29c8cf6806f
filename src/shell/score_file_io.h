// Reading and writing the score file's bytes on disk, through a small set of file operations that
// the tests can replace with failing ones.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zk {

// The system calls that can fail for reasons a test cannot bring about as the superuser.
class ScoreFileOps {
 public:
  virtual ~ScoreFileOps() = default;
  // open(2) of the score file itself.
  virtual int Open(const std::string& path, int flags, mode_t mode) const;
  // read(2).
  virtual ssize_t Read(int fd, void* data, size_t size) const;
  // Makes the temporary file of a write; it does not exist beforehand.
  virtual int CreateTemporary(const std::string& path, mode_t mode) const;
};

// The real system calls.
const ScoreFileOps& SystemScoreFileOps();

enum class ScoreRead {
  Read,        // read from its start to its end or to `image`'s size (a missing file is made empty)
  NotCreated,  // missing, and it could not be made
  Unreadable,  // it exists but could not be opened or read whole: it must not be written
};

// The game's "open for reading" and read of up to `image.size()` bytes from the start. Opens never
// wait: a pipe or device in the file's place is not a file that can be read.
ScoreRead ReadScoreImage(const ScoreFileOps& ops, const std::string& path, std::span<uint8_t> image,
                         size_t& got);

// Writes `image` over the first bytes of the file, keeping the rest, wherever a symbolic link at
// `path` leads. The new content is written to a temporary file beside the real one and renamed
// over it once complete and synced, keeping the file's mode, owner and group. Where no temporary
// file can be made (a folder the player may not write) or the bytes after the table are too many
// to copy, the file is written in place instead. False when the table could not be stored.
bool WriteScoreImage(const ScoreFileOps& ops, const std::string& path,
                     std::span<const uint8_t> image);

// Where a table that failed its check is kept before it is written over: beside the file a
// symbolic link at `path` leads to, as "score.vur.bad" beside "score.vur".
std::string DamagedCopyName(const std::string& path);

// Copies the whole file at `path` (every byte, also after the table) to DamagedCopyName(path),
// replacing an older copy, with the file's mode, owner and group as far as the system allows.
// False when no whole copy could be made (none is left then).
bool KeepDamagedCopy(const ScoreFileOps& ops, const std::string& path);

// The temporary file of a write to `target`: one fixed name, so a leftover from a crash is
// removed by the next write.
std::string ScoreTemporaryName(const std::string& target);

// Bytes after the table up to which a write copies them into the new file.
inline constexpr off_t kScoreTailCopyLimit = 64 * 1024;

}  // namespace zk
