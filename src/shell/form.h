// The main form: the game object. It owns every record of the game for the whole run; its
// methods are the game's routines and live in the folder of their subsystem.
//
// Where the routines are declared (the fragments included at the end of the class) and defined:
//   characters/form_characters.inc  motion tables, D.O.Z.'s views (motion_grid.cpp, motion_fmh.cpp)
//   cpu/form_cpu.inc                the computer opponent's routines and their table (src/cpu)
//   display/form_display.inc        display device, picture slots, floor, select cards
//                                   (display_device.cpp, floor_scroll.cpp, select_cards.cpp)
//   display/form_screens.inc        each screen's drawing (screens_*.cpp)
//   robots/form_robots.inc          robot loaders (robot_loaders.cpp; the kinds' tables are free
//                                   functions, one file per kind: see robots/robot_kinds.h)
//   shell/form_fight.inc            score file, ending, before-fight and fight set-up, fight loop
//                                   (score_file.cpp, ending.cpp, before_fight.cpp, fight_stage.cpp)
//   shell/form_shell.inc            start-up and close, frame, input, stages, title and select
//                                   (form.cpp, app_idle.cpp, input.cpp, stages.cpp,
//                                   title_select.cpp)
//   sound/form_sound.inc            sound effects and music (sound_effects.cpp, music.cpp)
//   weapons/form_weapons.inc        firing and moving the shots (form_weapons.cpp)
//
// Names kept from the game's own code: a screen's Draw_X draws its texts and Draw_X2 its picture
// (FS the fight screen, BS the before-fight screen); FM_BS and its siblings write one view of
// D.O.Z.'s motion table (FM its motion code; BACK, BS back-side, SIDE, FS front-side, FRONT);
// DDIN fills the select screen's robot cards; StartDX/EndDX, StartDS/EndDirectSound and
// StartDirectMusic/EndDirectMusic start and stop the display, the sound effects and the MIDI
// music.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "characters/character_data.h"
#include "characters/motion_table.h"
#include "core/game_stage.h"
#include "core/score_entry.h"
#include "cpu/cpu_plan.h"
#include "display/fight_status.h"
#include "display/select_catalogue.h"
#include "display/sheet_cells.h"
#include "platform/audio.h"
#include "platform/platform.h"
#include "platform/surface.h"
#include "shell/end_unit.h"
#include "shell/frame_timer.h"
#include "shell/random.h"
#include "weapons/weapon_data.h"

namespace zk {

struct TilePos {
  int32_t x;
  int32_t y;
};

class TForm1;
using ThinkRoutine = void (TForm1::*)();

class TForm1 {
 public:
  explicit TForm1(Platform& platform);
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // The machine this form runs on.
  Platform& Host;

  // The start dialog's choices (the radio groups' item indexes).
  StartChoices Dialog;

  // Game state, in the game's declaration order, which mixes the groups below a little.
  // The players' robots and their four weapon slots each (player 2's from Weapons[4]).
  CharacterData Robots[2] = {};
  WeaponData Weapons[8];
  // The dialog's options and the music playing.
  int32_t WindowMode = 0;
  int32_t MusicMode = 0;
  uint8_t Mp3Playing = 0;
  // The run: its mode, the survival chain and score table, the select screen's wrap.
  int32_t GameMode = 0;  // a GameModeId once the game starts
  uint8_t NewRun = 0;
  int32_t SurvivalWins = 0;
  int32_t CarriedArmor = 0;
  ScoreEntry ScoreTable[13] = {};
  int32_t ScoreFileError = 0;
  uint8_t SelectUnlocked = 0;
  // The stage machine: the stage, the menu and select keys' repeat, the stage's frame count, the
  // robots chosen, the fight's outcome.
  int32_t GameStage = 0;  // a GameStageId
  uint8_t KeyReady1 = 0, KeyReady2 = 0;
  int32_t KeyRepeat1 = 0, KeyRepeat2 = 0;
  int32_t StageFrame = 0;
  int32_t RobotKind1 = 0, RobotKind2 = 0;
  int32_t Decided1 = 0, Decided2 = 0;
  int32_t Winner = 0;
  int32_t KoPending = 0;
  // Joysticks, the computer opponent (its plan and its routine by RobotKind2), the pinch music.
  uint32_t JoyCenter1 = 0, JoyCenter2 = 0;
  CpuPlan Cpu = {};
  ThinkRoutine ThinkTable[12] = {};
  uint8_t PinchPlayed = 0;
  int32_t JoyButtons1 = 0, JoyButtons2 = 0;
  // The one-player routes: six opponents on each of two routes.
  int32_t RouteTable[2][6] = {};
  int32_t RouteStage = 0;
  int32_t Route = 0;
  // Tables filled at start-up: variants per kind, the floor grid, motion tables, select cards
  // and name plates, the ending roll's units.
  int32_t VariantCount[12] = {};
  TilePos FloorTiles[8][7] = {};
  MotionTable MotionTables[13] = {};
  RobotCard RobotCards[11] = {};
  NamePlate NamePlates[11][3] = {};
  EndUnit EndUnits[30] = {};
  TilePos EndUnitPos[30] = {};
  // Survival's option and the ammunition carried between fights; the error screen's code.
  uint8_t HardSurvival = 0;
  int32_t CarriedAmmo[4] = {};
  int32_t ErrorCode = 0;
  FrameTimer FrameTime;

