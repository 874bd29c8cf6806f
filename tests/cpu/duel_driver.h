// One-player fights driven in-process: a scripted player 1 against the computer opponent, frame
// by frame through the fight loop, and the player-1 strategies the opponent is measured against.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <set>
#include <tuple>
#include <vector>

#include "characters/playfield.h"
#include "cpu/cpu_scene.h"
#include "platform/headless_platform.h"
#include "robots/robot_kinds.h"
#include "shell/form.h"
#include "weapons/weapon_test_util.h"

namespace zk::test {

// Player 1's driver: writes its control fields for the frame.
using Player1 = std::function<void(TForm1&, int32_t frame)>;

struct Fighters {
  int32_t kind1, variant1, kind2, variant2;
};

struct DuelResult {
  int32_t winner = 0;    // 0: a draw, or no knock-out in time
  bool decided = false;  // a knock-out (or both) ended it in time
  int32_t frames = 0;
  std::set<int32_t> pressed;  // player 2's weapon buttons
  int32_t broken = 0;         // frames pressing an empty slot, or writing a field while planning
  int32_t idle = 0;           // longest run of frames with no control field set, not guarding
  int32_t volleys = 0;        // volleys of limited ammunition player 2 spent
  int32_t damage = 0;         // armour player 1 lost
  int32_t key_changes = 0;    // frames in which player 2's move keys differ from the last frame
  int32_t hit_run = 0;        // player 2's longest run of frames in its hit reaction
  int32_t taken = 0;          // armour player 2 lost
  int32_t taken_at_edge = 0;  // of it, while its centre was within 45 pixels of a field edge
};

// A one-player fight as the intro leaves it.
struct Duel {
  std::unique_ptr<Platform> host = MakeHeadlessPlatform();
  std::unique_ptr<TForm1> form = std::make_unique<TForm1>(*host);
  TForm1& f = *form;

