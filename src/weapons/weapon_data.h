// One weapon slot of a player: its volley shape, shot templates by column and phase, and its
// 12 x 12 live shots.
#pragma once

#include <cstdint>
#include <string>

namespace zk {

struct CharacterData;

inline constexpr int kShotRows = 12;    // the live shots of a slot: 12 x 12 places
inline constexpr int kShotCols = 12;    // (and at most 12 columns in a volley)
inline constexpr int kShotPhases = 4;   // phases a shot can step through
inline constexpr int kSmokeLength = 8;  // smoke puffs kept behind a shot
inline constexpr int kNoPhase = -1;     // "the shot ends" as a phase to go to

// How a shot moves in one phase. Each kind is one small routine (shot_moves.h).
enum ShotMove : int32_t {
  kMoveStill = 0,   // stands where it is: explosions, a fog that has settled
  kMoveStraight,    // constant speed along its direction (bullets, shells, pellets)
  kMoveAccelerate,  // speeds up to a top speed (rockets, bazooka)
  kMoveHoming,      // turns one direction step at a time toward the target (missiles)
  kMoveLob,         // thrown: slows to a stop at its landing point while arcing (grenades)
  kMoveWait,        // slides out, settles on the floor and waits for the target (mines)
  kMoveFloat,       // drifts slowly after the target, bobbing (floating mine)
  kMoveSnake,       // weaves side to side along the floor toward the target (snake mine)
  kMoveFog,         // slows to a stop and swells (acid fog)
  kMoveBeam,        // a line from the owner's muzzle that grows to its length (laser)
  kMoveMelee,       // stands the reach in front of its owner and moves with it
  kMoveSpiral,      // circles outward around a drifting centre (tempest)
  kMoveFirefly,     // flits toward the target on a wavering path (fireflies)
  kMoveDart,        // coasts, then snaps toward the target and darts at it (stingers)
  kMoveKinds
};

// How a phase tests for a hit.
enum ShotHitTest : int32_t {
  kHitNone = 0,  // cannot hit (in the air, still arming)
  kHitBox = 1,   // the shot's box against the target's body box
  kHitBeam = 2,  // the target's centre within the beam's line (ShotData::InLineOfFire)
};

// The template of a shot for one column and one phase.
struct ShotPhaseData {
  int32_t Move = kMoveStill;  // ShotMove
  double Speed = 0;           // pixels per frame when the phase begins (beam: growth per frame)
  double Accel = 0;           // change of speed per frame (spiral: turn per frame in radians)
  double MaxSpeed = 0;        // top speed (beam: full length; spiral: the centre's drift)
  int32_t Param = 0;          // per kind: turn period, trigger radius, reach, wave period...
  int32_t Damage = 0;
  int32_t Stun = 0;
  int32_t Life = 1;            // frames the phase lasts
  int32_t HitTest = kHitNone;  // ShotHitTest
  int32_t HitHalf = 0;         // half width and height of the hit box (beam: half thickness)
  int32_t Grow = 0;            // hit box growth per 4 frames (fog)
  int32_t Sprite = 0;          // first cell on the "WEAPON" sheet (weapon_sprites.h)
  int32_t Frames = 1;          // animation cells after Sprite (by age), or 8 for cells by direction
  int32_t FrameRate = 1;       // frames per animation cell
  int32_t Size = 8;            // drawn half size
  uint8_t Smoke = 0;           // 1: leaves a smoke trail
  uint8_t Homeward = 0;        // 1: steers for its owner instead of its target
  int32_t NextPhase = kNoPhase;  // phase entered at the end of its life
};

struct SmokePuff {
  double X = 0;
  double Y = 0;
  int32_t Age = 0;  // frames since the puff was left; the drawer fades it
};

// One live projectile.
class ShotData {
 public:
  uint8_t Active = 0;
  int32_t Phase = 0;
  int32_t Tick = 0;       // frames spent in the current phase
  int32_t Delay = 0;      // frames before the shot leaves the muzzle (later rows of a volley)
  int32_t Column = 0;     // column of the volley: picks the template and the muzzle
  double X = 0, Y = 0;    // centre on the playfield
  double DX = 0, DY = 0;  // direction of travel (a DirTable vector, spread sideways per column)
  double Speed = 0;
  int32_t Dir = 0;        // 8-way direction index of travel, 0 up and clockwise
  double AX = 0, AY = 0;  // anchor: landing point, snake axis, spiral centre, muzzle offset
  double Angle = 0;       // spiral angle, wave phase
  double Radius = 0;      // spiral radius
  double Z = 0;           // height above the floor (thrown shots), for drawing
  double Length = 0;      // beam length along (DX, DY)
  int32_t Half = 0;       // current hit-box half size
  int32_t HitCool = 0;    // frames until the shot may hit again
  uint8_t Spent = 0;      // 1 once a one-hit phase has hit
  uint32_t Seed = 0;      // the shot's own wobble sequence (never the game's generator)
  // What the drawer needs.
  int32_t Cell = 0;  // sheet cell of the current frame
  int32_t Size = 0;  // drawn half size
  SmokePuff Smoke[kSmokeLength];
  int32_t SmokeCount = 0;
  int32_t SmokeHead = 0;  // where the next puff goes

