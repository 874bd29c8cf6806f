// The opponent arena: plays the computer opponent against scripted player-1 strategies over
// fixed seeds and prints its share of wins, fights undecided, its longest idle stretch, how it
// spends its ammunition, how often it changes its move keys, how long it stays in a hit reaction
// (the median of each fight's longest) and how much of its damage it takes at a field edge. A
// measurement, not a test.
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "cpu/duel_driver.h"

namespace zk::test {
namespace {

bool g_seeds = false;    // -s: name every fight the opponent did not win
bool g_verbose = false;  // -v: a line for every variant (or player-1 robot)

constexpr int kNameWidth = 28;  // the longest variant name, "DuvuZirada type Bannila Boy", fits

struct Tally {
  int32_t fights = 0, wins = 0, losses = 0, undecided = 0, idle = 0, broken = 0;
  int64_t frames = 0, volleys = 0, damage = 0, taken = 0, taken_at_edge = 0;
  std::vector<double> key_rates;  // move-key changes a second, per fight
  std::vector<int32_t> hit_runs;  // player 2's longest hit reaction, per fight
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
    taken += r.taken;
    taken_at_edge += r.taken_at_edge;
    key_rates.push_back(25.0 * r.key_changes / std::max(r.frames, 1));
    hit_runs.push_back(r.hit_run);
  }
  double Share() const { return 100.0 * wins / std::max(fights, 1); }
  template <typename T>
  static T Median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? T() : v[v.size() / 2];
  }
  void Print(const std::string& name) const {
    std::printf(
        "%-*s won %4d of %4d (%5.1f%%)  lost %4d  undecided %4d  mean %5lld frames  "
        "idle max %4d  broken %d  volleys %6lld  damage/volley %5.1f  keys/s %4.1f  "
        "hit run %3d  edge %5.1f%%\n",
        kNameWidth, name.c_str(), wins, fights, Share(), losses, undecided,
        static_cast<long long>(frames / std::max(fights, 1)), idle, broken,
        static_cast<long long>(volleys), volleys > 0 ? static_cast<double>(damage) / volleys : 0.0,
        Median(key_rates), Median(hit_runs),
        100.0 * static_cast<double>(taken_at_edge) / std::max<int64_t>(taken, 1));
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

const char* KindName(int32_t kind) {
  static constexpr const char* kNames[kRobotKinds + 1] = {
      "",        "Ridezazo", "Lizard",    "DuvuZirada", "D.O.Z.",      "RiziVov",
      "VedoZad", "Ro-da",    "ZuzodEvoz", "V-2-A",      "ZizoruVuzev", "ZeviruraR"};
  return kind >= 1 && kind <= kRobotKinds ? kNames[kind] : "?";
}

const char* VariantName(const Variant& v) {
  return FindRobotKind(v.kind)->Variants[v.variant].Name;
}

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

using Maker = std::function<Player1(uint32_t)>;

// One fight, naming it with -s when the opponent did not win.
DuelResult Fight(const Fighters& who, uint32_t seed, const Maker& make, int32_t max_frames,
                 void (*place)(Duel&, uint32_t)) {
  Duel duel(who, seed);
  if (place != nullptr) place(duel, seed);
  const DuelResult r = PlayOn(duel, make(seed), max_frames);
  if (g_seeds && r.winner != 2) {
    std::printf("  seed %u: %s against %s %s (armour left %d and %d)\n", seed,
                FindRobotKind(who.kind1)->Variants[who.variant1].Name,
                VariantName({who.kind2, who.variant2}), r.winner == 1 ? "lost" : "undecided",
                duel.f.Robots[0].Armor, duel.f.Robots[1].Armor);
  }
  return r;
}

// Who player 1 is in a measure, and how many fights each opponent variant gets.
struct Field {
  int32_t rounds;           // fights per opponent variant (per opponent kind, with per_kind)
  Variant p1 = {0, -1};     // player 1's robot: kind 0 varies it, variant -1 varies that
  bool per_kind = false;    // the rounds spread over each opponent kind's variants
  bool kind_lines = false;  // a line for every opponent kind, not only where it wins under 60%
  void (*place)(Duel&, uint32_t) = nullptr;  // where the robots start, if not the default lanes
};

// Each opponent variant against the field's player-1 robots; a line per opponent kind, and with
// -v per variant.
Tally Measure(const char* name, const Maker& make, const Field& field, int32_t max_frames) {
  Tally all;
  std::map<int32_t, Tally> kinds;
  uint32_t seed = 1000;
  for (const Variant& v : AllVariants()) {
    const int32_t n = static_cast<int32_t>(FindRobotKind(v.kind)->Variants.size());
    const int32_t rounds =
        field.per_kind ? field.rounds / n + (v.variant < field.rounds % n) : field.rounds;
    Tally one;
    for (int32_t i = 0; i < rounds; ++i, ++seed) {
      const int32_t k1 =
          field.p1.kind != 0 ? field.p1.kind : 1 + static_cast<int32_t>(seed % kRobotKinds);
      const int32_t v1 = field.p1.variant >= 0
                             ? field.p1.variant
                             : static_cast<int32_t>(seed % FindRobotKind(k1)->Variants.size());
      const DuelResult r = Fight({k1, v1, v.kind, v.variant}, seed, make, max_frames, field.place);
      one.Add(r);
      kinds[v.kind].Add(r);
      all.Add(r);
    }
    if (g_verbose) one.Print(std::string("  ") + VariantName(v));
  }
  for (const auto& [kind, t] : kinds) {
    if (g_verbose || field.kind_lines || t.Share() < 60) {
      t.Print(std::string("  kind ") + KindName(kind));
    }
  }
  all.Print(name);
  return all;
}

// Each player-1 robot that `pick` accepts against every opponent variant `rounds` times; a line
// per player-1 robot.
void MeasureByPlayer1(const char* name, const Maker& make, int32_t rounds, int32_t max_frames,
                      const std::function<bool(const Variant&, const CpuScene&)>& pick) {
  Tally all;
  uint32_t seed = 5000;
  for (const Variant& p1 : AllVariants()) {
    Duel probe({p1.kind, p1.variant, 1, 0}, 1);
    if (!pick(p1, ReadScene(probe.f.Robots[0], &probe.f.Weapons[0], probe.f.Robots[1],
                            &probe.f.Weapons[4]))) {
      continue;
    }
    Tally one;
    for (const Variant& v : AllVariants()) {
      for (int32_t i = 0; i < rounds; ++i, ++seed) {
        const DuelResult r =
            Fight({p1.kind, p1.variant, v.kind, v.variant}, seed, make, max_frames, nullptr);
        one.Add(r);
        all.Add(r);
      }
    }
    one.Print(std::string("  player 1 ") + VariantName(p1));
  }
  all.Print(name);
}

// Only the variants of one opponent kind, against `rounds` varied player-1 robots each.
void MeasureKind(const char* name, const Maker& make, int32_t kind, int32_t rounds,
                 int32_t max_frames) {
  Tally all;
  uint32_t seed = 9000;
  for (const Variant& v : AllVariants()) {
    if (v.kind != kind) continue;
    Tally one;
    for (int32_t i = 0; i < rounds; ++i, ++seed) {
      const int32_t k1 = 1 + static_cast<int32_t>(seed % (kRobotKinds - 1));
      const DuelResult r = Fight({k1, static_cast<int32_t>(seed % 2), v.kind, v.variant}, seed,
                                 make, max_frames, nullptr);
      one.Add(r);
      all.Add(r);
    }
    one.Print(std::string("  ") + VariantName(v));
  }
  all.Print(name);
}

// Survival-like chains: one form, the plan memory carried from fight to fight.
void Chain(const char* name, const Maker& make, int32_t max_frames) {
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
      if (r.winner != 2) {
        std::printf("  chain %u fight %zu: %s undecided or lost\n", c, i, VariantName(v));
      }
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
          "  %d %-15s role %d near %4.0f far %4.0f aim %3.0f rapid %d guardbreak %d "
          "ammo %3d%s rows %d cols %d dmg %3d stun %3d half %2d life %3d muzzle(up) %d,%d\n",
          k + 1, w.Name.c_str(), c.Role, c.Near, c.Far, c.Aim, c.Rapid, c.BreaksGuard, w.Ammo,
          w.Unlimited ? "u" : " ", w.Rows, w.Columns,
          w.Phases[0][w.HitPhase >= 0 ? w.HitPhase : 0].Damage + p.Damage, p.Stun, p.HitHalf,
          p.Life, w.Aim[0][0].X, w.Aim[0][0].Y);
    }
  }
}

