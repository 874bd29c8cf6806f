// The computer opponent against scripted players 1, fight by fight through the fight loop, over
// fixed seeds: the bars it must reach.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <set>
#include <tuple>
#include <vector>

#include "core/dir_table.h"
#include "cpu/cpu_tuning.h"
#include "cpu/duel_driver.h"

namespace zk::test {
namespace {

// Every kind and variant as player 2, against each of `p1_kinds`.
std::vector<Fighters> AllOpponents(const std::vector<int32_t>& p1_kinds) {
  std::vector<Fighters> out;
  for (int32_t k = 1; k <= kRobotKinds; ++k) {
    for (size_t v = 0; v < FindRobotKind(k)->Variants.size(); ++v) {
      for (int32_t p1 : p1_kinds) {
        out.push_back({p1, static_cast<int32_t>(out.size() % 2), k, static_cast<int32_t>(v)});
      }
    }
  }
  return out;
}

TEST(OpponentBars, BeatsAnIdlePlayerWithinAMinute) {
  std::vector<int32_t> frames;
  for (const Fighters& who : AllOpponents({1, 4, 7, 10})) {
    const DuelResult r = RunDuel(who, 11 + frames.size(), Passive, 1500);
    EXPECT_EQ(r.winner, 2) << who.kind1 << " vs " << who.kind2 << "/" << who.variant2;
    EXPECT_EQ(r.broken, 0);
    EXPECT_LE(r.idle, 50);
    frames.push_back(r.frames);
  }
  std::sort(frames.begin(), frames.end());
  std::printf("idle player 1: %zu fights, median %d frames\n", frames.size(),
              frames[frames.size() / 2]);
}

// Also: every weapon a variant arms is pressed, no empty slot is, and a frame that chooses a plan
// leaves player 2's control fields as they are.
TEST(OpponentBars, BeatsAMasherNineTimesInTenWithinThreeMinutes) {
  int32_t wins = 0, fights = 0;
  std::set<int32_t> pressed[kRobotKinds + 1][3];
  for (const Fighters& who : AllOpponents({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})) {
    const DuelResult r = RunDuel(who, 100 + fights, Masher(7 + fights), 4500);
    ++fights;
    wins += r.winner == 2;
    // ZeviruraR, whose every weapon runs dry, may be left with nothing that can finish.
    if (who.kind2 != 11) {
      EXPECT_TRUE(r.decided) << who.kind1 << " vs " << who.kind2 << "/" << who.variant2;
    }
    EXPECT_EQ(r.broken, 0);
    EXPECT_LE(r.idle, 50);
    pressed[who.kind2][who.variant2].insert(r.pressed.begin(), r.pressed.end());
  }
  std::printf("masher: player 2 won %d of %d\n", wins, fights);
  EXPECT_GE(wins * 10, fights * 9);
  for (int32_t k = 1; k <= kRobotKinds; ++k) {
    for (size_t v = 0; v < FindRobotKind(k)->Variants.size(); ++v) {
      const RobotVariant& rv = FindRobotKind(k)->Variants[v];
      for (int32_t s = 1; s <= 4; ++s) {
        EXPECT_EQ(rv.Slots[s - 1] != nullptr, pressed[k][v].count(s) == 1) << rv.Name << " " << s;
      }
    }
  }
}

// A competent player (reacting after 4 to 8 frames, on a firing line at its weapon's range,
// guarding what it sees coming) beats it now and then, whatever the kind, but not most of the time.
TEST(OpponentBars, EveryKindIsBeatableByACompetentPlayerButNoPushover) {
  constexpr int32_t kFights = 24;
  int32_t all = 0;
  for (int32_t k = 1; k <= kRobotKinds; ++k) {
    const int32_t variants = static_cast<int32_t>(FindRobotKind(k)->Variants.size());
    int32_t wins = 0;
    for (int32_t i = 0; i < kFights; ++i) {
      const uint32_t seed = 500 + i;
      const DuelResult r =
          RunDuel({1 + i % kRobotKinds, i % 3, k, i % variants}, seed, Competent(seed), 4500);
      wins += r.winner == 2;
      EXPECT_EQ(r.broken, 0);
    }
    std::printf("kind %2d vs competent player: won %2d of %d\n", k, wins, kFights);
    EXPECT_GE(wins * 100, kFights * 15) << "kind " << k;
    all += wins;
  }
  EXPECT_GE(all * 10, kFights * kRobotKinds * 4);
  EXPECT_LE(all * 10, kFights * kRobotKinds * 9);
}

// "Ro-da type West" as a counter bait (guarding, walking in striking when player 2 comes within
// reach): its strike winds up faster than most and goes again the moment its recovery ends, so
// a recovery is gone in on only with a strike that holds it past the end of one's own.
TEST(OpponentBars, ABaitThatStrikesFirstIsNotPunishedIntoItsNextStrike) {
  int32_t wins = 0, fights = 0;
  for (int32_t k = 1; k <= kRobotKinds; ++k) {
    for (size_t v = 0; v < FindRobotKind(k)->Variants.size(); ++v, ++fights) {
      const uint32_t seed = 300 + fights;
      wins +=
          RunDuel({7, 1, k, static_cast<int32_t>(v)}, seed, CounterBait(seed), 6000).winner == 2;
    }
  }
  std::printf("counter bait with Ro-da type West: player 2 won %d of %d\n", wins, fights);
  EXPECT_GE(wins * 3, fights * 2);
}

// A kiter boosting into the opponent's body goes nowhere while its keys say it moves; pressed
// body to body, the opponent strikes rather than stand frozen waiting for it to move on.
TEST(OpponentBars, PressedBodyToBodyItStillStrikes) {
  const DuelResult r = RunDuel({6, 1, 5, 1}, 1105, Kiter(1105), 2400);
  EXPECT_LE(r.idle, 50);
}

// A player who walks into a corner and guards for ever is worn down by every variant that has a
// melee strike or a guard breaker (ZeviruraR has neither: a guard takes too little of its shots).
TEST(OpponentBars, AGuardNeverStallsIt) {
  for (const Fighters& who : AllOpponents({4, 9})) {
    if (who.kind2 == 11) continue;
    const DuelResult r = RunDuel(who, 21, CornerGuard(0), 6000);
    EXPECT_EQ(r.winner, 2) << who.kind1 << " vs " << who.kind2 << "/" << who.variant2;
    EXPECT_LE(r.idle, 50);
  }
}

// The rifle of "ZeviruraR type Fat Owl" at (729, 83), facing up: whether its volley, from the
// real muzzle with the real shot size, passes through player 1's body where it will be.
TEST(OpponentAim, AStraightShotIsTakenOnlyWhereItHits) {
  const struct {
    int32_t x, y, speed_right;  // player 1
    bool hits;
  } kCases[] = {
      {754, 8, 0, false},  // 25 px aside: the boxes would only touch
      {741, 8, 0, true},
      {729, 8, 6, false},  // walking off the line: gone when the shot gets there
      {729, 8, 0, true},
  };
  for (const auto& c : kCases) {
    Duel duel({1, 0, 11, 1}, 1);
    CharacterData& p1 = duel.f.Robots[0];
    CharacterData& p2 = duel.f.Robots[1];
    p1.X = c.x;
    p1.Y = c.y;
    p1.SpeedRight = c.speed_right;
    p2.X = 729;
    p2.Y = 83;
    const CpuScene sc = ReadScene(p2, &duel.f.Weapons[4], p1, &duel.f.Weapons[0]);
    EXPECT_EQ(sc.Facing, 0);
    EXPECT_EQ(sc.Slots[0].Hits, c.hits) << c.x << " " << c.speed_right;
  }
  // Standing there against a passive player it spends its volleys on hits and wins.
  Duel duel({1, 0, 11, 1}, 4);
  duel.f.Robots[0].X = 754;
  duel.f.Robots[0].Y = 8;
  duel.f.Robots[1].X = 729;
  duel.f.Robots[1].Y = 83;
  const DuelResult r = PlayOn(duel, Passive, 1500);
  EXPECT_EQ(r.winner, 2);
  EXPECT_LE(r.volleys, 75);
}

// What was learnt in the last fight (a player who guarded all the time, a press held, a run of
// misses) does not keep the next opponent from firing.
TEST(OpponentBars, ALastFightsMemoryDoesNotHoldFire) {
  for (int32_t k = 1; k <= kRobotKinds; ++k) {
    Duel duel({2, 0, k, 0}, 5);
    CpuPlan& cpu = duel.f.Cpu;
    cpu.FoeGuard = 400;
    cpu.Trigger = -40;
    cpu.Misses = 5;
    cpu.Hold = 30;
    cpu.Watch = 20;
    const DuelResult first = PlayOn(duel, Passive, 100);
    EXPECT_FALSE(first.pressed.empty()) << "kind " << k;
    EXPECT_EQ(PlayOn(duel, Passive, 1400).winner, 2) << "kind " << k;
  }
}

// Player 2 stands on player 1's firing line 300 to 500 px away and player 1 fires one rifle shot
// at it: player 2 following its decision routine is hit by fewer than half as many as standing.
TEST(OpponentBars, DodgesStraightShotsClearlyBetterThanAStandingTarget) {
  static constexpr int32_t kLines[8] = {2, 6, 1, 3, 5, 7, 0, 4};
  int32_t hits[2] = {0, 0}, shots = 0;
  for (int32_t k = 1; k <= kRobotKinds; ++k) {
    for (int think = 0; think < 2; ++think) {
      Duel fight({9, 0, k, 0}, 3);
      TForm1& f = fight.f;
      CharacterData& p1 = f.Robots[0];
      CharacterData& p2 = f.Robots[1];
      for (int32_t i = 0; i < 16; ++i) {
        for (WeaponData& w : f.Weapons) w.ResetShots();
        const DirVector d = DirTable[kLines[i % 8]];
        const double n = std::hypot(d.dx, d.dy) / ((300 + (i * 53) % 200) / 2.0);
        p1.X = static_cast<int32_t>(400 - d.dx / n);
        p1.Y = static_cast<int32_t>(300 - d.dy / n);
        p2.X = static_cast<int32_t>(400 + d.dx / n);
        p2.Y = static_cast<int32_t>(300 + d.dy / n);
        p2.Armor = p2.Status.MaxArmor;
        p1.Facing = kLines[i % 8];
        f.Weapons[0].Owner = &p1;
        f.Weapons[0].VolleyLock = 0;
        f.Weapons[0].Fire();
        for (int32_t frame = 0; frame < 45 && f.Weapons[0].Shots[0][0].Active == 1; ++frame) {
          Passive(f, frame);
          p1.Armor = p1.Status.MaxArmor;
          p2.InputX = p2.InputY = p2.InputButton = 0;
          if (think == 1) fight.Think();
          f.FightStage();
        }
        hits[think] += p2.Armor < p2.Status.MaxArmor;
      }
    }
    shots += 16;
  }
  std::printf("straight shots hitting: standing %d of %d, dodging %d\n", hits[0], shots, hits[1]);
  EXPECT_LE(hits[1] * 2, hits[0]);
}

// A stinger's dart would follow player 2 on a run: it is guarded instead (Lizard type Jin fires;
// the dart is 30 px off when player 2 decides).
TEST(OpponentBars, ASeekerOnItIsGuarded) {
  for (int32_t kind : {1, 5, 9}) {
    Duel duel({2, 2, kind, 0}, 3);
    TForm1& f = duel.f;
    CharacterData& p1 = f.Robots[0];
    CharacterData& p2 = f.Robots[1];
    p1.X = 200;
    p1.Y = 300;
    p1.Facing = 2;
    WeaponData& stinger = f.Weapons[2];
    stinger.Owner = &p1;
    stinger.Fire();
    for (int32_t frame = 0; frame < 6; ++frame) f.FightStage();
    const ShotData& dart = stinger.Shots[0][0];
    ASSERT_EQ(dart.Active, 1);
    p2.X = static_cast<int32_t>(dart.X) + 30;
    p2.Y = static_cast<int32_t>(dart.Y);
    for (int32_t frame = 0; frame < 3 && f.Cpu.Intent != kIntentEvade; ++frame) duel.Think();
    EXPECT_EQ(f.Cpu.Intent, kIntentEvade) << "kind " << kind;
    EXPECT_EQ(p2.InputButton, kButtonGuard) << "kind " << kind;
  }
}

// Players who found a trick: a guard that lets go to strike whatever comes within reach (here
// with the heaviest strikes), a runner that keeps away and fires when lined up, a Lizard walking
// straight in with its rifle held, and a player who keeps stepping sideways without firing
// against ZeviruraR, whose every weapon runs dry. The opponent does not walk into the counter, a
// runner is worn down, the walker's shots are guarded until its rifle runs dry, and the
// sidestepper is finished rather than left for ever.
TEST(OpponentBars, TricksDoNotBeatIt) {
  const struct {
    const char* name;
    std::function<Player1(uint32_t)> make;
    std::vector<int32_t> p1_kinds;
    int32_t only_kind;  // the opponent kind, 0 every kind
    int32_t least_percent;
  } kCases[] = {
      {"guard bait", GuardBait, {3, 4, 10}, 0, 60},
      {"kiter", Kiter, {2, 7}, 0, 70},
      {"rifle walker", [](uint32_t) { return Player1(RifleWalker); }, {2}, 0, 90},
      {"sidestepper",
       [](uint32_t s) { return Sidestepper(s, false); },
       {1, 3, 4, 6, 8, 10},
       11,
       100},
  };
  for (const auto& c : kCases) {
    int32_t wins = 0, fights = 0;
    for (const Fighters& who : AllOpponents(c.p1_kinds)) {
      if (c.only_kind != 0 && who.kind2 != c.only_kind) continue;
      const uint32_t seed = 300 + fights;
      const DuelResult r = RunDuel(who, seed, c.make(seed), 6000);
      ++fights;
      wins += r.winner == 2;
      EXPECT_EQ(r.broken, 0);
    }
    std::printf("%s: player 2 won %d of %d\n", c.name, wins, fights);
    EXPECT_GE(wins * 100, fights * c.least_percent) << c.name;
  }
}

// "Ro-da type North" rushing in and striking player 2 against the left edge: player 2 gets out
// from under it (along the edge, the moment it can act) and takes little of its damage there.
TEST(OpponentEdges, StruckAgainstAnEdgeItGetsOut) {
  for (int32_t kind : {1, 5, 8}) {
    Duel duel({7, 0, kind, 0}, 7);
    duel.f.Robots[0].X = 110;
    duel.f.Robots[0].Y = 300;
    duel.f.Robots[1].X = 30;
    duel.f.Robots[1].Y = 310;
    const DuelResult r = PlayOn(duel, MeleeRusher, 300);
    EXPECT_LE(r.taken_at_edge * 4, r.taken) << "kind " << kind;
  }
}

// A strike moves with its owner. "Ro-da type North" walking in at full speed swings from 140 px,
// beyond its reach: player 2 covers at once, and does not take the strike while it is out (and
// has not hit) for a committed player to be punished.
TEST(OpponentEdges, AStrikeSwingingInIsCoveredFromBeyondItsReach) {
  for (int32_t kind : {1, 5, 8, 10}) {
    Duel duel({7, 0, kind, 0}, 7);
    CharacterData& p1 = duel.f.Robots[0];
    p1.X = 200;
    p1.Y = 300;
    p1.SpeedRight = 8;
    duel.f.Robots[1].X = 340;
    duel.f.Robots[1].Y = 300;
    bool covered_far = false;
    for (int32_t frame = 1; frame <= 12; ++frame) {
      PlayOn(
          duel, [](TForm1& f, int32_t) { SetFields(f.Robots[0], kInputRight, 0, 2); }, 1);
      const CpuScene sc = ReadScene(duel.f.Robots[1], &duel.f.Weapons[4], p1, &duel.f.Weapons[0]);
      EXPECT_FALSE(sc.FoeStrikeOut && sc.FoeCommitted) << "kind " << kind << ", frame " << frame;
      covered_far = covered_far ||
                    (duel.f.Cpu.Intent == kIntentCover && sc.Dist > sc.FoeReach + kTune.CoverGap);
    }
    EXPECT_TRUE(covered_far) << "kind " << kind;
  }
}

// "Ro-da type West" cannot strike again from its strike's recovery (a press there waits for the
// recovery to end): a strike guarded deep in its reach is punished during that recovery.
TEST(OpponentEdges, ARecoveryThatCannotStrikeAgainIsPunished) {
  for (int32_t kind : {1, 4, 7, 10}) {
    Duel duel({7, 1, kind, 0}, 7);
    duel.f.Robots[0].X = 300;
    duel.f.Robots[1].X = 350;
    duel.f.Robots[0].Y = duel.f.Robots[1].Y = 300;
    const CharacterData& p1 = duel.f.Robots[0];
    bool punished = false;
    for (int32_t frame = 1; frame <= 30; ++frame) {
      PlayOn(
          duel, [](TForm1& f, int32_t n) { SetFields(f.Robots[0], 0, 0, n <= 2 ? 2 : 0); }, 1);
      const bool recovering = p1.Action == 2 && p1.Step.Accept == 1;
      punished = punished || (recovering && duel.f.Cpu.Intent == kIntentPunish);
    }
    EXPECT_TRUE(punished) << "kind " << kind;
  }
}

// A Ro-da walks in on where it saw player 2 some frames ago, striking (pressed three frames of
// six) whenever that spot is in reach; not one strike lands clean. "Ro-da type South" strikes
// again the moment its strike is out, so no answer at close range lands first: it is kept off.
// "Ro-da type West" cannot, but its strike winds up faster than player 2's: it is not met busy
// with a gun, and its strike is guarded on the way rather than run from.
TEST(OpponentEdges, AStrikerWalkingInLandsNothingClean) {
  const struct {
    int32_t variant;
    std::vector<int32_t> kinds;
  } kCases[] = {{2, {3, 7, 8, 9}}, {1, {2, 7, 9}}};
  for (const auto& c : kCases) {
    for (int32_t kind : c.kinds) {
      for (size_t lag : {6, 10}) {
        Duel duel({7, c.variant, kind, 0}, 7);
        duel.f.Robots[0].X = 150;
        duel.f.Robots[1].X = 450;
        duel.f.Robots[0].Y = duel.f.Robots[1].Y = 300;
        std::deque<std::pair<double, double>> seen;
        const Player1 charger = [&seen, lag](TForm1& f, int32_t frame) {
          CharacterData& me = f.Robots[0];
          seen.emplace_back(f.Robots[1].X, f.Robots[1].Y);
          if (seen.size() > lag) seen.pop_front();
          const double dx = seen.front().first - me.X, dy = seen.front().second - me.Y;
          SteerToSpot(me, dx * 4, dy * 4);
          me.InputButton = std::hypot(dx, dy) < 87 && frame % 6 < 3 ? 2 : 0;
        };
        bool clean = false;  // a strike landed on it unguarded
        for (int32_t frame = 1; frame <= 300 && duel.f.GameStage == 9 && !clean; ++frame) {
          PlayOn(duel, charger, 1);
          clean = duel.f.Robots[1].Stun >= 100;
        }
        EXPECT_FALSE(clean) << "variant " << c.variant << ", kind " << kind << ", lag " << lag;
      }
    }
  }
}

// A runner is run down. Both robots down to their strikes: strikes land (twelve strikes' worth in
// a minute; five for RiziVov, the shortest strike and the least energy, after runners as fast as
// itself), and the runner is down within four minutes. A runner that keeps its guns (a stream, a
// shotgun) is closed on off its firing line and is down within five.
TEST(OpponentPin, ARunnerIsRunDown) {
  const struct {
    Fighters who;
    uint32_t seed;
    int32_t strikes;  // in the first minute, once the guns are gone
    bool guns;        // the limited ammunition is kept
  } kCases[] = {
      {{3, 0, 2, 0}, 11, 12, false},  {{3, 0, 5, 0}, 11, 12, false},
      {{3, 0, 9, 0}, 11, 12, false},  {{1, 0, 5, 1}, 1100, 5, false},
      {{7, 2, 5, 1}, 1106, 5, false}, {{6, 0, 5, 1}, 1105, 5, false},
      {{7, 1, 4, 1}, 1084, 0, true},  {{10, 0, 8, 1}, 1186, 0, true},
  };
  for (const auto& c : kCases) {
    Duel duel(c.who, c.seed);
    for (WeaponData& w : duel.f.Weapons) {
      if (w.Unlimited != 1 && !c.guns) w.Ammo = 0;
    }
    if (!c.guns) duel.f.Cpu.FoeRun = kTune.RunMax;
    const int32_t armor = duel.f.Robots[0].Armor;
    const int32_t strike = duel.f.Weapons[5].Phases[0][0].Damage;
    const Player1 runner = Runner(c.seed);
    PlayOn(duel, runner, 1500);
    EXPECT_GE(armor - duel.f.Robots[0].Armor, c.strikes * strike)
        << c.who.kind1 << " vs " << c.who.kind2;
    EXPECT_EQ(PlayOn(duel, runner, 4500).winner, 2) << c.who.kind1 << " vs " << c.who.kind2;
  }
}

// A striker in reach is not answered with a gun weaker than its strike: "V-2-A type L.M.T"
// (rifle 7, laser 16) and RiziVov (assault rifle 5) next to a Ro-da known to strike (44), which
// stands still. (Out of reach, the guns are fair.)
TEST(OpponentAim, AtPointBlankAStrikerIsNotAnsweredWithAWeakGun) {
  for (int32_t kind : {9, 5}) {
    Duel duel({7, 0, kind, 0}, 3);
    duel.f.Robots[0].X = 300;
    duel.f.Robots[0].Y = 300;
    duel.f.Robots[1].X = 360;
    duel.f.Robots[1].Y = 300;
    duel.f.Cpu.FoeStrikes = kTune.StrikeMax;
    for (int32_t frame = 1; frame <= 60; ++frame) {
      const CpuScene sc =
          ReadScene(duel.f.Robots[1], &duel.f.Weapons[4], duel.f.Robots[0], &duel.f.Weapons[0]);
      const DuelResult r = PlayOn(duel, Passive, 1);
      EXPECT_FALSE(sc.Dist < sc.FoeReach && (r.pressed.count(1) != 0 || r.pressed.count(3) != 0))
          << "kind " << kind << ", frame " << frame;
    }
  }
}

}  // namespace
}  // namespace zk::test