  // The beam's hit test: of the target it reads only the centre and the half width.
  bool InLineOfFire(const CharacterData& target) const;
  // Leaves a smoke puff at the current position, dropping the oldest when the trail is full.
  void AddSmoke();
};

// Offset of a muzzle from the robot's centre.
struct MuzzleOffset {
  int32_t X = 0;
  int32_t Y = 0;
};

class WeaponData {
 public:
  WeaponData();

  // Set-up and round state.
  MuzzleOffset Aim[8][kShotCols];  // by facing and shot column
  int32_t Ammo = 0;                // volleys left
  std::string Name;
  int32_t Rows = 0;      // rows in one volley
  int32_t Columns = 0;   // shots in one row
  int32_t RowDelay = 0;  // frames between the rows of a volley
  std::string FireSound;
  std::string HitSound;
  uint8_t Unlimited = 0;   // 1: firing uses no ammunition
  uint8_t Beam = 0;        // 1: the shots are beams
  uint8_t BreakGuard = 0;  // 1: a hit throws a guarding robot into the hit reaction
  uint8_t Push = 0;        // 1: a hit knocks the robot back along the shot's direction
  uint8_t MultiHit = 0;    // 1: a shot hits again every HitInterval frames while it touches
  int32_t HitInterval = 0;
  uint8_t EndOnOwnerHit = 0;          // 1: the shots vanish when the owner is hit
  uint8_t Armed = 0;                  // 1 once a set-up has put a weapon into the slot this round
  double Spread[kShotCols] = {};      // sideways part of each column's direction
  double SpeedScale[kShotCols] = {};  // speed factor of each column
  ShotPhaseData Phases[kShotCols][kShotPhases];
  ShotData Shots[kShotRows][kShotCols];
  uint8_t VolleyLock = 0;       // 1 after a volley until the firing routine clears it
  int32_t LiveShots = 0;        // shots in flight after the last move
  int32_t HitPhase = kNoPhase;  // phase a shot enters when it hits
  CharacterData* Owner = nullptr;
  CharacterData* Target = nullptr;

  void RoundReset();
  void ResetShots();

  // The hit-sound buffer the weapon plays: 0 to 3 for "HITTED1" to "HITTED4", 3 for any other
  // name.
  int32_t HitSoundIndex() const;

  // Fires one volley from the owner; false when none went off (no ammunition, the volley lock,
  // too few free places, no weapon in the slot).
  bool Fire();
  // What a hit does to the target: damage, stun, the hit reaction, knock-back or turning.
  void HitCheck(CharacterData& target, int32_t damage, int32_t stun, int32_t dir, double shotX,
                double shotY) const;
  // One frame of the slot's shots, in this order: move every live shot, shift them and their
  // smoke by the scroll, then test them against the target; TestHits returns the hits made
  // (each one plays the weapon's hit sound).
  void MoveShots();
  void ShiftShots(int32_t dx, int32_t dy);
  int32_t TestHits();

  // Weapon set-ups.
  void SetMelee(int32_t reach, int32_t lifetime, int32_t damage, int32_t stun);
  void SetMelee_FDog();
  void SetWaitingStinger_Lizard();
  void SetWaitingMine_Lizard();
  void SetSpreadCannon_Lizard();
  void Set80mmCannon_Lizard();
  void SetRocketX6_TBahao();
  void SetFireFly_Scav();
  void SetMissileX6_Scav();
  void SetRifle_Scav();
  void SetSnatcher_TBahao();
  void SetGranade_TBahao();
  void Set80mmCannonX2_TBahao();
  void Set80mmCanonX3_TBahao();
  void SetShotGun_TBahao();
  void SetLazerShot_Ageha();
  void SetRifle_Ageha();
  void SetGatringGun_DF();
  void SetAcidFog_HBack();
  void SetTempestAcid_HBack();
  void SetTempest_HBack();
  void SetLazerShot_HBack();
  void SetGranade_HBack();
  void SetSpreadBazooka_DF();
  void SetBazooka_DF();
  void SetAcidFog_DF();
  void SetMissleX1_FDog();
  void SetFloatingMine_FDog();
  void SetShotGunSLAG_FDog();
  void SetShotGun_FDog();
  void SetStinger_BuzzB();
  void SetFireFly_BuzzB();
  void SetAsultRifle_BuzzB();
  void SetFireFly_FMH();
  void SetLazerShot_FMH();
  void SetRocketX4_FMH();
  void SetSnakeMine_FMH();
  void SetGatringGun_FMH();
  void SetMissileX6_Pyro();
  void SetMissileX1_Pyro();
  void Set180mmCanon_Pyro();
  void Set80mmCannon_Pyro();
  void SetGatringGun_Pyro();
  void SetStinger_Lizard2();
  void SetShotGun_Lizard2();
  void SetRocketX4_Lizard2();
  void SetRifle_Lizard2();
  void SetMachineGun_Lizard2();
  void SetMissileX1_Lizard2();

 private:
  void Launch(ShotData& shot);
  void EnterPhase(ShotData& shot, int32_t phase);
  void EndShot(ShotData& shot);
};

}  // namespace zk
