// The form's life: construction, the start dialog, the start-up that sets the whole game up, and
// the close.
#include "shell/form.h"

#include <ctime>
#include <utility>

#include "core/failure_texts.h"
#include "display/text_tools.h"
#include "platform/platform.h"

namespace zk {

// The weapon slots are constructed in slot order 0 to 7 as members; the direction vectors are a
// constant table (core/dir_table.h). Everything else waits for "start".
TForm1::TForm1(Platform& platform) : Host(platform) {}

TForm1::~TForm1() = default;

void TForm1::FormShow() {
  Mp3Playing = 0;
  const DesktopRect desk = Host.Desktop();
  Top = (desk.Bottom - desk.Top) / 2 - kDialogHeight / 2;
  Left = (desk.Right - desk.Left) / 2 - kDialogWidth / 2;
  Host.MoveWindow(Left, Top);
}

void TForm1::Button1Click(const StartChoices& choices) {
  // The dialog's controls go; the window becomes the borderless 800 x 600 game screen,
  // centred on the desktop (299 and 399, as the game places it).
  Dialog = choices;
  const DesktopRect desk = Host.Desktop();
  Top = (desk.Bottom - desk.Top) / 2 - 299;
  Left = (desk.Right - desk.Left) / 2 - 399;

  // The dialog's options.
  WindowMode = Dialog.Screen == 1 ? 1 : 0;
  MusicMode = Dialog.Music == 1 ? 1 : 0;
  HardSurvival = Dialog.Survival == 1 ? 1 : 0;
  Host.SetGameWindow(WindowMode == 1, Left, Top);

  // DirectDraw, DirectSound and (MIDI mode) DirectMusic; each handles its own failure.
  StartDX();
  if (CheckClosed()) return;
  StartDS();
  if (CheckClosed()) return;
  StartDirectMusic();
  if (CheckClosed()) return;

  // The 24 name plates, six to a picture in three columns and two rows.
  static constexpr int32_t kVariants[12] = {0, 2, 3, 2, 2, 2, 3, 3, 2, 1, 2, 2};
  int32_t n = 0;
  for (int32_t kind = 1; kind <= 11; ++kind) {
    for (int32_t variant = 0; variant < kVariants[kind]; ++variant, ++n) {
      const int32_t c = n % 6;
      SetNamePlate(n / 6 + 1, kind - 1, variant, 260 * (c % 3), 280 * (c / 3));
    }
  }

  // Variant counts and the one-player routes.
  for (int32_t kind = 0; kind < 12; ++kind) VariantCount[kind] = kVariants[kind];
  static constexpr int32_t kRoutes[2][6] = {{6, 7, 8, 9, 10, 11}, {1, 2, 3, 4, 5, 11}};
  for (int r = 0; r < 2; ++r) {
    for (int i = 0; i < 6; ++i) RouteTable[r][i] = kRoutes[r][i];
  }

  // Robots reset, decision routines bound, motion tables filled.
  Robots[0].ResetRuntime();
  Robots[1].ResetRuntime();
  FillThinkTable();
  DefaultTB_Motion();
  DefaultST_Motion();
  DefaultHB_Motion();
  DefaultFD_Motion();
  DefaultFM_Motion();
  DefaultBB_Motion();
  DefaultSC_Motion();
  DefaultPP_Motion();
  DefaultDF_Motion();
  DefaultLT_Motion();
  DefaultLV_Motion();

  // Both players start as Ro-da placeholders.
  for (CharacterData& robot : Robots) {
    robot.Action = kActionIdle;
    robot.StepTick = 0;
    robot.DecayTick = 0;
  }
  GameMode = kModeOnePlayer;
  DFIn1();
  if (CheckClosed()) return;
  DFIn2();
  if (CheckClosed()) return;

  // Placed, with full armour and energy.
  Robots[0].X = 100;
  Robots[0].Y = 100;
  Robots[1].X = 700;
  Robots[1].Y = 500;
  for (CharacterData& robot : Robots) {
    robot.Armor = robot.Status.MaxArmor;
    robot.Energy = robot.Status.MaxEnergy;
  }

  // Brushes, pens (their values are in TextTools) and the three "Impact" fonts.
  Tools = std::make_unique<TextTools>();
  Tools->LargeFont = CreateFont({"Impact", 40, 40, 500});
  Tools->TextFont = CreateFont({"Impact", 20, 12, 400});
  Tools->SmallFont = CreateFont({"Impact", 14, 8, 400});

  // The "S_BEGIN" jingle; without it the game cannot start.
  const bool sound_was_on = SoundOn();
  if (CreateSoundData("S_BEGIN", JingleSoundBuffer) == 0) {
    EndDirectSound();
    CloseOnFailure(SoundFailure("S_BEGIN", sound_was_on));
    return;
  }

  // The ending roll's units, the title stage, the random generator and the route.
  SetEnd();
  GameStage = kStageTitle;
  KeyReady1 = 0;
  KeyReady2 = 0;
  StageFrame = 0;
  Random.Seed(HasFixedSeed ? FixedSeed : static_cast<uint32_t>(std::time(nullptr)));
  RouteStage = 0;
  Route = 0;
  ScoreFileError = 0;

  // Joysticks: the centre is the middle of the x range, plus one.
  for (int id = 0; id < 2; ++id) {
    JoyState state;
    if (!Host.JoyPosition(id, state)) continue;
    JoyCaps caps;
    Host.JoyCapabilities(id, caps);
    const uint32_t center = (caps.XMin + caps.XMax) / 2u + 1u;
    const int32_t buttons = static_cast<int32_t>(caps.NumButtons);
    if (id == 0) {
      JoyCenter1 = center;
      JoyButtons1 = buttons;
    } else {
      JoyCenter2 = center;
      JoyButtons2 = buttons;
    }
  }

  // No mouse pointer over the game.
  Host.ShowCursor(false);

  // The beat; without it the game shows the error screen, but the start-up goes on.
  if (CreateSoundData("S_BEAT", BeatSoundBuffer) == 0) {
    EndDirectSound();
    EnterError(3, SoundFailure("S_BEAT"));
  }

  // The title, the robot cards, the timer, the select wrap, and the frame loop.
  // A title piece that cannot be opened (MP3 mode) is reported, and the start-up still
  // finishes, so that the game runs without the piece instead of never starting its frames.
  try {
    ToStart();
  } catch (const MediaError& error) {
    Host.MessageBox(kAppTitle, error.what());
  }
  if (CheckClosed()) return;
  DDIN();
  FrameTime.Reset();
  SelectUnlocked = 1;
  IdleInstalled = true;
}

void TForm1::FormClose() {
  Tools.reset();
  EndDX();
  EndDirectSound();
  EndDirectMusic();
  Host.ShowCursor(true);
}

void TForm1::Close() {
  Host.Close();
  CheckClosed();
}

void TForm1::CloseOnFailure(std::string what) {
  if (!FormClosed && CloseFailure.empty()) {
    SayFailure(what);
    CloseFailure = std::move(what);
  }
  Close();
}

bool TForm1::CheckClosed() {
  if (FormClosed) return true;
  if (!Host.Closed()) return false;
  FormClosed = true;
  FormClose();
  return true;
}

}  // namespace zk