Maker Plain(void (*p)(TForm1&, int32_t)) {
  return [p](uint32_t) { return Player1(p); };
}

struct Strategy {
  const char* name;
  const char* what;
  std::function<void()> run;
};

const std::vector<Strategy>& Strategies() {
  static const std::vector<Strategy> kAll = {
      {"passive", "stands still (also at the edges, and in chains)",
       [] {
         Measure("passive", Plain(Passive), {4}, 1500);
         Measure("passive at edges", Plain(Passive), {.rounds = 8, .place = AtTheEdge}, 1500);
         Chain("passive chain", Plain(Passive), 1500);
       }},
      {"corner", "walks into a corner and guards for ever",
       [] {
         Measure("corner guard", CornerGuard, {3}, 6000);
         Chain("corner chain", CornerGuard, 6000);
       }},
      {"turtle", "guards, letting go only to fire a lined-up weapon",
       [] { Measure("turtle", Plain(Turtle), {8}, 6000); }},
      {"rusher", "walks into contact and strikes",
       [] { Measure("melee rusher", Plain(MeleeRusher), {10}, 6000); }},
      {"walker", "walks at player 2 firing slot 1",
       [] { Measure("walker slot 1", Plain(Walker), {10}, 6000); }},
      {"masher", "random keys every 3 to 10 frames", [] { Measure("masher", Masher, {6}, 3000); }},
      {"competent", "reacts after 4 to 8 frames, aims, guards, boosts away when low",
       [] {
         Measure("competent fixed", Competent, {.rounds = 20, .p1 = {2, -1}}, 6000);
         Measure("competent varied", Competent, {20}, 6000);
       }},
      {"bait", "guards; strikes once when player 2 comes within melee reach (late)",
       [] {
         MeasureByPlayer1("guard bait", GuardBait, 3, 6000,
                          [](const Variant&, const CpuScene& sc) { return MeleeOf(sc) >= 0; });
       }},
      {"kiter", "keeps away, fires when lined up, boosts off when approached (late)",
       [] { Measure("kiter", Kiter, {10}, 6000); }},
      {"sidestep", "moves sideways all the time and never fires (late)",
       [] {
         Measure(
             "sidestepper", [](uint32_t s) { return Sidestepper(s, false); }, {10}, 6000);
       }},
      {"mover", "moves sideways all the time and fires when lined up, against ZeviruraR",
       [] {
         MeasureKind(
             "mover vs ZeviruraR", [](uint32_t s) { return Sidestepper(s, true); }, 11, 20, 6000);
       }},
      {"allround",
       "firing lines, weapon changes, melee spells, mines, half the shots dodged (late)",
       [] {
         MeasureByPlayer1("all-round", AllRound, 5, 6000, [](const Variant& p1, const CpuScene&) {
           return p1.kind == 7 || (p1.kind == 4 && p1.variant == 0) ||
                  (p1.kind == 10 && p1.variant == 0);
         });
       }},
      {"lmt", "the all-round player against V-2-A type L.M.T",
       [] { MeasureKind("all-round vs L.M.T", AllRound, 9, 60, 6000); }},
      {"runner", "keeps walking away, bent toward the middle, firing its longest reach (late)",
       [] { Measure("runner", Runner, {.rounds = 10, .kind_lines = true}, 6000); }},
      {"counterbait", "guards; walks in striking for 10 frames when player 2 comes within reach",
       [] {
         MeasureByPlayer1("counter bait", CounterBait, 3, 6000,
                          [](const Variant&, const CpuScene& sc) { return MeleeOf(sc) >= 0; });
       }},
      {"rifle", "Lizard type Vocka walking straight in, its rifle held two frames of three",
       [] {
         Measure("rifle walker", Plain(RifleWalker),
                 {.rounds = 20, .p1 = {2, 1}, .per_kind = true, .kind_lines = true}, 6000);
       }},
  };
  return kAll;
}

