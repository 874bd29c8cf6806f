#include "shell/score_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "support/files.h"
#include "support/scratch_dir.h"

namespace zk {
namespace {

namespace fs = std::filesystem;

using Bytes = std::vector<uint8_t>;

struct Table {
  ScoreEntry Rows[kScoreRows] = {};
};

Table WithScores(std::initializer_list<int32_t> scores) {
  Table t;
  int r = 0;
  for (int32_t s : scores) t.Rows[r++].Score = s;
  return t;
}

class ScoreFileTest : public ::testing::Test {
 protected:
  std::string PathOf(const char* name) const { return dir_.PathOf(name); }

  static Bytes ReadFile(const std::string& path) { return test::ReadBytes(path); }
  static void WriteFile(const std::string& path, const Bytes& bytes) {
    test::WriteBytes(path, bytes);
  }
  // A valid file image of the given table (check rows stamped).
  static Bytes ImageOf(Table t, bool hard) {
    StampScoreChecks(t.Rows, hard);
    Bytes out(kScoreFileBytes);
    EncodeScoreTable(t.Rows, std::span<uint8_t, kScoreFileBytes>(out.data(), kScoreFileBytes));
    return out;
  }
  static Table Decode(const Bytes& bytes) {
    Table t;
    DecodeScoreBytes(bytes, t.Rows);
    return t;
  }
  // The file's inode, mode, owner and group.
  static std::tuple<ino_t, mode_t, uid_t, gid_t> Identity(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return {st.st_ino, st.st_mode, st.st_uid, st.st_gid};
  }
  size_t FilesInDir() const {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_.Path())) ++n;
    return n;
  }

  test::ScratchDir dir_{"zk_score"};
};

// The check values of both files, including 32-bit wrapping of the hard file's products.
TEST(ScoreChecks, WorkedFiguresOfBothFiles) {
  struct Case {
    std::vector<int32_t> scores;
    bool hard;
    ScoreChecks want;
  };
  const Case cases[] = {
      {{9, 7, 5, 3, 2, 1, 1, 0, 0, 0}, false, {60, 7, 6}},
      {{5, 4, 3, 2, 1, 1, 1, 1, 1, 1}, true, {14, 2, 0}},
      {{3}, false, {3, 4, 0}},
      {{}, false, {0, 1, 0}},  // an empty normal table does not pass its own check
      {{}, true, {0, 0, 0}},
      // 100000 x 100000 = 10^10 wraps to 1410065408; 65536 x 65536 wraps to 0.
      {{100000, 100000, 0, 0, 65536, 65536, 0, 0, 0x40000001, 3}, true, {1410065408, 0, 4 & 6}},
      // Normal checks ignore rows 7..9 entirely.
      {{0, 0, 0, 0, 0, 0, 0, 99, 98, 97}, false, {0, 1, 0}},
      {{0x7FFFFFFF, 0, 0, 0, 1},
       false,
       {static_cast<int32_t>(0x80000004u), static_cast<int32_t>(0x80000001u), 0}},
  };
  for (const Case& c : cases) {
    Table t;
    for (size_t r = 0; r < c.scores.size(); ++r) t.Rows[r].Score = c.scores[r];
    EXPECT_EQ(ComputeScoreChecks(t.Rows, c.hard), c.want) << "hard=" << c.hard;
    StampScoreChecks(t.Rows, c.hard);
    EXPECT_TRUE(ScoreTableValid(t.Rows, c.hard));
    t.Rows[11].Score += 1;  // a check row that no longer matches
    EXPECT_FALSE(ScoreTableValid(t.Rows, c.hard));
  }
}

TEST(ScoreInsert, OnePassKeepsTiesBelowAndDropsTheLastRow) {
  Table t = WithScores({9, 8, 7, 6, 5, 4, 3, 2, 1, 1});
  InsertScore(t.Rows, 1, "Tie");  // equal to row 9: not entered
  EXPECT_EQ(t.Rows[9].Score, 1);
  EXPECT_EQ(ScoreText(t.Rows[9]), "");

  for (int r = 0; r < 10; ++r) CopyScoreText(t.Rows[r].Text, std::string(1, char('a' + r)));
  InsertScore(t.Rows, 5, "New");  // equal to row 4, above row 5
  const int32_t want[10] = {9, 8, 7, 6, 5, 5, 4, 3, 2, 1};
  const char* texts[10] = {"a", "b", "c", "d", "e", "New", "f", "g", "h", "i"};
  for (int r = 0; r < 10; ++r) {
    EXPECT_EQ(t.Rows[r].Score, want[r]) << r;
    EXPECT_EQ(ScoreText(t.Rows[r]), texts[r]) << r;
  }

  InsertScore(t.Rows, 100, "Top");
  EXPECT_EQ(t.Rows[0].Score, 100);
  EXPECT_EQ(ScoreText(t.Rows[0]), "Top");
  EXPECT_EQ(t.Rows[1].Score, 9);
}

