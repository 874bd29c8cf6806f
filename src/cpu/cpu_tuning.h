// Every number the computer opponent is tuned by, each with the reason it has its value. Distances
// are pixels, times frames (25 a second), weights relative.
#pragma once

#include <cstdint>

#include "cpu/cpu_brain.h"

namespace zk {

struct CpuTuning {
  // ---- Reading the scene ----
  double ThreatHorizon = 40;  // a shot further off than this in frames is not worth a step yet
  double ThreatMargin = 6;    // a shot passing this close outside the body box still counts
  double FanWidth = 40;       // a fan is lined up only where its shots are still this close
  double Farthest = 800;      // no shot counts as reaching further than the field is wide
  double FanSlack = 60;       // ... and past where its spread reaches that width, this far still
                              // catches a body
  double AimCap = 12;  // a shot's own half size counts toward its aim at most this: a big shot off
                       // the line grazes, and a graze is a miss
  double WindUp = 2;   // frames from press to shot, in which player 1 may still move
  double Graze = 2;    // pixels of body a shot must cross to count as a hit
  double ChaserMargin = 20;   // a chasing shot or mine this much beyond its reach may still catch
  double ChaserSight = 120;   // chasing shots further than this beyond their reach are ignored
  double LateShare = 8;       // player 1's velocity lately: each frame moves it 1/8 of the way
  double VelocityScale = 16;  // the late velocity is kept in 1/16 px a frame: whole numbers fine
                              // enough for the slowest walk (a quarter pixel a frame)
  int32_t HabitKeep = 2;      // a new fight keeps 1/2 of what was learnt of player 1's habits: the
                              // same player, maybe another robot

  // ---- The field ----
  int32_t WallMargin = 70;  // closer than this to an edge is near the wall (room to turn, dodge)
  double SteerDead = 0.3;   // a wish below this share of a full stride leaves that axis alone
  double DodgeDead = 0.4;   // a dodge or a run needs a cleaner direction than a walk
  double SpotSlack = 4;     // pixels from a spot that count as there

  // ---- Choosing a plan ----
  // How long each plan lasts, least and most frames: long enough to get somewhere, short enough
  // to answer a changed fight (guard and boost out are answers to a moment).
  int32_t PlanFrames[kPlanKinds][2] = {
      {25, 75},   // close
      {40, 100},  // circle: a quarter round takes the longest
      {20, 50},   // strafe
      {30, 80},   // keep away
      {15, 40},   // burst
      {30, 70},   // mine: walk into player 1's way first
      {8, 25},    // guard: about one volley
      {10, 20},   // boost out: a corner is left in half a second
  };
  int32_t LowArmorAway = 2;   // ... keeps away this many times as often
  int32_t KillClose = 3;      // ... closes this many times as often: goes in for the kill
  int32_t UnarmedAway = 3;    // nothing left to fire: keeps away 3 times in 4 ...
  int32_t UnarmedStrafe = 1;  // ... and strafes (dodging) the rest
  // How much a weapon suits the moment (relative; the kind's preference multiplies it):
  int32_t SuitPlain = 4;          // any weapon, as it is
  int32_t SuitGuardMelee = 24;    // a strike against a player who guards a lot: it costs nothing
                                  // and a guard still loses to it in the end
  int32_t SuitGuardBreak = 16;    // ... what breaks a guard
  int32_t SuitGuardLimited = 1;   // ... a limited shot a guard stops: near never
  int32_t SuitLastShare = 2;      // a weapon near its last volleys counts half: keep some for later
  int32_t CornerRoom = 90;        // boost out of a corner only this close to a wall ...
  double CornerFoe = 250;         // ... with player 1 this close
  double LowArmor = 0.3;          // below this share of its armour it ...
  double FoeLowArmor = 0.25;      // below this share of player 1's armour it ...
  int32_t LongFight = 1200;       // after this shooting has not settled it: close with melee more
  int32_t DragWeight = 60;        // ... this much more often
  int32_t GuardCloseWeight = 60;  // against a guard: close (to wait at its reach) this much more
  int32_t GuardMineFactor = 3;    // against a guard mines are laid this many times as often
  int32_t BandFactor = 3;   // a weapon whose band it stands in is chosen this many times as often
  int32_t LastVolleys = 3;  // a limited weapon's last volleys wait for sure shots
  int32_t RunnerPatience = 40;  // FoeRun above this: player 1 is a runner

  // ---- Keeping its band ----
  double BandShare = 0.85;    // keeps within this share of a weapon's far edge
  double NearShare = 1.1;     // and this far outside its near edge
  double BandWidth = 60;      // the least width of a band it keeps
  double MineSpot = 90;       // lays a mine this far from player 1, in its way
  double ReachGap = 15;       // keeps this far outside player 1's melee reach while shooting
  double LateralShare = 0.8;  // how much a circling or strafing step leans sideways
  double FarRun = 380;        // closing from further than this, it boosts
  double OutPull = 0.25;      // boosting out of a corner: the open middle pulls by 1 per this
                              // share of the field (from a quarter off the middle, as much as
                              // player 1 pushes)
  double LinedLean = 0.3;     // out of player 1's line, the wish keeps this share of its own way
  double PunishDepth = 0.5;   // punishing, it walks in to this share of its strike's reach: deep
                              // enough that a step back does not save player 1

