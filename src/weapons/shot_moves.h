// The shots' movement kinds: one small routine per kind, each moving a shot by one frame.
#pragma once

#include <cstdint>

#include "characters/direction8.h"
#include "weapons/weapon_data.h"

namespace zk {

// What a moving shot may look at: its owner's centre and facing, its target's centre.
struct MoveContext {
  bool HasOwner = false;
  double OwnerX = 0, OwnerY = 0;
  int32_t OwnerFacing = 0;
  bool HasTarget = false;
  double TargetX = 0, TargetY = 0;
};

// A movement routine moves the shot by one frame (its Tick still counts the frames before this
// one) and returns true when the phase ends at once (a mine that was set off).
using MoveRoutine = bool (*)(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx);

bool MoveStill(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx);
bool MoveStraight(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx);
bool MoveAccelerate(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx);
bool MoveHoming(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx);
bool MoveLob(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx);
bool MoveWait(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx);
bool MoveFloat(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx);
bool MoveSnake(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx);
bool MoveFog(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx);
bool MoveBeam(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx);
bool MoveMelee(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx);
bool MoveSpiral(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx);
bool MoveFirefly(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx);
bool MoveDart(ShotData& shot, const ShotPhaseData& phase, const MoveContext& ctx);

// The routine of a kind; a kind out of range stands still.
MoveRoutine MoveRoutineOf(int32_t kind);

// One step of `dir` toward `want`, the shorter way round (clockwise when opposite).
int32_t TurnToward(int32_t dir, int32_t want);

// Frames a waiting or floating mine needs after it settles before it can be set off.
inline constexpr int32_t kMineArming = 8;
// Frames between a snake mine's turns toward its target.
inline constexpr int32_t kSnakeTurnPeriod = 16;

}  // namespace zk
