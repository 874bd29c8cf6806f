// The form's firing and shot routines and the hit sounds.
#include "shell/form.h"
#include "weapons/weapon_frame.h"

namespace zk {

void TForm1::ShotWeapon() {
  for (int32_t p = 0; p < 2; ++p) {
    const int32_t slot = FireRobotWeapon(Robots[p], Robots[1 - p], &Weapons[p * 4]);
    if (slot >= 0) PlaySoundBuffer(FireSoundBuffers[p * 4 + slot].get(), false);
  }
}

void TForm1::ControlWeapon(int32_t dx, int32_t dy) {
  for (int32_t s = 0; s < 8; ++s) {
    const int32_t p = s / 4;
    const int32_t hits = ControlSlot(Weapons[s], Robots[p], Robots[1 - p], dx, dy);
    for (int32_t h = 0; h < hits; ++h) {
      if (p == 0) {
        HitSound1(Weapons[s].HitSoundIndex());
      } else {
        HitSound2(Weapons[s].HitSoundIndex());
      }
    }
  }
}

void TForm1::HitSound1(int32_t n) {
  PlayHitSound(0, n);
}
void TForm1::HitSound2(int32_t n) {
  PlayHitSound(1, n);
}

void TForm1::PlayHitSound(int32_t player, int32_t n) {
  if (player < 0 || player > 1 || n < 0 || n > 3) return;
  PlaySoundBuffer(HitSoundBuffers[player][n].get(), false);
}

}  // namespace zk