TEST(ScoreText, FieldWithoutNulIsCutAtSixtyBytes) {
  ScoreEntry rows[2] = {};
  std::memset(rows[0].Text, 'A', sizeof rows[0].Text);
  rows[1].Score = 0x41414141;
  EXPECT_EQ(ScoreText(rows[0]), std::string(60, 'A'));

  CopyScoreText(rows[1].Text, std::string(75, 'B'));
  EXPECT_EQ(ScoreText(rows[1]), std::string(60, 'B'));
  CopyScoreText(rows[1].Text, "Ro-da type West");
  EXPECT_EQ(ScoreText(rows[1]), "Ro-da type West");
  for (size_t i = 15; i < 60; ++i) EXPECT_EQ(rows[1].Text[i], '\0');  // no leftovers
}

TEST_F(ScoreFileTest, FreshNormalFileGetsTheRunAndItsChecks) {
  Table t;
  const std::string path = PathOf("score.vur");
  EXPECT_EQ(RecordScoreFile(t.Rows, path, false, 3, "Ro-da type North"), 0);
  EXPECT_EQ(t.Rows[0].Score, 3);
  EXPECT_EQ(ScoreText(t.Rows[0]), "Ro-da type North");
  for (int r = 1; r < 10; ++r) EXPECT_EQ(t.Rows[r].Score, 0);
  EXPECT_EQ(t.Rows[10].Score, 3);
  EXPECT_EQ(t.Rows[11].Score, 4);
  EXPECT_EQ(t.Rows[12].Score, 0);

  const Bytes file = ReadFile(path);
  ASSERT_EQ(file.size(), kScoreFileBytes);
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 4), (Bytes{3, 0, 0, 0}));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[4])), "Ro-da type North");
  EXPECT_EQ(Bytes(file.begin() + 704, file.begin() + 708), (Bytes{4, 0, 0, 0}));
  EXPECT_EQ(FilesInDir(), 1u);  // no temporary left behind
}

TEST_F(ScoreFileTest, FreshHardFilePassesItsCheckAndKeepsCheckTexts) {
  const std::string path = PathOf("score_hard.vur");
  Table t;
  EXPECT_EQ(RecordScoreFile(t.Rows, path, true, 2, "Lizard type Jin"), 0);
  EXPECT_EQ(t.Rows[0].Score, 2);

  // The hard file writes its check rows' texts as read.
  Table stored = WithScores({5, 4, 3, 2, 1, 1, 1, 1, 1, 1});
  CopyScoreText(stored.Rows[11].Text, "kept");
  WriteFile(path, ImageOf(stored, true));
  EXPECT_EQ(RecordScoreFile(t.Rows, path, true, 0, "x"), 0);
  EXPECT_EQ(ScoreText(t.Rows[11]), "kept");
  EXPECT_EQ(ScoreText(Decode(ReadFile(path)).Rows[11]), "kept");
  EXPECT_EQ(t.Rows[10].Score, 14);
}

TEST_F(ScoreFileTest, ZeroWinsInsertsNothingButRewritesTheChecks) {
  const std::string path = PathOf("score.vur");
  Table stored = WithScores({9, 7, 5, 3, 2, 1, 1, 0, 0, 0});
  Bytes image = ImageOf(stored, false);
  WriteFile(path, image);
  Table t;
  EXPECT_EQ(RecordScoreFile(t.Rows, path, false, 0, "Nobody"), 0);
  EXPECT_EQ(ReadFile(path), image);
  EXPECT_EQ(t.Rows[10].Score, 60);
  EXPECT_EQ(t.Rows[11].Score, 7);
  EXPECT_EQ(t.Rows[12].Score, 6);
}

