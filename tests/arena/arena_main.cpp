// The opponent arena: plays the computer opponent against scripted player-1 strategies over
// fixed seeds and prints its share of wins, fights undecided, its longest idle stretch and how
// it spends its ammunition. A measurement, not a test: `zk_arena [strategy...]`.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cpu/duel_driver.h"

namespace zk::test {
namespace {

bool g_seeds = false;  // -s: name every fight the opponent did not win

struct Tally {
  int32_t fights = 0, wins = 0, losses = 0, undecided = 0, idle = 0, broken = 0;
  int64_t frames = 0, volleys = 0, damage = 0;
  void Add(const DuelResult& r) {
    ++fights;
    wins += r.winner == 2;
    losses += r.winner == 1;
    undecided += r.winner == 0;
    idle = std::max(idle, r.idle);
    broken += r.broken;
    frames += r.frames;
    volleys += r.volleys;
    damage += r.damage;
  }
  void Print(const char* name) const {
    std::printf(
        "%-18s won %4d of %4d (%5.1f%%)  lost %4d  undecided %3d  mean %5lld frames  "
        "idle max %4d  broken %d  volleys %lld  damage/volley %.1f\n",
        name, wins, fights, 100.0 * wins / std::max(fights, 1), losses, undecided,
        static_cast<long long>(frames / std::max(fights, 1)), idle, broken,
        static_cast<long long>(volleys), volleys > 0 ? static_cast<double>(damage) / volleys : 0.0);
  }
};

struct Variant {
  int32_t kind, variant;
};

std::vector<Variant> AllVariants() {
  std::vector<Variant> out;
  for (int32_t k = 1; k <= kRobotKinds; ++k) {
    for (size_t v = 0; v < FindRobotKind(k)->Variants.size(); ++v) {
      out.push_back({k, static_cast<int32_t>(v)});
    }
  }
  return out;
}

const char* VariantName(const Variant& v) {
  return FindRobotKind(v.kind)->Variants[v.variant].Name;
}

// Each variant as player 2 against `rounds` player-1 robots; `p1_kind` 0 varies them.
// Where player 1 may stand at the start: the default lanes, or along the edges and corners.
void AtTheEdge(Duel& duel, uint32_t seed) {
  static constexpr int32_t kSpots[8][2] = {{25, 25},   {400, 12},  {775, 30}, {788, 300},
                                           {760, 585}, {400, 590}, {12, 570}, {20, 300}};
  const int32_t* spot = kSpots[seed % 8];
  duel.f.Robots[0].X = spot[0];
  duel.f.Robots[0].Y = spot[1];
  duel.f.Robots[1].X = 400 + (400 - spot[0]) / 3;
  duel.f.Robots[1].Y = 300 + (300 - spot[1]) / 3;
}

void Measure(const char* name, const std::function<Player1(uint32_t)>& make, int32_t rounds,
             int32_t p1_kind, int32_t max_frames, bool per_variant,
             void (*place)(Duel&, uint32_t) = nullptr) {
  Tally all;
  uint32_t seed = 1000;
  for (const Variant& v : AllVariants()) {
    Tally one;
    for (int32_t i = 0; i < rounds; ++i, ++seed) {
      const int32_t k1 = p1_kind != 0 ? p1_kind : 1 + static_cast<int32_t>(seed % kRobotKinds);
      Duel duel({k1, static_cast<int32_t>(seed % 3), v.kind, v.variant}, seed);
      if (place != nullptr) place(duel, seed);
      const DuelResult r = PlayOn(duel, make(seed), max_frames);
      if (g_seeds && r.winner != 2) {
        std::printf("  seed %u player 1 kind %d: %s\n", seed, k1,
                    r.winner == 1 ? "lost" : "undecided");
      }
      one.Add(r);
      all.Add(r);
    }
    if (per_variant) one.Print(VariantName(v));
  }
  all.Print(name);
}

// Survival-like chains: one form, the plan memory carried from fight to fight.
void Chain(const char* name, const std::function<Player1(uint32_t)>& make, int32_t max_frames) {
  Tally all;
  const std::vector<Variant> vs = AllVariants();
  for (uint32_t c = 0; c < 4; ++c) {
    Duel duel({2, 0, vs[0].kind, vs[0].variant}, 77 + c);
    for (size_t i = 0; i < vs.size(); ++i) {
      const Variant& v = vs[(i * 7 + c) % vs.size()];
      duel.Load({1 + static_cast<int32_t>((i + c) % kRobotKinds), static_cast<int32_t>(i % 2),
                 v.kind, v.variant});
      duel.f.Robots[0].X = 150;
      duel.f.Robots[0].Y = 150 + 60 * static_cast<int32_t>(i % 5);
      duel.f.Robots[1].X = 650;
      duel.f.Robots[1].Y = 450 - 60 * static_cast<int32_t>(i % 5);
      const DuelResult r = PlayOn(duel, make(c * 100 + i), max_frames);
      if (r.winner != 2)
        std::printf("  chain %u fight %zu: %s undecided or lost\n", c, i, VariantName(v));
      all.Add(r);
    }
  }
  all.Print(name);
}

// Each variant's weapons as the opponent reads them.
void DumpWeapons() {
  for (const Variant& v : AllVariants()) {
    Duel duel({1, 0, v.kind, v.variant}, 1);
    const CpuScene sc =
        ReadScene(duel.f.Robots[1], &duel.f.Weapons[4], duel.f.Robots[0], &duel.f.Weapons[0]);
    std::printf("%s (half %d, armour %d, energy %d)\n", VariantName(v),
                duel.f.Robots[1].Status.HalfWidth, duel.f.Robots[1].Status.MaxArmor,
                duel.f.Robots[1].Status.MaxEnergy);
    for (int k = 0; k < 4; ++k) {
      const WeaponData& w = duel.f.Weapons[4 + k];
      if (w.Armed != 1) continue;
      const CpuWeapon& c = sc.Slots[k];
      const ShotPhaseData& p = w.Phases[0][0];
      std::printf(
          "  %d %-14s role %d near %4.0f far %4.0f aim %3.0f rapid %d "
          "guardbreak %d ammo %3d%s rows %d cols %d dmg %d stun %d half %d life %d "
          "muzzle(up) %d,%d\n",
          k + 1, w.Name.c_str(), c.Role, c.Near, c.Far, c.Aim, c.Rapid, c.BreaksGuard, w.Ammo,
          w.Unlimited ? "u" : " ", w.Rows, w.Columns,
          w.Phases[0][w.HitPhase >= 0 ? w.HitPhase : 0].Damage + p.Damage, p.Stun, p.HitHalf,
          p.Life, w.Aim[0][0].X, w.Aim[0][0].Y);
    }
  }
}

Player1 Plain(void (*p)(TForm1&, int32_t)) {
  return p;
}

}  // namespace
}  // namespace zk::test

