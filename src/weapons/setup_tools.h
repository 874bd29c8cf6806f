// Helpers the weapon set-ups fill a slot with.
#pragma once

#include <cstdint>

#include "weapons/weapon_data.h"
#include "weapons/weapon_sprites.h"

namespace zk::setup {

// Starts a set-up: every shape, flag and template of the slot cleared, then the weapon's name
// (none for melee weapons), sounds, ammunition and volley shape written, and the muzzles set
// 24 pixels ahead and 10 apart (Muzzles(w, 24, 10)).
void Begin(WeaponData& w, const char* name, const char* fire, const char* hit, int32_t ammo,
           int32_t rows, int32_t cols, int32_t rowDelay);
// Muzzles `forward` pixels ahead of the centre along the facing, columns `spacing` apart
// across it.
void Muzzles(WeaponData& w, int32_t forward, int32_t spacing);
// Columns fanned evenly from -spread to +spread (sideways part of their direction).
void Fan(WeaponData& w, double spread);
// The same template for every column of the volley.
void AllColumns(WeaponData& w, int32_t phase, const ShotPhaseData& p);

// A flying phase that hits with its box.
ShotPhaseData Flight(int32_t move, double speed, int32_t damage, int32_t stun, int32_t life,
                     int32_t half, int32_t sprite, int32_t size);
// An explosion standing where the shot ended; with a half size above 0 it hits once.
ShotPhaseData Blast(int32_t sprite, int32_t life, int32_t size, int32_t half = 0,
                    int32_t damage = 0, int32_t stun = 0);

// The small spark and the explosions that flights end in, as phase 1 and the on-hit phase.
void EndInSpark(WeaponData& w);
void EndInBlast(WeaponData& w, int32_t sprite, int32_t size);

}  // namespace zk::setup
