// The stage machine's own stages: the title, the before-fight wait, the survival result, the
// never-entered time limit, and the error stage's music stop.
#include <algorithm>
#include <iostream>
#include <string>

#include "core/error_texts.h"
#include "core/failure_texts.h"
#include "shell/failure_line.h"
#include "shell/form.h"

namespace zk {

void TForm1::PlayJingle() {
  PlaySoundBuffer(JingleSoundBuffer.get(), false);
}

void TForm1::StartStageMusic(void (TForm1::*make_segment)(), bool stop_performance_first) {
  if (stop_performance_first) StopMusic();
  EndSegment();
  if (CheckClosed()) return;
  (this->*make_segment)();
  if (CheckClosed()) return;
  PlayMusicSegment();
}

void TForm1::StopMp3() {
  MediaPlayer& player = Host.Media();
  if (player.Mode() == MediaMode::Playing) player.Stop();
  player.Close();
}

void TForm1::PlayMp3(const char* file) {
  MediaPlayer& player = Host.Media();
  try {
    player.Open(file);
  } catch (const MediaError& error) {
    const std::string what = Mp3Failure(file, error.Reason());
    if (std::find(SaidMp3Failures.begin(), SaidMp3Failures.end(), what) == SaidMp3Failures.end()) {
      SaidMp3Failures.push_back(what);
      std::cerr << FailureLine(what) << std::endl;
    }
    throw;
  }
  player.Play();
}

void TForm1::StartStage() {
  switch (GameStage) {
    case kStageTitle:
      ++StageFrame;
      if (StageFrame == 60) {
        PlayJingle();
        GameStage = kStageMenu;
        StageFrame = 0;
        KeyRepeat1 = 0;
        KeyReady1 = 0;
      }
      break;
    case kStageMenu:
      if (KeyReady1 == 0) {
        if (++KeyRepeat1 == 10) {
          KeyRepeat1 = 0;
          KeyReady1 = 1;
        }
        break;
      }
      if (Robots[0].InputY == kInputDown) {
        if (GameMode != kModeSurvival) ++GameMode;
        KeyReady1 = 0;
        KeyRepeat1 = 0;
      } else if (Robots[0].InputY == kInputUp) {
        if (GameMode != kModeOnePlayer) --GameMode;
        KeyReady1 = 0;
        KeyRepeat1 = 0;
      }
      if (Robots[0].InputButton == kButtonWeapon1) {
        PlayJingle();
        GameStage = kStageMenuChosen;
        KeyRepeat1 = 0;
        KeyReady1 = 0;
      }
      break;
    case kStageMenuChosen:
      ++StageFrame;
      if (StageFrame == 60) {
        GameStage = kStageSelectIn;
        StageFrame = 0;
        KeyReady1 = 0;
        ToSelect();
      }
      break;
    default:  // kStageUnused2 and kStageUnused3 are never entered
      break;
  }
}

int32_t TForm1::BeforeFightWait() const {
  switch (GameMode) {
    case kModeOnePlayer:
      return RouteStage == 0 ? 240 : 120;
    case kModeTwoPlayers:
      return 240;
    case kModeSurvival:
      return SurvivalWins == 0 ? 240 : 120;
    default:
      return 0;
  }
}

void TForm1::BeforeStage() {
  const int32_t wait = BeforeFightWait();
  ++StageFrame;
  if (StageFrame > wait) {
    Host.StopWaveSound();
    GameStage = kStageFightIntro;
    ToFight();
  }
}

void TForm1::CountToTitle(int32_t frames) {
  ++StageFrame;
  if (StageFrame == frames) {
    StageFrame = 0;
    GameStage = kStageMenu;
    ScoreFileError = 0;
    ToStart();
  }
}

void TForm1::ResultStage() {
  CountToTitle(200);
}

void TForm1::LimitStage() {
  CountToTitle(300);
}

void TForm1::LimitData() {}

void TForm1::ReportErrorInBox() {
  if (ErrorBoxShown) return;
  ErrorBoxShown = true;
  Host.MessageBox("Error", std::string(ErrorReasonLine(ErrorCode)) + "\n" + kErrorSorryLine + "\n" +
                               kErrorEscapeLine + "\n" + ErrorCodeLine(ErrorCode));
}

void TForm1::ToError() {
  if (MusicMode == 0) {
    StopSoundBuffer(JingleSoundBuffer.get());
    EndSegment();
  } else {
    StopMp3();
  }
}

void TForm1::SayFailure(const std::string& what) {
  if (!SaidFailure.empty()) return;
  SaidFailure = what;
  std::cerr << FailureLine(what) << std::endl;
}

void TForm1::EnterError(int32_t code, const std::string& what) {
  if (ErrorFailure.empty()) ErrorFailure = what;
  SayFailure(what);
  ErrorCode = code;
  ToError();
  GameStage = kStageError;
}

bool TForm1::MakeJingle(const char* name) {
  if (CreateSoundData(name, JingleSoundBuffer) != 0) return true;
  EndDirectSound();
  EnterError(3, SoundFailure(name));
  return false;
}

}  // namespace zk