  // The form's place on the screen.
  int32_t Left = 0, Top = 0;

  // The close handler has run: nothing more is loaded, drawn, presented or played.
  bool FormClosed = false;
  // What failed when a failure closed the form ("cannot load the picture ..."); empty after Esc
  // or the window's close.
  std::string CloseFailure;
  // The start-up installed the frame as the loop's idle handler.
  bool IdleInstalled = false;
  // The error screen could not be drawn (the display was stopped), so it was shown in a box.
  bool ErrorBoxShown = false;
  // What first sent the game to the error screen; the run then ends with status 1.
  std::string ErrorFailure;
  // The failure said on standard error (SayFailure); the later ones follow from it.
  std::string SaidFailure;
  // The MP3 failures said, each once however often the piece is tried again.
  std::vector<std::string> SaidMp3Failures;

  // The game's random generator, seeded at start-up from the time in seconds unless a seed is
  // given (the command line's --seed).
  GameRandom Random;
  bool HasFixedSeed = false;
  uint32_t FixedSeed = 0;

  // Picture, sound and music slots; each holds one object or is empty.
  std::unique_ptr<Display> DrawDevice;
  Surface* PrimarySurface = nullptr;  // owned by DrawDevice
  std::unique_ptr<Surface> BackSurface;
  DrawContext* BackDC = nullptr;  // valid only during a frame's text drawing
  std::unique_ptr<Surface> SheetSurfaceA, SheetSurfaceB, DustSurface, BackdropSurface;
  // Per player: front, back, front-side, back-side, side.
  std::unique_ptr<Surface> ViewSurfaces[2][5];
  // Where the pictures lie in the cells of the shots' sheet (measured when first drawn).
  SheetCells ShotCells;
  // The fight's status texts, kept rendered while they stay the same.
  FightStatus FightTexts;
  std::unique_ptr<SoundDevice> SoundDev;
  std::unique_ptr<SoundBuffer> JingleSoundBuffer, BeatSoundBuffer;
  std::unique_ptr<SoundBuffer> HitSoundBuffers[2][4];
  std::unique_ptr<SoundBuffer> FireSoundBuffers[8];
  std::unique_ptr<MidiPerformance> MusicPerformance;
  std::unique_ptr<MidiSegment> MusicSegment, PinchSegment;

  // The brushes, pens and fonts of the text drawing (made by the start-up, deleted by the close).
  struct TextTools;
  std::unique_ptr<TextTools> Tools;

  // Routines, by subsystem.
#include "characters/form_characters.inc"
#include "cpu/form_cpu.inc"
#include "display/form_display.inc"
#include "display/form_screens.inc"
#include "robots/form_robots.inc"
#include "shell/form_fight.inc"
#include "shell/form_shell.inc"
#include "sound/form_sound.inc"
#include "weapons/form_weapons.inc"
};

}  // namespace zk
