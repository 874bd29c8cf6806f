// The survival score files: layout, check values, reading, ranking and writing.
#include "shell/score_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iostream>
#include <utility>

#include "core/failure_texts.h"
#include "core/field_text.h"
#include "media/byte_order.h"
#include "shell/failure_line.h"
#include "shell/form.h"
#include "shell/score_file_io.h"

namespace zk {

namespace {

uint32_t U(int32_t v) {
  return static_cast<uint32_t>(v);
}
int32_t S(uint32_t v) {
  return static_cast<int32_t>(v);
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
                        std::string_view name, const ScoreFileOps& ops, ScoreDamage* damage) {
  ClearScoreTable(table);
  if (damage != nullptr) *damage = ScoreDamage::None;

  // A damaged table is dropped (the error it raises is cleared again by a good write below), once
  // the file is copied aside. When a missing file cannot be made, nothing is inserted. A file
  // that exists but cannot be read whole is never written: the runs it holds would be lost.
  std::array<uint8_t, kScoreFileBytes> image{};
  size_t got = 0;
  const ScoreRead read = ReadScoreImage(ops, path, image, got);
  if (read == ScoreRead::Unreadable) return 1;
  if (read == ScoreRead::Read) {
    DecodeScoreBytes(std::span<const uint8_t>(image.data(), got), table);
    if (!ScoreTableValid(table, hard)) {
      if (got > 0) {  // an empty file (as the select screen makes it) holds no runs to lose
        const bool kept = KeepDamagedCopy(ops, path);
        if (damage != nullptr) *damage = kept ? ScoreDamage::Kept : ScoreDamage::NotKept;
        if (!kept) {
          ClearScoreTable(table);
          return 1;
        }
      }
      ClearScoreTable(table);
    }
    InsertScore(table, wins, name);
  }

  StampScoreChecks(table, hard);
  EncodeScoreTable(table, image);
  return WriteScoreImage(ops, path, image) ? 0 : 1;
}

bool ReadBestScoreRows(ScoreEntry* table, const std::string& path) {
  std::array<uint8_t, kBestReadBytes> head{};
  size_t got = 0;
  const ScoreRead read = ReadScoreImage(SystemScoreFileOps(), path, head, got);
  DecodeScoreBytes(std::span<const uint8_t>(head.data(), got), table);
  return read == ScoreRead::Read;
}

// F1 before a survival fight: the run goes into the file of the current option under player 1's
// robot name.
void TForm1::RecordSurvivalScore() {
  const bool hard = HardSurvival == 1;
  const char* file = hard ? kHardScoreFile : kNormalScoreFile;
  ScoreDamage damage = ScoreDamage::None;
  ScoreFileError = RecordScoreFile(ScoreTable, file, hard, SurvivalWins, FieldText(Robots[0].Name),
                                   SystemScoreFileOps(), &damage);
  // The result screen says "File Error"; standard error says which file, and where. A damaged
  // table is said as well, and when no copy of it could be kept that line says it all.
  if (damage != ScoreDamage::None) {
    std::cerr << FailureLine(
                     DamagedScoreFile(file, DamagedCopyName(file), damage == ScoreDamage::Kept))
              << std::endl;
  }
  if (ScoreFileError != 0 && damage != ScoreDamage::NotKept) {
    std::cerr << FailureLine(ScoreFileFailure(file)) << std::endl;
  }
}

// The select screen's entry: the best rows of the normal file, whatever the survival option.
void TForm1::ReadBestScore() {
  if (ReadBestScoreRows(ScoreTable, kNormalScoreFile) && ScoreTable[0].Score >= 10) {
    SelectUnlocked = 1;
  }
}

}  // namespace zk