// File operations that fail as a full disk, a bad sector or another player's file would (the
// tests run as the superuser, whom permissions do not bind).
struct FaultyOps : ScoreFileOps {
  enum Fault {
    None,
    OpenToRead,
    ReadAtOnce,
    ReadAfter100Bytes,
    Temporary,
    TemporaryAndInPlace
  } fault;
  mutable int reads = 0;
  explicit FaultyOps(Fault f) : fault(f) {}
  int Open(const std::string& path, int flags, mode_t mode) const override {
    if (fault == OpenToRead && (flags & O_ACCMODE) == O_RDONLY) return Fail(EACCES);
    // With TemporaryAndInPlace, a write handle that cannot write.
    const bool cannot = fault == TemporaryAndInPlace && (flags & O_ACCMODE) == O_WRONLY;
    return ScoreFileOps::Open(path, cannot ? O_RDONLY : flags, mode);
  }
  ssize_t Read(int fd, void* data, size_t size) const override {
    if (fault == ReadAtOnce || (fault == ReadAfter100Bytes && reads++ > 0)) return Fail(EIO);
    return ScoreFileOps::Read(fd, data, std::min<size_t>(size, 100));
  }
  int CreateTemporary(const std::string& path, mode_t mode) const override {
    return fault >= Temporary ? Fail(EACCES) : ScoreFileOps::CreateTemporary(path, mode);
  }
  static int Fail(int error) {
    errno = error;
    return -1;
  }
};

// A table that fails its check is dropped and the run written alone, after the whole file is
// copied beside the file it is (through a link); without a copy the file stays as it is. A good
// table or an empty file is no damage.
TEST_F(ScoreFileTest, DamagedTableIsKeptAsideThenDroppedAndTheRunWrittenAlone) {
  fs::create_directory(dir_.Path() / "real");
  const std::string path = PathOf("score.vur"), real = PathOf("real/score.vur");
  Bytes good = ImageOf(WithScores({9, 7, 5, 3, 2, 1, 1, 0, 0, 0}), false);
  good.insert(good.end(), {'t', 'a', 'i', 'l'});
  Bytes flipped = good;
  flipped[0] ^= 0x02;  // one bit of the best score
  struct Case {
    const char* name;
    Bytes stored;
    bool linked, faulty;  // score.vur a link to real/score.vur; no copy can be made
    ScoreDamage damage;
    int32_t error, best;
  } const cases[] = {
      {"good", good, false, false, ScoreDamage::None, 0, 9},
      {"empty", {}, false, false, ScoreDamage::None, 0, 4},
      {"flipped", flipped, false, false, ScoreDamage::Kept, 0, 4},
      {"flipped, linked", flipped, true, false, ScoreDamage::Kept, 0, 4},
      {"flipped, no copy", flipped, false, true, ScoreDamage::NotKept, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const auto& f : {path, real, path + ".bad", real + ".bad"}) fs::remove(f);
    if (c.linked) fs::create_symlink("real/score.vur", path);
    WriteFile(path, c.stored);
    Table t;
    ScoreDamage damage = ScoreDamage::None;
    EXPECT_EQ(
        RecordScoreFile(t.Rows, path, false, 4, "VedoZad type Coyote",
                        FaultyOps(c.faulty ? FaultyOps::Temporary : FaultyOps::None), &damage),
        c.error);
    EXPECT_EQ(damage, c.damage);
    EXPECT_EQ(t.Rows[0].Score, c.best);
    const std::string copy = (c.linked ? real : path) + ".bad";
    EXPECT_EQ(DamagedCopyName(path), copy);
    EXPECT_EQ(fs::exists(copy) ? ReadFile(copy) : Bytes{1},
              c.damage == ScoreDamage::Kept ? c.stored : Bytes{1});  // 1: no copy
    const Bytes after = ReadFile(path);
    if (c.error != 0) {
      EXPECT_EQ(after, c.stored);
    } else {
      EXPECT_TRUE(ScoreTableValid(Decode(after).Rows, false));
      EXPECT_EQ(Decode(after).Rows[0].Score, c.best);
    }
  }
}

TEST_F(ScoreFileTest, ShortFilesReadMissingRowsAsEmpty) {
  // 64 bytes of row 0 only: the hard file's checks of an otherwise empty table are all 0, so the
  // short file passes; the normal one fails (its c11 is s0 + 1).
  Table one = WithScores({5});
  CopyScoreText(one.Rows[0].Text, "Old");
  Bytes image(kScoreFileBytes);
  EncodeScoreTable(one.Rows, std::span<uint8_t, kScoreFileBytes>(image.data(), kScoreFileBytes));
  image.resize(kScoreRowBytes);

  WriteFile(PathOf("score_hard.vur"), image);
  Table t;
  EXPECT_EQ(RecordScoreFile(t.Rows, PathOf("score_hard.vur"), true, 2, "New"), 0);
  EXPECT_EQ(t.Rows[0].Score, 5);
  EXPECT_EQ(ScoreText(t.Rows[0]), "Old");
  EXPECT_EQ(t.Rows[1].Score, 2);
  EXPECT_EQ(ReadFile(PathOf("score_hard.vur")).size(), kScoreFileBytes);

  WriteFile(PathOf("score.vur"), image);
  EXPECT_EQ(RecordScoreFile(t.Rows, PathOf("score.vur"), false, 2, "New"), 0);
  EXPECT_EQ(t.Rows[0].Score, 2);
  EXPECT_EQ(t.Rows[1].Score, 0);
}