  Duel(const Fighters& who, uint32_t seed) {
    f.FillThinkTable();
    f.GameMode = 1;
    f.MusicMode = 1;
    f.Random.Seed(seed);
    Load(who);
    const int32_t lane = static_cast<int32_t>(seed % 5) * 50;
    f.Robots[0].X = 200;
    f.Robots[0].Y = 200 + lane;
    f.Robots[1].X = 600;
    f.Robots[1].Y = 400 - lane;
  }
  // Loads both robots for a fight and resets the plan as the fight set-up does.
  void Load(const Fighters& who) {
    f.RobotKind2 = who.kind2;
    for (int p = 0; p < 2; ++p) {
      const RobotKind& kind = *FindRobotKind(p == 0 ? who.kind1 : who.kind2);
      const size_t variant = p == 0 ? who.variant1 : who.variant2;
      LoadVariant(f.Robots[p], &f.Weapons[p * 4], kind,
                  kind.Variants[variant % kind.Variants.size()]);
    }
    f.Cpu.Phase = 0;
    f.Cpu.Counter = 0;
    f.KoPending = 0;
    f.Winner = 0;
    f.GameStage = 9;
  }
  // Player 2's decision routine, as the input routine calls it.
  void Think() {
    const ThinkRoutine think = f.ThinkTable[f.RobotKind2];
    (f.*think)();
  }
};

// Plays `duel` on until a robot is down (or `max_frames`).
inline DuelResult PlayOn(Duel& duel, const Player1& p1, int32_t max_frames) {
  TForm1& f = duel.f;
  const CharacterData& p2 = f.Robots[1];
  auto fields = [&p2] { return std::tuple(p2.InputX, p2.InputY, p2.InputButton); };
  DuelResult r;
  const int32_t armor0 = f.Robots[0].Armor;
  int32_t idle = 0, hit = 0;
  std::pair<int32_t, int32_t> keys{p2.InputX, p2.InputY};
  for (r.frames = 1; r.frames <= max_frames && f.GameStage == 9; ++r.frames) {
    p1(f, r.frames);
    const auto before = fields();
    const bool planning = f.Cpu.Phase != 1;
    duel.Think();
    r.broken += planning && fields() != before;
    r.key_changes += std::pair(p2.InputX, p2.InputY) != keys;
    keys = {p2.InputX, p2.InputY};
    const int32_t b = p2.InputButton;
    const int32_t slot = b >= kButtonBoostWeapon1 && b <= kButtonBoostWeapon4
                             ? b - kButtonBoost
                             : (b <= kButtonWeapon4 ? b : kButtonNone);
    if (slot >= 1) {
      r.pressed.insert(slot);
      const WeaponData& w = f.Weapons[3 + slot];
      r.broken += w.Armed != 1 || (w.Unlimited != 1 && w.Ammo <= 0);
    }
    const bool quiet = fields() == std::tuple(0, 0, 0) && p2.Action != kActionGuard;
    idle = quiet && f.KoPending == 0 ? idle + 1 : 0;
    r.idle = std::max(r.idle, idle);
    int32_t ammo = 0;
    for (int k = 4; k < 8; ++k) ammo += f.Weapons[k].Unlimited == 1 ? 0 : f.Weapons[k].Ammo;
    const int32_t armor = p2.Armor;
    const bool at_edge = std::min({p2.X, kFieldWidth - p2.X, p2.Y, kFieldHeight - p2.Y}) < 45;
    f.FightStage();
    for (int k = 4; k < 8; ++k) ammo -= f.Weapons[k].Unlimited == 1 ? 0 : f.Weapons[k].Ammo;
    r.volleys += std::max(ammo, 0);
    const int32_t lost = std::max(armor - p2.Armor, 0);
    r.taken += lost;
    r.taken_at_edge += at_edge ? lost : 0;
    hit = p2.Action == kActionHit ? hit + 1 : 0;
    r.hit_run = std::max(r.hit_run, hit);
  }
  r.decided = f.GameStage == 10;
  r.winner = r.decided ? f.Winner : 0;
  r.damage = armor0 - f.Robots[0].Armor;
  return r;
}

inline DuelResult RunDuel(const Fighters& who, uint32_t seed, const Player1& p1,
                          int32_t max_frames) {
  Duel duel(who, seed);
  return PlayOn(duel, p1, max_frames);
}

inline void SetFields(CharacterData& me, int32_t x, int32_t y, int32_t button) {
  me.InputX = x;
  me.InputY = y;
  me.InputButton = button;
}

// ---- Player-1 strategies ----

// Stands and does nothing.
inline void Passive(TForm1& f, int32_t) {
  SetFields(f.Robots[0], 0, 0, 0);
}

// Walks toward the nearest corner until it is near (the scene scrolls, so a corner is never
// quite reached), then holds guard for ever.
inline Player1 CornerGuard(uint32_t) {
  return [guarding = false](TForm1& f, int32_t frame) mutable {
    CharacterData& me = f.Robots[0];
    const double cx = me.X < kFieldWidth / 2 ? 0 : kFieldWidth;
    const double cy = me.Y < kFieldHeight / 2 ? 0 : kFieldHeight;
    guarding = guarding || frame > 75 || (std::fabs(me.X - cx) < 110 && std::fabs(me.Y - cy) < 110);
    if (guarding) {
      SetFields(me, 0, 0, kActionGuard);
    } else {
      SteerToSpot(me, cx - me.X, cy - me.Y);
      me.InputButton = 0;
    }
  };
}

// Player 1's first usable weapon of the order given, -1 none.
inline int32_t FirstUsable(const CpuScene& sc, std::initializer_list<int32_t> order) {
  for (int32_t k : order) {
    if (sc.Slots[k].Usable && sc.Slots[k].Role != kRoleMine) return k;
  }
  return -1;
}

inline bool LinedUp(const CpuScene& sc, int32_t k) {
  const CpuWeapon& w = sc.Slots[k];
  return sc.Dist >= w.Near && sc.Dist <= w.Far && (w.Role == kRoleSeeker || sc.LineOffset <= w.Aim);
}

// Holds guard where it stands; lets go only to fire a weapon that is lined up.
inline void Turtle(TForm1& f, int32_t frame) {
  CharacterData& me = f.Robots[0];
  const CpuScene sc = ReadScene(me, &f.Weapons[0], f.Robots[1], &f.Weapons[4]);
  int32_t button = kActionGuard;
  for (int32_t k : {0, 2, 3, 1}) {
    if (sc.Slots[k].Usable && sc.Slots[k].Role != kRoleMine && LinedUp(sc, k)) {
      button = frame % 2 == 0 ? k + 1 : 0;
      break;
    }
  }
  SetFields(me, 0, 0, button);
}

// Walks into contact and strikes with slot 2 as fast as it takes presses, boosting in from afar.
inline void MeleeRusher(TForm1& f, int32_t frame) {
  CharacterData& me = f.Robots[0];
  const CharacterData& foe = f.Robots[1];
  const double dx = foe.X - me.X, dy = foe.Y - me.Y, dist = std::hypot(dx, dy);
  const double reach = me.Status.HalfWidth + foe.Status.HalfWidth + 40;
  SteerToSpot(me, dx, dy);
  me.InputButton = 0;
  if (dist < reach + 10) {
    me.InputButton = frame % 2 == 0 ? 2 : 0;
  } else if (dist > 200 && me.Energy > 60) {
    me.InputButton = 6;
  }
}

// Walks straight at player 2 firing slot 1 whenever it can.
inline void Walker(TForm1& f, int32_t frame) {
  CharacterData& me = f.Robots[0];
  const CharacterData& foe = f.Robots[1];
  const double dx = foe.X - me.X, dy = foe.Y - me.Y;
  if (std::hypot(dx, dy) > 120) {
    SteerToSpot(me, dx, dy);
  } else {
    me.InputX = me.InputY = 0;
  }
  me.InputButton = me.RapidFire1 > 0 || frame % 2 == 0 ? 1 : 0;
}

// Moves, weapons, guard and boost changing every 3 to 10 frames.
inline Player1 Masher(uint32_t seed) {
  return [rng = std::mt19937(seed), next = 0](TForm1& f, int32_t frame) mutable {
    if (frame < next) return;
    next = frame + 3 + static_cast<int32_t>(rng() % 8);
    SetFields(f.Robots[0], static_cast<int32_t>(rng() % 3), static_cast<int32_t>(rng() % 3),
              static_cast<int32_t>(rng() % 11));
  };
}

// A competent player who reacts after 4 to 8 frames: keeps player 2 on a firing line at its
// weapon's range and fires, guards a shot that will hit, and boosts away when low.
inline Player1 Competent(uint32_t seed) {
  struct Seen {
    double x, y;  // where player 2 stood
    bool lined;   // the weapon lined up
    bool threat;  // a shot that will hit, soon
  };
  return [rng = std::mt19937(seed), seen = std::deque<Seen>(), guard = 0](TForm1& f,
                                                                          int32_t frame) mutable {
    CharacterData& me = f.Robots[0];
    const CharacterData& foe = f.Robots[1];
    const CpuScene sc = ReadScene(me, &f.Weapons[0], foe, &f.Weapons[4]);
    const int32_t slot = FirstUsable(sc, {0, 2, 3, 1});
    const bool threat = sc.Threat.Seen && !sc.Threat.BreaksGuard && sc.Threat.Frames < 14;
    seen.push_back({static_cast<double>(foe.X), static_cast<double>(foe.Y),
                    slot >= 0 && LinedUp(sc, slot), threat});
    const size_t lag = 4 + rng() % 5;
    while (seen.size() > 9) seen.pop_front();
    const Seen& then = seen.size() > lag ? seen[seen.size() - 1 - lag] : seen.front();
    SetFields(me, 0, 0, 0);
    if (then.threat) guard = 6;
    if (guard > 0) {
      --guard;
      me.InputButton = kActionGuard;
      return;
    }
    if (slot < 0) return;
    const CpuWeapon& w = sc.Slots[slot];
    const double fdx = then.x - me.X, fdy = then.y - me.Y, dist = std::hypot(fdx, fdy);
    if (me.Armor * 4 < me.Status.MaxArmor && dist < 160 && me.Energy > 60) {
      SteerToSpot(me, -fdx * 3, -fdy * 3);
      me.InputButton = 6;
      return;
    }
    const double want = std::clamp(dist, w.Near + 20, std::min(w.Far * 0.7, 320.0));
    CharacterData ghost = foe;
    ghost.X = static_cast<int32_t>(then.x);
    ghost.Y = static_cast<int32_t>(then.y);
    double x, y;
    if (w.Role != kRoleSeeker && LineSpot(ghost, sc.Facing, 1, want, x, y)) {
      SteerToSpot(me, x - me.X, y - me.Y);
    } else if (dist > 0) {
      SteerToSpot(me, (dist - want) * fdx / dist, (dist - want) * fdy / dist);
    }
    if (then.lined && (w.Rapid || frame % 2 == 0)) me.InputButton = slot + 1;
  };
}

// ---- Players as people play: late, with keys held a few frames and sloppy aim ----

// What a person sees of player 2: where it stood 5 to 12 frames ago (the lag drawn anew every few
// frames).
class LateEyes {
 public:
  explicit LateEyes(uint32_t seed) : rng_(seed) {}
  struct Seen {
    double x = 0, y = 0;
  };
  Seen Look(const TForm1& f, int32_t frame) {
    if (frame % 4 == 0) lag_ = 5 + rng_() % 8;
    return Late(past_, {static_cast<double>(f.Robots[1].X), static_cast<double>(f.Robots[1].Y)});
  }
  // Anything else seen this frame (after Look), as it is seen as late as player 2.
  template <typename T>
  T Late(std::deque<T>& past, const T& now) const {
    past.push_back(now);
    while (past.size() > 13) past.pop_front();
    return past.size() > lag_ ? past[past.size() - 1 - lag_] : past.front();
  }
  uint32_t Draw(uint32_t n) { return rng_() % n; }
  // Player 1's reading of the scene with player 2 where it was seen.
  static CpuScene Scene(const TForm1& f, const Seen& then) {
    CharacterData ghost = f.Robots[1];
    ghost.X = static_cast<int32_t>(then.x);
    ghost.Y = static_cast<int32_t>(then.y);
    return ReadScene(f.Robots[0], &f.Weapons[0], ghost, &f.Weapons[4]);
  }

