// The survival score files "score.vur" and "score_hard.vur": ten ranked rows and three check
// rows of 64 bytes each (a little-endian 32-bit score, then 60 bytes of text).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/score_entry.h"
#include "shell/score_file_io.h"

namespace zk {

inline constexpr int kScoreRows = 13;   // ten ranks, then the three check rows
inline constexpr int kRankedRows = 10;  // rows 0..9, best first
inline constexpr size_t kScoreRowBytes = 64;
inline constexpr size_t kScoreFileBytes = kScoreRows * kScoreRowBytes;  // 832
inline constexpr size_t kBestReadBytes = 5 * kScoreRowBytes;            // the select screen's 320

inline constexpr const char* kNormalScoreFile = "score.vur";
inline constexpr const char* kHardScoreFile = "score_hard.vur";

struct ScoreChecks {
  int32_t C10 = 0;
  int32_t C11 = 0;
  int32_t C12 = 0;
  bool operator==(const ScoreChecks&) const = default;
};

// The check values worked out from rows 0..9, wrapping modulo 2^32. The normal file covers
// rows 0..6, the hard file all ten.
ScoreChecks ComputeScoreChecks(const ScoreEntry* table, bool hard);

// True when the scores of rows 10..12 equal the check values of rows 0..9 (texts are ignored).
bool ScoreTableValid(const ScoreEntry* table, bool hard);

// Every row: score 0 and empty text.
void ClearScoreTable(ScoreEntry* table);

// Copies a text into a 60-byte field: at most 60 bytes, the rest of the field zeroed.
void CopyScoreText(char (&field)[60], std::string_view text);

// Puts `wins` with `name` into row 9 when it beats row 9's score, then one bubbling pass from
// row 9 up to row 1: a run that ties an existing score stays below it.
void InsertScore(ScoreEntry* table, int32_t wins, std::string_view name);

// Stores the check values into rows 10..12; in the normal file their texts become empty.
void StampScoreChecks(ScoreEntry* table, bool hard);

// The file image of the whole table, and back. `Decode` overlays only the bytes given onto the
// rows, so a short read leaves the rest of the table (and the rest of a row) as it was.
void EncodeScoreTable(const ScoreEntry* table, std::span<uint8_t, kScoreFileBytes> out);
void DecodeScoreBytes(std::span<const uint8_t> bytes, ScoreEntry* table);

// What RecordScoreFile did with a table that failed its check (an empty file is no table: it
// fails nothing).
enum class ScoreDamage {
  None,
  Kept,     // it was dropped and the file first copied to DamagedCopyName
  NotKept,  // no copy could be made: the file was left as it is and the run not recorded
};

// Records a run (F1 before a survival fight): reads and verifies the file at `path`, inserts the
// run, writes the table back with fresh check values. The table is left for the result screen.
// Returns the file error flag: 0 when the table was written, 1 when the file could not be used.
// A file that exists but cannot be read whole is left alone, as is a damaged one that could not
// be copied; the write is WriteScoreImage's.
int32_t RecordScoreFile(ScoreEntry* table, const std::string& path, bool hard, int32_t wins,
                        std::string_view name, const ScoreFileOps& ops = SystemScoreFileOps(),
                        ScoreDamage* damage = nullptr);

// The select screen's read: creates the file empty when missing, else reads up to its first five
// rows into the table's first five rows, without clearing and without the check. False when the
// file could be neither made nor read.
bool ReadBestScoreRows(ScoreEntry* table, const std::string& path);

}  // namespace zk