// A short tail is copied into the new file; a long one stays where it is and the table is
// written in place.
TEST_F(ScoreFileTest, BytesAfterTheTableStay) {
  const std::string path = PathOf("score.vur");
  for (const size_t tail : {size_t{10000}, static_cast<size_t>(kScoreTailCopyLimit) + 1}) {
    Bytes big = ImageOf(WithScores({2}), false);
    for (size_t i = 0; i < tail; ++i) big.push_back(static_cast<uint8_t>(i * 7));
    WriteFile(path, big);
    const auto before = Identity(path);
    Table t;
    EXPECT_EQ(RecordScoreFile(t.Rows, path, false, 6, "Winner"), 0);
    const Bytes after = ReadFile(path);
    ASSERT_EQ(after.size(), big.size());
    EXPECT_TRUE(
        std::equal(big.begin() + kScoreFileBytes, big.end(), after.begin() + kScoreFileBytes));
    EXPECT_EQ(Decode(after).Rows[1].Score, 2);
    EXPECT_EQ(Identity(path) == before, tail > static_cast<size_t>(kScoreTailCopyLimit)) << tail;
  }
}

// The table lands where the file lives: through symbolic links (even to a file not made yet),
// with the file's mode, owner and group, and a temporary file left by a crash goes away.
TEST_F(ScoreFileTest, TheTableLandsWhereTheFileLives) {
  fs::create_directory(dir_.Path() / "real");
  const std::string path = PathOf("score.vur");
  const std::string real = PathOf("real/score.vur");
  fs::create_symlink("real/score.vur", path);
  Table t;
  EXPECT_EQ(RecordScoreFile(t.Rows, path, false, 3, "First"), 0);  // a link to no file yet
  ASSERT_TRUE(fs::is_symlink(path));
  EXPECT_EQ(Decode(ReadFile(real)).Rows[0].Score, 3);

  ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
  if (::geteuid() == 0) {  // another player's file
    ASSERT_EQ(::chown(real.c_str(), 4242, 4343), 0);
  }
  const auto [inode, mode, uid, gid] = Identity(real);
  WriteFile(ScoreTemporaryName(real), {1, 2, 3});
  EXPECT_EQ(RecordScoreFile(t.Rows, path, false, 5, "Second"), 0);
  EXPECT_TRUE(fs::is_symlink(path));
  EXPECT_EQ(Decode(ReadFile(real)).Rows[0].Score, 5);
  // A new file, with the old one's mode, owner and group.
  EXPECT_EQ(Identity(real), std::tuple(std::get<0>(Identity(real)), mode, uid, gid));
  EXPECT_FALSE(fs::exists(ScoreTemporaryName(real)));
}

TEST_F(ScoreFileTest, FileThatCannotBeOpenedGivesTheErrorAndAClearedTable) {
  Table t = WithScores({7, 7, 7});
  EXPECT_EQ(RecordScoreFile(t.Rows, PathOf("missing-folder/score.vur"), false, 9, "x"), 1);
  for (int r = 0; r < 10; ++r) EXPECT_EQ(t.Rows[r].Score, 0) << r;
}

// A pipe in the score file's place neither hangs the game nor takes the table.
TEST_F(ScoreFileTest, APipeInPlaceOfTheFileIsNeitherReadNorWritten) {
  const std::string path = PathOf("score.vur");
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  Table t = WithScores({7});
  EXPECT_FALSE(ReadBestScoreRows(t.Rows, path));
  EXPECT_EQ(t.Rows[0].Score, 7);
  EXPECT_EQ(RecordScoreFile(t.Rows, path, false, 4, "x"), 1);
  EXPECT_TRUE(fs::is_fifo(path));
  EXPECT_EQ(FilesInDir(), 1u);
}