  // ---- Against a guard, a runner, a rusher ----
  double EdgeRoom = 60;       // closer than this to an edge, a strike's knock-back is stopped there
  double EdgeBack = 0.3;      // ... when player 1 stands at least this much (of a unit) off it
  double SlipGap = 40;        // ... so it slips out when player 1's strike is this far off
  double SlipAhead = 8;       // ... or as many frames away at player 1's late closing speed
  double SlipRoom = 150;      // the way out looks this far ahead for room ...
  double SlipRoomLeast = 90;  // ... and a way with less room than this is a dead end
  double SlipRoomWeight = 1.5;  // ... which counts more than leading straight away from player 1
  double WalkingIn = 0.5;       // a striker closing faster than this (px a frame) is walking in
  // A striker whose strike follows itself at once (a guard only feeds its next strike, and it
  // lands before any answer) is kept off:
  double KeepOffWalk = 1;      // ... once it has been walking in a while, while it walks in faster
                               // than this (px a frame), or strikes moving faster than this ...
  double KeepOffAhead = 13;    // ... and would be within its reach in this many frames
  double KeepOffGap = 40;      // ... within this much beyond the reach its strike sweeps moving
  double KeepOffFalls = 1;     // ... and the distance falls faster than this (px a frame)
  double KeepOffBoost = 250;   // ... boosting within this distance
  int32_t KeepOffEnergy = 60;  // ... while the energy is above this (a flight is not saved for)
  double KeepOffGuard = 70;    // ... and guarding its strike within this distance
  double KeepOffPull = 250;    // the flight bends toward the open middle: 1 per this many px across
  double KeepOffPullMax = 1.5;  // ... and at most this much
  double ChargeWalk = 2;        // player 1 closing faster than this (px a frame) walks in on it:
  int32_t ChargeStep = 3;       // FoeCharge grows by this each such frame, falls by 1 otherwise
  int32_t ChargeMax = 100;
  int32_t ChargePatience = 20;  // FoeCharge above this: player 1 has been walking in a while
  double EvadeFoe = 1;      // a run from a mine near player 1's strike leads this much away from it
  double StruckSide = 500;  // a dodge's side that ends within player 1's strike scores this less
  double CoverGap = 14;     // a let-go or a strike this far outside player 1's reach is covered
  double ContactGap = 10;   // bodies this close (beyond their half widths) are pressed together
  double PunishZone = 40;   // a committed player this far beyond either reach is gone in on
  double HoldSpare = 4;     // a strike on a baiting striker holds it this much past its own end
  int32_t FarBack = 600;    // frames since player 1 last guarded are counted up to this
  int32_t CoverFrames = 6;  // a let-go within reach is covered this long
  double CoverDeep = 12;    // this deep inside player 1's reach it guards; else boosts out
  double BusyDeep = 40;     // a gun is not fired when a striker walking in would be this deep in
                            // its reach before the gun's action is over
  double CoverDeepStrike = 30;  // ... this deep when its strike is on the way (a guard still
                                // loses a quarter of a heavy strike)
  double PinShare = 0.8;        // when pinning, stands between player 1 and the open field at this
                                // share of its band
  double PinBoost = 200;        // and boosts closer from beyond this (nearer, a boost only makes
                                // the runner boost away, and a boosting robot faces its way)
  double PinStandoff = 250;     // a patient kind meets a runner this far off: a runner stops to
                                // fire from there, and its shots are dodged at that range
  double PinLurk = 200;         // with only strikes left on both sides, a pin lurks this far off
                                // (beyond where a runner boosts) ...
  double PinCharge = 0.9;       // ... until it has this share of its energy, then boosts in ...
  double CornerPullFar = 250;   // ... standing where a runner's way out leads into its corner: the
                                // middle draws a runner aside by 1 per this many px off it ...
  double CornerPullMax = 0.8;   // ... and at most this much
  double TrapRoom = 120;        // ... and boosts in only once the runner's way away from it has
                                // less room than this: an edge or a corner is at its back
  double RunnerSpurt = 1;    // ... heading for where player 1 will be at its late speed times this
  double InterceptMax = 30;  // ... looking at most this many frames ahead
  double PursueClear = 100;  // a runner is run down while it draws away, or while it is this far
                             // beyond its own strike's reach ...
  double PursueBoost = 160;  // ... boosting within this distance: a runner that boosts away from
                             // here spends its energy as fast as the pursuer does ...
  double PursueLead = 40;    // ... heading for where the runner will be once it is this close
  int32_t StandPatience = 120;  // standing off this long without a press it closes in ...
  int32_t CloseInFrames = 100;  // ... (or missing) for this long
  double RunAway = 1.5;         // player 1 drawing away faster than this (px a frame) is running
  double RunFar = 150;          // ... from further than this
  int32_t RunStep = 4;          // FoeRun grows by this each running frame, falls by 1 otherwise
  int32_t RunMax = 400;
  int32_t ChaseRun = 150;    // FoeRun from this, a strike boosts after a runner ...
  int32_t ChaseQuiet = 300;  // ... with no gun left or none fired for this many frames, ...
  double ChaseLead = 45;     // ... to where it will be this many frames on
  double RunnerFlight = 30;  // against a runner a limited shot must land this soon
  double AlongLine = 0.5;    // moving less than this across the line (px a frame) keeps it on
  double PatientFlight = 8;  // a kind whose every weapon runs dry fires only shots this quick ...
  double LeadFrames = 30;    // ... and lines up with where player 1 will be this many frames on