 private:
  std::mt19937 rng_;
  std::deque<Seen> past_;
  size_t lag_ = 8;
};

// Player 1's melee slot (0 to 3), -1 none.
inline int32_t MeleeOf(const CpuScene& sc) {
  for (int32_t k = 0; k < 4; ++k) {
    if (sc.Slots[k].Usable && sc.Slots[k].Role == kRoleMelee) return k;
  }
  return -1;
}

// Holds guard where it stands; when it sees player 2 within its melee reach it lets go, strikes
// once and guards again.
inline Player1 GuardBait(uint32_t seed) {
  return [eyes = LateEyes(seed), striking = 0](TForm1& f, int32_t frame) mutable {
    CharacterData& me = f.Robots[0];
    const LateEyes::Seen then = eyes.Look(f, frame);
    const CpuScene sc = LateEyes::Scene(f, then);
    const int32_t melee = MeleeOf(sc);
    SetFields(me, 0, 0, kButtonGuard);
    if (melee < 0) return;
    // It lets go (turning to face player 2), then holds the button until the strike has
    // started, then nothing until it is over.
    if (striking > 0 && me.Action != melee + 1) {
      --striking;
      me.InputButton = me.Action == kActionGuard ? 0 : melee + 1;
      return;
    }
    striking = 0;
    if (me.Action == melee + 1) {
      me.InputButton = 0;
      return;
    }
    const double dist = std::hypot(then.x - me.X, then.y - me.Y);
    if (dist < sc.Slots[melee].Far) striking = 10;
  };
}

// A spot 60 pixels from `me` along the best of eight directions by `score(x, y)`, inside the
// field.
template <typename Score>
inline void StepToBest(CharacterData& me, Score score) {
  double best = -1e18, bx = 0, by = 0;
  for (int32_t d = 0; d < 8; ++d) {
    const double a = d * 0.785398, x = me.X + 60 * std::cos(a), y = me.Y + 60 * std::sin(a);
    if (x < 20 || x > kFieldWidth - 20 || y < 20 || y > kFieldHeight - 20) continue;
    const double s = score(x, y);
    if (s > best) {
      best = s;
      bx = x - me.X;
      by = y - me.Y;
    }
  }
  SteerToSpot(me, bx * 2, by * 2);
}

// Keeps as far from player 2 as it can, fires when it sees its weapon lined up and backs off,
// boosting, when approached; decides every 3 to 5 frames.
inline Player1 Kiter(uint32_t seed) {
  return [eyes = LateEyes(seed), next = 0](TForm1& f, int32_t frame) mutable {
    CharacterData& me = f.Robots[0];
    const LateEyes::Seen then = eyes.Look(f, frame);
    if (frame < next) return;
    next = frame + 3 + static_cast<int32_t>(eyes.Draw(3));
    const CpuScene sc = LateEyes::Scene(f, then);
    const double dist = std::hypot(then.x - me.X, then.y - me.Y);
    const int32_t slot = FirstUsable(sc, {0, 2, 3});
    SetFields(me, 0, 0, 0);
    if (dist > 260 && slot >= 0 && LinedUp(sc, slot)) {
      me.InputButton = slot + 1;
      return;
    }
    StepToBest(me, [&](double x, double y) {
      const double room = std::min({x, kFieldWidth - x, y, kFieldHeight - y});
      return std::hypot(x - then.x, y - then.y) + std::min(room, 80.0);
    });
    if (dist < 200 && me.Energy > 60) me.InputButton = kButtonBoost;
  };
}

// Moves sideways to player 2 all the time, turning back at the walls or now and then, and backs
// off when it comes close; with `fires`, presses its weapon whenever it sees it lined up.
inline Player1 Sidestepper(uint32_t seed, bool fires) {
  return [eyes = LateEyes(seed), next = 0, side = 1, turn = 0, fires](TForm1& f,
                                                                      int32_t frame) mutable {
    CharacterData& me = f.Robots[0];
    const LateEyes::Seen then = eyes.Look(f, frame);
    if (frame < next) return;
    next = frame + 3 + static_cast<int32_t>(eyes.Draw(3));
    const CpuScene sc = LateEyes::Scene(f, then);
    const double dx = me.X - then.x, dy = me.Y - then.y, dist = std::max(std::hypot(dx, dy), 1.0);
    if (frame > turn) {
      side = -side;
      turn = frame + 25 + static_cast<int32_t>(eyes.Draw(40));
    }
    const double room = std::min({static_cast<double>(me.X), kFieldWidth - me.X * 1.0,
                                  static_cast<double>(me.Y), kFieldHeight - me.Y * 1.0});
    double x = -dy / dist * side, y = dx / dist * side;
    if (room < 50 && (me.X + x * 60 < 40 || me.X + x * 60 > kFieldWidth - 40 ||
                      me.Y + y * 60 < 40 || me.Y + y * 60 > kFieldHeight - 40)) {
      side = -side;
      x = -x;
      y = -y;
    }
    if (dist < 130) {
      x += dx / dist;
      y += dy / dist;
    }
    SteerToSpot(me, x * 100, y * 100);
    me.InputButton = dist < 100 && me.Energy > 60 ? kButtonBoost : 0;
    const int32_t slot = FirstUsable(sc, {0, 2, 3});
    if (fires && slot >= 0 && LinedUp(sc, slot)) me.InputButton = slot + 1;
  };
}

// A weapon button as a person presses it: held for one decision, let go at the next, so that
// each press is a fresh one.
inline int32_t Tap(int32_t button, bool& held) {
  button = held ? kButtonNone : button;
  held = button != kButtonNone;
  return button;
}

// The room from (x, y) to the nearest field edge.
inline double Room(double x, double y) {
  return std::min({x, kFieldWidth - x, y, kFieldHeight - y});
}

// Walks to a firing line at about half the reach of its current weapon (the middle of its band),
// changing weapon every 6 to 10 seconds; while the current one is its melee weapon it walks in
// instead. It fires the weapon whose reach fits the distance it sees (the shortest reach that
// gets there) whenever that one is lined up, lays a mine each
// time it sees player 2 come within 200 pixels, and sidesteps half the shots it sees coming at
// it. Decides every 3 to 5 frames.
inline Player1 AllRound(uint32_t seed) {
  struct State {
    explicit State(uint32_t seed) : eyes(seed) {}
    LateEyes eyes;
    std::deque<CpuThreat> threats;
    CpuThreat last;  // the shot seen at the last decision
    int32_t next = 0, current = -1, change = 0, dodge = 0;
    double dodge_x = 0, dodge_y = 0;
    bool close = false;  // player 2 was seen within 200 pixels
    bool held = false;   // a weapon button was pressed at the last decision
  };
  return [s = State(seed)](TForm1& f, int32_t frame) mutable {
    CharacterData& me = f.Robots[0];
    const LateEyes::Seen then = s.eyes.Look(f, frame);
    const CpuThreat threat =
        s.eyes.Late(s.threats, ReadScene(me, &f.Weapons[0], f.Robots[1], &f.Weapons[4]).Threat);
    if (frame < s.next) return;
    s.next = frame + 3 + static_cast<int32_t>(s.eyes.Draw(3));
    const CpuScene sc = LateEyes::Scene(f, then);
    auto armed = [&sc](int32_t k) { return sc.Slots[k].Usable && sc.Slots[k].Role != kRoleMine; };
    if (s.current < 0 || !armed(s.current) || frame >= s.change) {
      std::vector<int32_t> others;
      for (int32_t k = 0; k < 4; ++k) {
        if (armed(k) && k != s.current) others.push_back(k);
      }
      if (!others.empty()) s.current = others[s.eyes.Draw(static_cast<uint32_t>(others.size()))];
      s.change = frame + 150 + static_cast<int32_t>(s.eyes.Draw(101));
    }
    SetFields(me, 0, 0, 0);
    if (s.current < 0 || !armed(s.current)) return;
    // A shot not seen at the last decision: it comes from elsewhere or later along its path.
    const bool fresh =
        threat.Seen && (!s.last.Seen || threat.Frames > s.last.Frames + 1 ||
                        threat.DirX * s.last.DirX + threat.DirY * s.last.DirY < 0.99);
    s.last = threat;
    if (fresh && s.eyes.Draw(2) == 0) {
      const double px = -threat.DirY, py = threat.DirX;
      const double side = threat.MissX * px + threat.MissY * py >= 0 ? 1 : -1;
      const bool open = Room(me.X + side * px * 80, me.Y + side * py * 80) > 40;
      s.dodge_x = (open ? side : -side) * px;
      s.dodge_y = (open ? side : -side) * py;
      s.dodge = frame + 12;
    }
    const CpuWeapon& w = sc.Slots[s.current];
    const double dx = then.x - me.X, dy = then.y - me.Y, dist = std::hypot(dx, dy);
    double x, y;
    CharacterData ghost = f.Robots[1];
    ghost.X = static_cast<int32_t>(then.x);
    ghost.Y = static_cast<int32_t>(then.y);
    if (frame < s.dodge) {
      SteerToSpot(me, s.dodge_x * 100, s.dodge_y * 100);
    } else if (w.Role == kRoleMelee) {
      SteerToSpot(me, dx, dy);
    } else if (const double want = (w.Near + w.Far) / 2;
               LineSpot(ghost, sc.Facing, 1, want, x, y)) {
      SteerToSpot(me, x - me.X, y - me.Y);
    } else if (dist > 0) {
      SteerToSpot(me, (dist - want) * dx / dist, (dist - want) * dy / dist);
    }
    int32_t fits = -1;  // the lined-up weapon of the shortest reach
    for (int32_t k = 0; k < 4; ++k) {
      if (armed(k) && LinedUp(sc, k) && (fits < 0 || sc.Slots[k].Far < sc.Slots[fits].Far)) {
        fits = k;
      }
    }
    int32_t button = fits + 1;
    const bool close = dist < 200;
    int32_t mine = -1;
    for (int32_t k = 0; k < 4; ++k) {
      if (sc.Slots[k].Usable && sc.Slots[k].Role == kRoleMine) mine = k;
    }
    if (close && !s.close && mine >= 0) button = mine + 1;
    me.InputButton = Tap(button, s.held);
    // A mine not laid yet (the key was being let go) is laid at the next decision.
    s.close = close && (mine < 0 || me.InputButton == mine + 1 || s.close);
  };
}

// Keeps walking away from where it saw player 2, its retreat bent sideways toward the middle of
// the field and never into a wall; boosts while it sees player 2 within 170 pixels, and fires
// its longest-reach weapon whenever it sees it lined up, until that runs dry. Decides every 3 to
// 5 frames.
inline Player1 Runner(uint32_t seed) {
  return [eyes = LateEyes(seed), next = 0, held = false](TForm1& f, int32_t frame) mutable {
    CharacterData& me = f.Robots[0];
    const LateEyes::Seen then = eyes.Look(f, frame);
    if (frame < next) return;
    next = frame + 3 + static_cast<int32_t>(eyes.Draw(3));
    const CpuScene sc = LateEyes::Scene(f, then);
    const double dist = std::max(std::hypot(me.X - then.x, me.Y - then.y), 1.0);
    const double ax = (me.X - then.x) / dist, ay = (me.Y - then.y) / dist;
    // The middle's pull across the retreat, stronger the farther the middle is.
    double cx = kFieldWidth / 2.0 - me.X, cy = kFieldHeight / 2.0 - me.Y;
    const double pull = std::min(std::hypot(cx, cy) / 250, 1.5), along = cx * ax + cy * ay;
    cx -= along * ax;
    cy -= along * ay;
    const double across = std::hypot(cx, cy);
    if (across < 1) {
      cx = -ay;  // the middle is straight behind or ahead: either side will do
      cy = ax;
    }
    double x = ax + pull * cx / std::max(across, 1.0), y = ay + pull * cy / std::max(across, 1.0);
    if ((me.X < 70 && x < 0) || (me.X > kFieldWidth - 70 && x > 0)) x = 0;
    if ((me.Y < 70 && y < 0) || (me.Y > kFieldHeight - 70 && y > 0)) y = 0;
    if (std::hypot(x, y) < 0.2) {
      x = cx;
      y = cy;
    }
    SteerToSpot(me, x * 100, y * 100);
    me.InputButton = dist < 170 ? kButtonBoost : 0;
    int32_t slot = -1;
    for (int32_t k = 0; k < 4; ++k) {
      const CpuWeapon& w = sc.Slots[k];
      if (w.Usable && w.Role != kRoleMine && w.Role != kRoleMelee &&
          (slot < 0 || w.Far > sc.Slots[slot].Far)) {
        slot = k;
      }
    }
    me.InputButton += Tap(slot >= 0 && LinedUp(sc, slot) ? slot + 1 : 0, held);  // boosting: 7-10
  };
}

// Guards (stepping off a wall first) while it sees player 2 beyond its strike's reach; the
// moment it sees it within that reach and 8 pixels more, lets go and walks in striking for 10
// frames (its melee button pressed and let go every 3 to 5 frames), then guards again, for a
// frame at least. Watches every frame.
inline Player1 CounterBait(uint32_t seed) {
  return
      [eyes = LateEyes(seed), until = 0, next = 0, held = false](TForm1& f, int32_t frame) mutable {
        CharacterData& me = f.Robots[0];
        const LateEyes::Seen then = eyes.Look(f, frame);
        const CpuScene sc = LateEyes::Scene(f, then);
        const int32_t melee = MeleeOf(sc);
        const double dx = then.x - me.X, dy = then.y - me.Y;
        if (melee >= 0 && frame >= until && me.InputButton == kButtonGuard &&
            std::hypot(dx, dy) <= sc.Slots[melee].Far + 8) {
          until = next = frame;
          until += 10;
          held = false;
        }
        if (frame < until) {
          if (frame < next) return;
          next = frame + 3 + static_cast<int32_t>(eyes.Draw(3));
          SteerToSpot(me, dx, dy);
          me.InputButton = Tap(melee + 1, held);
        } else if (Room(me.X, me.Y) < 60) {
          SteerToSpot(me, kFieldWidth / 2.0 - me.X, kFieldHeight / 2.0 - me.Y);
          me.InputButton = kButtonNone;
        } else {
          SetFields(me, 0, 0, kButtonGuard);
        }
      };
}

// Lizard type Vocka's rifle (slot 1) held two frames of three while it walks straight at
// player 2, every frame, with no aim and no dodge.
inline void RifleWalker(TForm1& f, int32_t frame) {
  CharacterData& me = f.Robots[0];
  SteerToSpot(me, f.Robots[1].X - me.X, f.Robots[1].Y - me.Y);
  me.InputButton = frame % 3 != 0 ? kButtonWeapon1 : kButtonNone;
}

}  // namespace zk::test
