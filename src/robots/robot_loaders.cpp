// The robot loaders: one kind, in the variant the player chose, into one player slot.
#include "core/failure_texts.h"
#include "core/field_text.h"
#include "robots/robot_kinds.h"
#include "shell/form.h"

namespace zk {

namespace {

// The player's view slot each view file goes to (slots: front, back, front-side, back-side, side).
constexpr int kSlotOfFile[5] = {kViewBack, kViewBackSide, kViewFront, kViewFrontSide, kViewSide};

}  // namespace

void TForm1::LoadRobotKind(int32_t kind, int32_t player) {
  const RobotKind* info = FindRobotKind(kind);
  if (info == nullptr || player < 0 || player > 1) return;
  CharacterData& robot = Robots[player];
  WeaponData* weapons = &Weapons[player * 4];

  // The kind's status and its working speed tables.
  info->Status(robot.BaseStatus, info->Modifier);
  robot.WalkSpeed = robot.BaseStatus.WalkSpeed;
  robot.BoostSpeed = robot.BaseStatus.BoostSpeed;

  // The variant: its name, actions, weapons and rapid-fire periods. A number the kind does not have
  // loads its first variant and says so in WeaponType, so that nothing later reads past the kind's
  // variants.
  if (robot.WeaponType < 0 || robot.WeaponType >= static_cast<int32_t>(info->Variants.size())) {
    robot.WeaponType = 0;
  }
  const RobotVariant& variant = info->Variants[robot.WeaponType];
  SetTerminatedText(robot.Name, variant.Name);
  variant.Actions(robot.Actions);
  variant.Slots[0](weapons[0]);
  robot.RapidFire1 = variant.RapidFire1;
  variant.Slots[1](weapons[1]);
  for (int slot = 2; slot < 4; ++slot) {
    if (variant.Slots[slot] != nullptr) variant.Slots[slot](weapons[slot]);
  }
  robot.RapidFire4 = variant.RapidFire4;

  // Idle at the first step.
  robot.RestoreStatus();

  // The kind's sprite frames become the player's.
  MotionTables[player] = MotionTables[info->MotionIndex];

  // The five views, magenta transparent on each; a picture that cannot be loaded ends the
  // program.
  auto& views = ViewSurfaces[player];
  for (auto& view : views) view.reset();
  for (int file = 0; file < 5; ++file) {
    if (!LoadPictureSlot(views[kSlotOfFile[file]], info->Views[file])) {
      CloseOnFailure(PictureFailure(info->Views[file]));
      return;
    }
  }

  // 8: the fire sounds of weapon slots 1 to 4; the first that cannot be made stops sound
  // (CreateSoundData says which it was).
  std::unique_ptr<SoundBuffer>* buffers = &FireSoundBuffers[player * 4];
  for (int slot = 0; slot < 4; ++slot) buffers[slot].reset();
  for (int slot = 0; slot < 4; ++slot) {
    const char* name = kNoWeaponSound;
    if (info->FireSounds != nullptr) {
      name = info->FireSounds[slot];
    } else if (variant.Slots[slot] != nullptr) {
      name = weapons[slot].FireSound.c_str();
    }
    if (CreateSoundData(name, buffers[slot]) == 0) {
      EndDirectSound();
      return;
    }
  }
}

void TForm1::LizardIn1() {
  LoadRobotKind(1, 0);
}
void TForm1::LizardIn2() {
  LoadRobotKind(1, 1);
}
void TForm1::Lizard2In1() {
  LoadRobotKind(2, 0);
}
void TForm1::Lizard2In2() {
  LoadRobotKind(2, 1);
}
void TForm1::PyroIn1() {
  LoadRobotKind(3, 0);
}
void TForm1::PyroIn2() {
  LoadRobotKind(3, 1);
}
void TForm1::FMHIn1() {
  LoadRobotKind(4, 0);
}
void TForm1::FMHIn2() {
  LoadRobotKind(4, 1);
}
void TForm1::BuzzBIn1() {
  LoadRobotKind(5, 0);
}
void TForm1::BuzzBIn2() {
  LoadRobotKind(5, 1);
}
void TForm1::FDogIn1() {
  LoadRobotKind(6, 0);
}
void TForm1::FDogIn2() {
  LoadRobotKind(6, 1);
}
void TForm1::DFIn1() {
  LoadRobotKind(7, 0);
}
void TForm1::DFIn2() {
  LoadRobotKind(7, 1);
}
void TForm1::HBackIn1() {
  LoadRobotKind(8, 0);
}
void TForm1::HBackIn2() {
  LoadRobotKind(8, 1);
}
void TForm1::AgehaIn1() {
  LoadRobotKind(9, 0);
}
void TForm1::AgehaIn2() {
  // V-2-A has one variant; player 2's loader says so before loading.
  Robots[1].WeaponType = 0;
  LoadRobotKind(9, 1);
}
void TForm1::TBahaoIn1() {
  LoadRobotKind(10, 0);
}
void TForm1::TBahaoIn2() {
  LoadRobotKind(10, 1);
}
void TForm1::ScavIn1() {
  LoadRobotKind(11, 0);
}
void TForm1::ScavIn2() {
  LoadRobotKind(11, 1);
}

}  // namespace zk
