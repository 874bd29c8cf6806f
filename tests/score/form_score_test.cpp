// The form's side of the score file: which file, which name, the error flag, the select wrap.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "platform/platform.h"
#include "shell/form.h"
#include "shell/score_file.h"
#include "support/headless_form.h"
#include "support/scratch_dir.h"

namespace zk {
namespace {

namespace fs = std::filesystem;

// Runs each test in a folder of its own, since the game's score files live in the current one.
class FormScore : public ::testing::Test, protected test::HeadlessForm {
 protected:
  void WriteScores(const char* file, std::initializer_list<int32_t> scores, bool hard) {
    ScoreEntry t[kScoreRows] = {};
    int r = 0;
    for (int32_t s : scores) t[r++].Score = s;
    StampScoreChecks(t, hard);
    uint8_t image[kScoreFileBytes];
    EncodeScoreTable(t, image);
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(image), sizeof image);
  }

  test::ScratchWorkingDir dir_{"zk_form_score"};
};

TEST_F(FormScore, RecordsIntoTheFileOfTheOptionUnderPlayerOnesName) {
  std::memset(form.Robots[0].Name, 'N', sizeof form.Robots[0].Name);  // no NUL at all
  form.SurvivalWins = 4;
  form.HardSurvival = 1;
  form.ScoreFileError = 1;
  form.RecordSurvivalScore();
  EXPECT_EQ(form.ScoreFileError, 0);
  EXPECT_TRUE(fs::exists("score_hard.vur"));
  EXPECT_FALSE(fs::exists("score.vur"));
  EXPECT_EQ(form.ScoreTable[0].Score, 4);
  EXPECT_EQ(ScoreText(form.ScoreTable[0]), std::string(60, 'N'));

  std::strcpy(form.Robots[0].Name, "Ro-da type South");
  form.HardSurvival = 0;
  form.SurvivalWins = 2;
  form.RecordSurvivalScore();
  EXPECT_TRUE(fs::exists("score.vur"));
  EXPECT_EQ(form.ScoreTable[0].Score, 2);
  EXPECT_EQ(ScoreText(form.ScoreTable[0]), "Ro-da type South");
}

// A table that fails its check is said on one line, which names the copy kept beside it; a good
// one is not.
TEST_F(FormScore, ADamagedTableIsSaidWithItsCopy) {
  for (const bool damaged : {false, true}) {
    WriteScores("score.vur", {9, 3}, false);
    if (damaged) {
      std::fstream file("score.vur", std::ios::binary | std::ios::in | std::ios::out);
      file.seekp(1);
      file.put('\x40');  // the best score 9 becomes 16393
    }
    form.HardSurvival = 0;
    form.SurvivalWins = 1;
    testing::internal::CaptureStderr();
    form.RecordSurvivalScore();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(form.ScoreFileError, 0);
    EXPECT_EQ(fs::exists("score.vur.bad"), damaged);
    EXPECT_EQ(said, damaged
                        ? "zerkhaldun: the score file \"score.vur\" failed its check: its table "
                          "was dropped; the damaged file is kept as \"score.vur.bad\" "
                          "(working directory \"" +
                              fs::current_path().string() + "\")\n"
                        : "");
  }
}

TEST_F(FormScore, BestScoreOfTenOpensTheSelectWrap) {
  form.SelectUnlocked = 0;
  form.ReadBestScore();  // no file yet: made empty, nothing opens
  EXPECT_TRUE(fs::exists("score.vur"));
  EXPECT_EQ(form.SelectUnlocked, 0);

  WriteScores("score.vur", {9, 3}, false);
  WriteScores("score_hard.vur", {50}, true);  // never read here
  form.ReadBestScore();
  EXPECT_EQ(form.SelectUnlocked, 0);
  EXPECT_EQ(form.ScoreTable[0].Score, 9);

  WriteScores("score.vur", {10}, false);
  form.ReadBestScore();
  EXPECT_EQ(form.SelectUnlocked, 1);

  // Nothing closes it again.
  WriteScores("score.vur", {1}, false);
  form.ReadBestScore();
  EXPECT_EQ(form.SelectUnlocked, 1);
}

}  // namespace
}  // namespace zk