int Usage(FILE* out) {
  std::fprintf(out, "usage: zk_arena [-v] [-s] [strategy...] | zk_arena weapons\n");
  std::fprintf(out, "  -v  a line for every variant or player-1 robot\n");
  std::fprintf(out, "  -s  name every fight the opponent did not win, with its seed\n");
  for (const Strategy& s : Strategies()) std::fprintf(out, "  %-11s %s\n", s.name, s.what);
  std::fprintf(out, "  weapons     each variant's weapons as the opponent reads them\n");
  std::fprintf(out, "No strategy named: all of them.\n");
  return out == stdout ? 0 : 2;
}

}  // namespace
}  // namespace zk::test

int main(int argc, char** argv) {
  using namespace zk::test;
  std::vector<std::string> which;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "-v") {
      g_verbose = true;
    } else if (a == "-s") {
      g_seeds = true;
    } else if (a == "-h" || a == "--help") {
      return Usage(stdout);
    } else if (a == "weapons") {
      DumpWeapons();
      return 0;
    } else {
      const auto& all = Strategies();
      if (std::none_of(all.begin(), all.end(), [&](const Strategy& s) { return a == s.name; })) {
        std::fprintf(stderr, "zk_arena: no strategy \"%s\"\n", a.c_str());
        return Usage(stderr);
      }
      which.push_back(a);
    }
  }
  for (const Strategy& s : Strategies()) {
    if (which.empty() || std::find(which.begin(), which.end(), s.name) != which.end()) s.run();
  }
  return 0;
}
