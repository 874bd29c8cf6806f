// The stage machine's own stages: the title, the before-fight wait, the survival result, the
// never-entered time limit, and the error stage's music stop.
#include <string>

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

void TForm1::StartStage() {
  switch (GameStage) {
    case 0:
      ++StageFrame;
      if (StageFrame == 60) {
        PlayJingle();
        GameStage = 1;
        StageFrame = 0;
        KeyRepeat1 = 0;
        KeyReady1 = 0;
      }
      break;
    case 1:
      if (KeyReady1 == 0) {
        if (++KeyRepeat1 == 10) {
          KeyRepeat1 = 0;
          KeyReady1 = 1;
        }
        break;
      }
      if (Robots[0].InputY == 2) {
        if (GameMode != 3) ++GameMode;
        KeyReady1 = 0;
        KeyRepeat1 = 0;
      } else if (Robots[0].InputY == 1) {
        if (GameMode != 1) --GameMode;
        KeyReady1 = 0;
        KeyRepeat1 = 0;
      }
      if (Robots[0].InputButton == 1) {
        PlayJingle();
        GameStage = 4;
        KeyRepeat1 = 0;
        KeyReady1 = 0;
      }
      break;
    case 4:
      ++StageFrame;
      if (StageFrame == 60) {
        GameStage = 5;
        StageFrame = 0;
        KeyReady1 = 0;
        ToSelect();
      }
      break;
    default:  // 2 and 3 are never entered
      break;
  }
}

void TForm1::BeforeStage() {
  int32_t wait = 0;
  switch (GameMode) {
    case 1:
      wait = RouteStage == 0 ? 240 : 120;
      break;
    case 2:
      wait = 240;
      break;
    case 3:
      wait = SurvivalWins == 0 ? 240 : 120;
      break;
    default:
      break;
  }
  ++StageFrame;
  if (StageFrame > wait) {
    Host.StopWaveSound();
    GameStage = 8;
    ToFight();
  }
}

void TForm1::ResultStage() {
  ++StageFrame;
  if (StageFrame == 200) {
    StageFrame = 0;
    GameStage = 1;
    ScoreFileError = 0;
    ToStart();
  }
}

void TForm1::LimitStage() {
  ++StageFrame;
  if (StageFrame == 300) {
    StageFrame = 0;
    GameStage = 1;
    ScoreFileError = 0;
    ToStart();
  }
}

void TForm1::LimitData() {}

void TForm1::ReportErrorInBox() {
  if (ErrorBoxShown) return;
  ErrorBoxShown = true;
  static constexpr const char* kReasons[] = {"There is a Error In Loading Character Data1.",
                                             "There is a Error In Loading Character Data2.",
                                             "There is a Error In Sound.",
                                             "There is a Error In Drawing."};
  const bool known = ErrorCode >= 1 && ErrorCode <= 4;
  std::string text = known ? kReasons[ErrorCode - 1] : "There is a Unknown Error.";
  text += "\nSorry!Once You Should Stop the Game.\nPlease Press Escape Key(Esc)! And Try Again!\n";
  text += "ErrorCode #" + std::to_string(known ? ErrorCode : 5) + ".";
  Host.MessageBox("Error", text);
}

void TForm1::ToError() {
  if (MusicMode == 0) {
    StopSoundBuffer(JingleSoundBuffer.get());
    EndSegment();
  } else {
    StopMp3();
  }
}

}  // namespace zk
