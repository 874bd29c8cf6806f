// The computer opponent's reading of the fight scene, made once per frame, and its ways to a
// firing line.
#pragma once

#include <cstdint>

namespace zk {

struct CharacterData;
class WeaponData;

// What a weapon asks of its user.
enum CpuWeaponRole : int32_t {
  kRoleLine = 0,  // flies where it is fired: needs a firing line
  kRoleSeeker,    // turns after player 1 by itself
  kRoleMelee,     // strikes in front of its owner
  kRoleMine,      // settles where it is laid and waits
};

// A weapon slot as the opponent sees it.
struct CpuWeapon {
  bool Usable = false;  // armed, and unlimited or with ammunition left
  int32_t Role = kRoleLine;
  double Near = 0;  // centre distances at which its shots can hit
  double Far = 0;
  double Aim = 0;  // how far off the firing line a shot still hits (player 1's half width added)
  bool Rapid = false;  // streams while held (a rapid-fire period on its slot)
  bool BreaksGuard = false;
  bool Limited = false;  // spends ammunition
  int32_t Ammo = 0;      // volleys left (limited weapons)
  int32_t Damage = 0;    // a whole volley's damage where every shot hits
  int32_t Stun = 0;      // the stun of its first shot
  // Straight weapons and melee: whether a volley fired now along the facing passes through
  // player 1's body box, from its real muzzles with its shots' real size, where player 1 will be
  // when it arrives (Hits), and also where player 1 stands now (Sure: no step saves it).
  bool Hits = false;
  bool Sure = false;
  // And where player 1 will be if it goes on as it has moved lately (as Hits without a late
  // velocity).
  bool Likely = false;
  double Arrive = 0;   // frames until a shot fired now reaches player 1
  int32_t Busy = 0;    // frames a press keeps its user in the weapon's action ...
  int32_t Windup = 0;  // ... and before its first shot goes
};

// Player 1's nearest shot that will pass through player 2.
struct CpuThreat {
  bool Seen = false;
  double Frames = 0;            // until it is closest
  double MissX = 0, MissY = 0;  // player 2's centre from the shot's path at that moment
  double DirX = 0, DirY = 0;    // the shot's unit direction of travel
  double Reach = 0;             // the distance within which it hits
  bool BreaksGuard = false;
  bool Seeks = false;  // it turns after player 2 (not a mine or a cloud)
};

struct CpuScene {
  double Dist = 0;        // from player 2 to player 1 (hypot)
  double UX = 0, UY = 0;  // unit vector toward player 1
  int32_t Facing = 0;     // the facing player 2's next shot leaves along
  double LineOffset = 0;  // player 1's distance from that facing's firing line
  CpuWeapon Slots[4];
  double MyArmor = 0, FoeArmor = 0;  // fractions of the maximum (energy is read as it is spent)
  bool FoeOpen = false;       // player 1 is hit or busy with a weapon and cannot guard at once
  bool FoeCommitted = false;  // player 1's volley or strike has gone (a strike once it has hit or
                              // run out), it is hit, or it boosts
  bool FoeStriking = false;   // player 1's melee strike is winding up (or going out this frame)
  int32_t FoeMelee = -1;      // player 1's melee slot (0 to 3), -1 none
  bool FoeGuarding = false;   // player 1 guards now
  double FoeSpeed = 0;        // player 1's speed, pixels a frame
  double FoeHalf = 0;         // player 1's half width
  double FoeReach = 0;        // centre distance within which player 1's melee strike hits (0: none)
  double FoeStrikeLeft = 0;   // frames player 1's strike, to come or out, can still land in
  bool FoeStrikeOut = false;  // player 1's strike is out and has not hit
  bool FoeChains = false;     // player 1's strike follows itself at once: a step of it takes a
                              // press straight into a step that strikes
  bool FoeChainsNow = false;  // ... and it is in that step now
  bool FoeFirst = false;      // player 1's strike lands before player 2's would: it does not follow
                              // itself and winds up no longer (or player 2 has no strike)
  double FoeStrikeIn = 0;     // frames until player 1's strike winding up goes out (0: none)
  int32_t FoeWindup = 0;      // frames player 1's strike winds up
  double FoeStunRecovery = 1;  // stun player 1 works off a frame in its hit reaction
  int32_t FoeStrike = 0;       // the damage of player 1's strike (0: none)
  bool FoeGuns = false;        // player 1 has a gun left (a weapon not its strike nor a mine)
  bool FoeLined = false;       // player 2 stands where a straight weapon of player 1's would hit it
  CpuThreat Threat;
  // Player 1's nearest shot that turns after player 2 (missiles, fireflies, stingers) or waits to
  // go off near it (mines), within reach of catching it: Frames until it could, Dir from it
  // toward player 2.
  CpuThreat Chaser;
};

// Player 1's velocity lately, pixels a frame.
struct CpuLateVelocity {
  double X = 0, Y = 0;
};

// Reads the scene for player 2 (`me`, with its four slots) against player 1 (`foe`, with its
// four slots, whose live shots are the threats); `late`, when given, is how player 1 has moved
// lately.
CpuScene ReadScene(const CharacterData& me, const WeaponData* my_slots, const CharacterData& foe,
                   const WeaponData* foe_slots, const CpuLateVelocity* late = nullptr);

// A spot on one of `target`'s eight firing lines (the lines along which a robot standing there
// would fire at it), `dist` from it and inside the field; the lines are tried from facing
// `first` on, turning by `side`. False when none is inside.
bool LineSpot(const CharacterData& target, int32_t first, int32_t side, double dist, double& x,
              double& y);

// Control fields that walk `me` to the spot (dx, dy) pixels away, letting it coast the last of
// the way.
void SteerToSpot(CharacterData& me, double dx, double dy);

}  // namespace zk