  // ---- Firing ----
  int32_t GuardedLately = 30;  // FoeGuard above this: player 1 guards a lot
  int32_t GuardStep = 6;       // FoeGuard grows by this each guarding frame, falls by 1 otherwise
  int32_t GuardMax = 400;
  int32_t FireStep = 10;  // FoeFire grows by this each frame player 1 fires, falls by 1
  int32_t FireMax = 200;
  int32_t StrikeStep = 2;      // FoeStrikes grows by this each frame player 1 strikes, falls by 1:
  int32_t StrikeMax = 600;     // a strike or two marks a striker for a long while
  double ShotSlack = 80;       // straight shots fly this far past the kind's far band
  double QuickFrames = 7;      // a shot arriving this soon cannot be guarded in time
  double LongFlight = 16;      // frames of flight a moving player is likely to leave
  double MineNear = 220;       // a mine is laid this close to player 1 ...
  double MineCareful = 120;    // ... and its last ones this close
  double SeekerRunner = 110;   // a seeker goes at a runner only from this close
  double SeekerCareful = 200;  // a seeker's last volleys go from this close
  int32_t PressFrames = 3;     // a press is held this long once its action has started ...
  int32_t PressMax = 30;       // ... and never longer than this
  int32_t StreamMin = 15;      // a streaming weapon's burst: at least this ...
  int32_t StreamSpread = 30;   // ... and up to this many frames more
  int32_t WatchMax = 60;       // a volley's flight is watched at most this long ...
  int32_t WatchSlack = 6;      // ... and this much after it should have landed
  int32_t MissesToMove = 2;    // straight volleys missed in a row before it moves to another line
  int32_t MoveFrames = 30;     // frames it holds straight fire while it moves
  int32_t WeakMelee = 40;      // a strike doing less than this is a last resort ...
  int32_t LongStun = 100;      // ... unless it stuns at least this long (time for another)
  int32_t Patience = 60;       // frames without a press before any hit is taken
  int32_t Restless = 120;      // frames without a press before it goes straight in with melee
  // Which weapon takes a chance between presses (higher first):
  int32_t RankStrike = 5;      // a strong strike: it costs nothing
  int32_t RankBreaker = 4;     // against a guard, what breaks it
  int32_t RankPlan = 3;        // the plan's weapon
  int32_t RankOther = 2;       // any other that would hit
  int32_t RankWeakStrike = 1;  // a weak strike: only when nothing else would hit

  // ---- Dodging ----
  double DodgeSpare = 10;   // a side with this much room beyond the step is open
  double StrideLag = 3;     // frames a stride takes to reach its speed
  int32_t ShotLately = 20;  // player 1's ammunition fell this recently: its gun is firing
  double LineGuard = 110;   // closer than this to a gun lined up and firing, its shots are guarded
  int32_t GuardExtra = 4;   // a guard against a shot is held this long after it should hit
  int32_t DodgeMin = 4;     // a dodge step lasts at least this ...
  int32_t DodgeMax = 20;    // ... and at most this
  int32_t DodgeSlack = 2;   // a dodge step goes on this long after the shot should be cleared
  double ChaserFrames = 6;  // a chasing shot or mine this close is guarded or run from
  int32_t EvadeFrames = 8;  // frames a run from it lasts
  int32_t SeekerGuardFrames = 5;  // frames a guard against a shot turning after it lasts
  double OpenPullX = 400;         // a run bends toward the open middle: 1 per this many px across
  double OpenPullY = 300;         // ... and down

  // ---- Hands ----
  int32_t KeyHoldMin = 5;    // a move key stays as it is this long unless dodging or covering
  int32_t QuietFrames = 12;  // sending nothing this long, it moves on
};

inline constexpr CpuTuning kTune{};

}  // namespace zk