// A file that exists but cannot be read whole keeps its runs; without a temporary file the table
// is written in place, and only when that fails too is the error shown.
TEST_F(ScoreFileTest, FailuresNeverCostTheStoredRuns) {
  struct Case {
    FaultyOps::Fault fault;
    int32_t error;
    bool read, written;  // the run entered in the table; the table written in place
  } const cases[] = {{FaultyOps::OpenToRead, 1, false, false},
                     {FaultyOps::ReadAtOnce, 1, false, false},
                     {FaultyOps::ReadAfter100Bytes, 1, false, false},
                     {FaultyOps::Temporary, 0, true, true},
                     {FaultyOps::TemporaryAndInPlace, 1, true, false}};
  const std::string path = PathOf("score.vur");
  Bytes stored = ImageOf(WithScores({8, 3}), false);
  stored.insert(stored.end(), {'t', 'a', 'i', 'l'});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    WriteFile(path, stored);
    const auto before = Identity(path);
    Table t = WithScores({7});
    EXPECT_EQ(RecordScoreFile(t.Rows, path, false, 5, "Run", FaultyOps(c.fault)), c.error);
    EXPECT_EQ(t.Rows[1].Score, c.read ? 5 : 0);
    const Bytes after = ReadFile(path);
    EXPECT_EQ(after == stored, !c.written);
    EXPECT_EQ(Decode(after).Rows[1].Score, c.written ? 5 : 3);
    EXPECT_EQ(Bytes(after.begin() + kScoreFileBytes, after.end()), (Bytes{'t', 'a', 'i', 'l'}));
    EXPECT_EQ(Identity(path), before);
    EXPECT_EQ(FilesInDir(), 1u);
  }
}

TEST_F(ScoreFileTest, UnwritableFileReportsTheErrorAndStaysAsItWas) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const std::string path = PathOf("score.vur");
  const Bytes image = ImageOf(WithScores({8}), false);
  WriteFile(path, image);
  ::chmod(path.c_str(), 0400);
  Table t;
  EXPECT_EQ(RecordScoreFile(t.Rows, path, false, 9, "x"), 1);
  EXPECT_EQ(ReadFile(path), image);
}

// A write cut off part-way (here by a file-size limit, as a full disk would) reports the error
// and leaves the old table whole, with no temporary file left over.
TEST_F(ScoreFileTest, CutOffWriteKeepsTheOldTable) {
  const std::string path = PathOf("score.vur");
  const Bytes image = ImageOf(WithScores({8, 3}), false);
  WriteFile(path, image);

  struct rlimit old_limit {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old_limit;
  small.rlim_cur = 500;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  Table t;
  const int32_t error = RecordScoreFile(t.Rows, path, false, 5, "Cut");
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);

  EXPECT_EQ(error, 1);
  EXPECT_EQ(ReadFile(path), image);
  EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(ScoreFileTest, BestRowsReadOverlaysOnlyTheBytesOfTheFile) {
  Table t = WithScores({1, 1, 1, 1, 1, 1, 1});
  CopyScoreText(t.Rows[1].Text, "0123456789012345678901234567890123456789");
  const std::string path = PathOf("score.vur");

  // Missing: created empty, nothing changes.
  EXPECT_TRUE(ReadBestScoreRows(t.Rows, path));
  EXPECT_TRUE(fs::exists(path));
  EXPECT_EQ(fs::file_size(path), 0u);
  EXPECT_EQ(t.Rows[0].Score, 1);

  // 100 bytes: row 0 whole, row 1's score and its first 32 text bytes; no check, rows 5 on kept.
  Bytes image = ImageOf(WithScores({12, 11, 10, 9, 8, 7, 6}), false);
  std::memset(&image[68], 'Z', 60);
  image.resize(100);
  WriteFile(path, image);
  EXPECT_TRUE(ReadBestScoreRows(t.Rows, path));
  EXPECT_EQ(t.Rows[0].Score, 12);
  EXPECT_EQ(t.Rows[1].Score, 11);
  EXPECT_EQ(ScoreText(t.Rows[1]), std::string(32, 'Z') + "23456789");
  EXPECT_EQ(t.Rows[2].Score, 1);
  EXPECT_EQ(t.Rows[6].Score, 1);

  // Only the first five rows are read, whatever the file holds.
  WriteFile(path, ImageOf(WithScores({20, 19, 18, 17, 16, 15, 14}), false));
  EXPECT_TRUE(ReadBestScoreRows(t.Rows, path));
  EXPECT_EQ(t.Rows[4].Score, 16);
  EXPECT_EQ(t.Rows[5].Score, 1);

  EXPECT_FALSE(ReadBestScoreRows(t.Rows, PathOf("no/such/score.vur")));
}

}  // namespace
}  // namespace zk
