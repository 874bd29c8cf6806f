// The ending roll: five pictures in turn and 23 lines fading in and out, then the title.
#include <cstring>

#include "core/failure_texts.h"
#include "core/field_text.h"
#include "shell/form.h"

namespace zk {

namespace {

// Frames of fade steps 0..8 by fade class.
constexpr int32_t kFadeDurations[3][9] = {
    {20, 20, 25, 25, 40, 25, 25, 20, 20},  // 220 frames
    {15, 15, 20, 20, 30, 20, 20, 15, 15},  // 170
    {5, 5, 10, 10, 30, 10, 10, 5, 5},      // 90
};

struct EndLine {
  const char* Text;
  int32_t StartFrame;
  int32_t FadeClass;
  int32_t X, Y;
};

// The roll, in the order it is filled. None of the lines holds a percent sign.
constexpr const char* kProjectCredit = "The Zerkhaldun Project";
constexpr EndLine kEndLines[] = {
    {"Congratulations!! ", 1, 1, 60, 190},
    {"You are great surviver!! ", 21, 1, 130, 220},
    {" ", 41, 1, 80, 250},
    {"Zerkhaldun", 221, 1, 80, 250},
    {kProjectCredit, 401, 2, 200, 230},
    {"Director / Programer", 451, 1, 280, 260},
    {"Zerkhaldun Art Team", 631, 2, 390, 100},
    {"Graphic ( Lizard, D.O.Z. )", 681, 1, 400, 150},
    {"Zerkhaldun Art Team", 851, 2, 280, 50},
    {"Graphic ( VedoZad,", 871, 1, 320, 100},
    {"ZuzodEvoz, V-2-A, ZizoruVuzev )", 891, 1, 350, 130},
    {"Zerkhaldun Art Team", 1081, 2, 30, 50},
    {"Graphic ( DuvuZirada,", 1101, 1, 70, 100},
    {"Ro-da, & Others )", 1121, 1, 170, 130},
    {"Zerkhaldun Art Team", 1301, 2, 280, 390},
    {"Graphic ( Ridezazo,", 1321, 1, 310, 440},
    {"RiziVov, ZeviruraR, & Others )", 1341, 1, 430, 470},
    {"Zerkhaldun Sound Team", 1531, 2, 200, 250},
    {"Original MP3 Music", 1581, 1, 230, 300},
    {kProjectCredit, 1751, 2, 220, 250},
    {"2D Graphic", 1801, 1, 250, 300},
    {"Thanks to every member of the Zerkhaldun Project!", 1981, 1, 200, 150},
    {"Thank you for Your Fight", 2101, 0, 380, 260},
};

constexpr const char* kEndPictures[5] = {
    "others/nr_end0.bmp", "others/nr_end1.bmp", "others/nr_end2.bmp",
    "others/nr_end3.bmp", "others/nr_end4.bmp",
};

constexpr int32_t kEndingFrames = 2440;

}  // namespace

void TForm1::DecidePOS(TilePos& position, int32_t x, int32_t y) {
  position.x = x;
  position.y = y;
}

void TForm1::GetPOS(EndUnit& unit, int32_t x, int32_t y) {
  unit.X = x;
  unit.Y = y;
}

void TForm1::GetIMPACT(EndUnit& unit, int32_t fade_class) {
  if (fade_class < 0 || fade_class > 2) return;
  std::memcpy(unit.Durations, kFadeDurations[fade_class], sizeof unit.Durations);
}

void TForm1::GetSTART(EndUnit& unit, int32_t start_frame) {
  unit.StartFrame = start_frame;
}

void TForm1::SetEndUnit(int32_t index, const char* text, int32_t x, int32_t y, int32_t fade_class,
                        int32_t start_frame) {
  EndUnit& unit = EndUnits[index];
  SetTerminatedText(unit.Text, text);
  DecidePOS(EndUnitPos[index], x, y);
  GetIMPACT(unit, fade_class);
  GetSTART(unit, start_frame);
}

void TForm1::SetEnd() {
  int32_t index = 0;
  for (const EndLine& line : kEndLines) {
    SetEndUnit(index++, line.Text, line.X, line.Y, line.FadeClass, line.StartFrame);
  }
  for (int i = 0; i < 30; ++i) GetPOS(EndUnits[i], EndUnitPos[i].x, EndUnitPos[i].y);
}

void TForm1::ToEnd() {
  for (EndUnit& unit : EndUnits) unit.Reset();
  StageFrame = 0;
  GameStage = kStageEnding;

  // Each picture keyed with the magenta of its own.
  for (int i = 0; i < 5; ++i) {
    if (!LoadPictureSlot(ViewSurfaces[0][i], kEndPictures[i])) {
      CloseOnFailure(PictureFailure(kEndPictures[i]));
      return;
    }
  }

  if (MusicMode == 0) {
    StartStageMusic(&TForm1::MakeSegment_Ending, false);
  } else {
    Mp3Playing = 0;
    MediaPlayer& player = Host.Media();
    player.Stop();
    player.Close();
    PlaySoundBuffer(BeatSoundBuffer.get(), true);
  }
}

void TForm1::EndingStage() {
  ++StageFrame;
  for (EndUnit& unit : EndUnits) {
    unit.Start(StageFrame);
    unit.Tick();
  }
  if (StageFrame == kEndingFrames) {
    RouteStage = 0;
    Winner = 0;
    GameStage = kStageMenu;
    ToStart();
  }
}

}  // namespace zk
