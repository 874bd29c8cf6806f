// The title and the robot select screen: their entries and the select screen's frames.
#include <initializer_list>
#include <memory>
#include <optional>

#include "core/failure_texts.h"
#include "shell/form.h"

namespace zk {

namespace {

// Loads a picture into a slot (the old picture released first). With `key` empty the picture's
// own match for magenta becomes its key and is handed back for the pictures that follow;
// otherwise the given key is set.
bool LoadKeyed(TForm1& form, std::unique_ptr<Surface>& slot, std::string_view name,
               std::optional<uint32_t>& key) {
  if (key) return form.LoadPictureSlot(slot, name, *key);
  if (!form.LoadPictureSlot(slot, name)) return false;
  key = slot->ColorKey();
  return true;
}

struct KeyedPicture {
  std::unique_ptr<Surface>* Slot;
  const char* Name;
};

// Loads the pictures in order, all with one key (see LoadKeyed); the first that cannot be loaded
// closes the form, naming it.
bool LoadKeyedOrClose(TForm1& form, std::initializer_list<KeyedPicture> pictures,
                      std::optional<uint32_t>& key) {
  for (const KeyedPicture& p : pictures) {
    if (!LoadKeyed(form, *p.Slot, p.Name, key)) {
      form.CloseOnFailure(PictureFailure(p.Name));
      return false;
    }
  }
  return true;
}

}  // namespace

void TForm1::ResetChoices() {
  Robots[0].ResetRuntime();
  Robots[1].ResetRuntime();
  KeyReady1 = KeyReady2 = 0;
  KeyRepeat1 = KeyRepeat2 = 0;
  StageFrame = 0;
  RobotKind1 = RobotKind2 = 1;
  Decided1 = Decided2 = 0;
}

void TForm1::ToStart() {
  StopSoundBuffer(BeatSoundBuffer.get());
  ResetChoices();
  RouteStage = 0;
  Route = 0;
  GameStage = kStageTitle;

  // The title picture, the menu bar and the menu cursor share the title picture's key.
  std::optional<uint32_t> key;
  if (!LoadKeyedOrClose(*this,
                        {{&SheetSurfaceA, "others/nr_start.bmp"},
                         {&SheetSurfaceB, "others/start_bar.bmp"},
                         {&ViewSurfaces[1][0], "others/select_cursor.bmp"}},
                        key)) {
    return;
  }

  if (!MakeJingle("S_BEGIN")) return;

  if (MusicMode == 0) {
    StartStageMusic(&TForm1::MakeSegment_Start, false);
  } else {
    Mp3Playing = 0;
    StopMp3();
    PlayMp3("music/junk.mp3");  // raises MediaError when it cannot be played
    Mp3Playing = 1;
  }
}

void TForm1::ToSelect() {
  ResetChoices();
  Robots[0].WeaponType = 0;
  Robots[1].WeaponType = 0;

  // The best survival score (normal file, whatever the option) may open the select wrap.
  ReadBestScore();

  std::optional<uint32_t> marks_key;
  std::optional<uint32_t> mos_key;
  const char* failed = nullptr;
  if (!LoadKeyed(*this, SheetSurfaceA, "SELECT_MARKS", marks_key)) {
    failed = "SELECT_MARKS";
  } else if (!LoadKeyed(*this, SheetSurfaceB, "SELECT_MOS", mos_key)) {
    failed = "SELECT_MOS";
  }
  if (failed != nullptr) {
    EndDX();
    EnterError(4, PictureFailure(failed));
    return;
  }

  // Name plates, select bar, cursor and background, all with the key of "SELECT_MOS".
  if (!LoadKeyedOrClose(*this,
                        {{&ViewSurfaces[0][0], "others/nameplate1.bmp"},
                         {&ViewSurfaces[0][1], "others/nameplate2.bmp"},
                         {&ViewSurfaces[0][2], "others/nameplate3.bmp"},
                         {&ViewSurfaces[0][3], "others/nameplate4.bmp"},
                         {&ViewSurfaces[0][4], "others/select_bar.bmp"},
                         {&ViewSurfaces[1][0], "others/select_cursor.bmp"},
                         {&ViewSurfaces[1][1], "others/select_back.bmp"}},
                        mos_key)) {
    return;
  }

  if (!MakeJingle("S_SELECT")) return;

  // MIDI: the select music; MP3: the title's piece plays on.
  if (MusicMode == 0) StartStageMusic(&TForm1::MakeSegment_Select, true);
}

namespace {

// One player's cursor over the kinds and variants, with that player's key gate and controls.
struct Cursor {
  int32_t& Kind;
  int32_t& Variant;
  int32_t& Decided;
  uint8_t& Ready;
  int32_t& Repeat;
  const CharacterData& Controls;
};

}  // namespace

void TForm1::SelectStage() {
  if (GameStage == kStageSelectIn) {
    ++StageFrame;
    if (StageFrame == 36) {
      GameStage = kStageSelect;
      StageFrame = 0;
    }
    return;
  }
  if (GameStage != kStageSelect) return;
  if (GameMode != kModeOnePlayer && GameMode != kModeTwoPlayers && GameMode != kModeSurvival)
    return;

  auto move = [&](Cursor c, bool chooses_route) {
    if (c.Decided == 1) return;
    if (c.Ready == 0) {
      if (++c.Repeat == 10) {
        c.Repeat = 0;
        c.Ready = 1;
      }
      return;
    }
    if (c.Controls.InputY == kInputUp) {
      c.Ready = 0;
      c.Kind = c.Kind == 1 ? 11 : c.Kind - 1;
      c.Variant = 0;
    } else if (c.Controls.InputY == kInputDown) {
      c.Ready = 0;
      int32_t next = c.Kind;
      if (SelectUnlocked != 0) {
        next = c.Kind == 11 ? 1 : c.Kind + 1;
      } else if (c.Kind + 1 < 11) {
        next = c.Kind + 1;
      }
      if (next != c.Kind) {
        c.Kind = next;
        c.Variant = 0;
      }
    }
    if (c.Controls.InputX == kInputRight) {
      c.Ready = 0;
      if (c.Variant + 1 < VariantCount[c.Kind]) ++c.Variant;
    }
    if (c.Controls.InputX == kInputLeft) {
      c.Ready = 0;
      if (c.Variant - 1 >= 0) --c.Variant;
    }
    if (c.Controls.InputButton == kButtonWeapon1) {
      PlayJingle();
      if (chooses_route) {
        if (c.Kind <= 5) {
          Route = 0;
        } else if (c.Kind <= 10) {
          Route = 1;
        } else {
          Route = Random.Next() % 2;
        }
      }
      c.Ready = 0;
      c.Decided = 1;
    }
  };

  move({RobotKind1, Robots[0].WeaponType, Decided1, KeyReady1, KeyRepeat1, Robots[0]},
       GameMode != kModeTwoPlayers);
  if (GameMode == kModeTwoPlayers) {
    move({RobotKind2, Robots[1].WeaponType, Decided2, KeyReady2, KeyRepeat2, Robots[1]}, false);
  }

  const bool all_decided = Decided1 == 1 && (GameMode != kModeTwoPlayers || Decided2 == 1);
  if (!all_decided) return;
  ++StageFrame;
  if (StageFrame == 15) {
    NewRun = 1;
    if (GameMode == kModeSurvival) SurvivalWins = 0;
    GameStage = kStageBeforeFight;
    ToBefore();
  }
}

}  // namespace zk