int main(int argc, char** argv) {
  using namespace zk::test;
  std::vector<std::string> which(argv + 1, argv + argc);
  const bool verbose = !which.empty() && which[0] == "-v";
  if (verbose) which.erase(which.begin());
  g_seeds = !which.empty() && which[0] == "-s";
  if (g_seeds) which.erase(which.begin());
  auto want = [&](const char* n) {
    return which.empty() || std::find(which.begin(), which.end(), n) != which.end();
  };
  auto plain = [](void (*p)(zk::TForm1&, int32_t)) { return [p](uint32_t) { return Plain(p); }; };
  if (!which.empty() && which[0] == "weapons") {
    DumpWeapons();
    return 0;
  }
  if (want("passive")) {
    Measure("passive", plain(Passive), 4, 0, 1500, verbose);
    Measure("passive at edges", plain(Passive), 8, 0, 1500, verbose, AtTheEdge);
    Chain("passive chain", plain(Passive), 1500);
  }
  if (want("corner")) {
    Measure("corner guard", CornerGuard, 3, 0, 6000, verbose);
    Chain("corner chain", CornerGuard, 6000);
  }
  if (want("turtle")) Measure("turtle", plain(Turtle), 8, 0, 6000, verbose);
  if (want("rusher")) Measure("melee rusher", plain(MeleeRusher), 8, 0, 6000, verbose);
  if (want("walker")) Measure("walker slot 1", plain(Walker), 8, 0, 6000, verbose);
  if (want("masher")) Measure("masher", Masher, 6, 0, 3000, verbose);
  if (want("competent")) {
    Measure("competent fixed", Competent, 20, 2, 6000, true);
    Measure("competent varied", Competent, 20, 0, 6000, true);
  }
  return 0;
}
