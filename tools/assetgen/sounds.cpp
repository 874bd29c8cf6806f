#include "sounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

#include "loudness.h"
#include "wave.h"

namespace zk::assetgen {

namespace {

constexpr double kRate = kEffectRate;
constexpr double kTwoPi = 2 * std::numbers::pi;

using Samples = std::vector<double>;

Samples Silence(double seconds) {
  return Samples(static_cast<size_t>(seconds * kRate), 0.0);
}

// A one-pole low-pass filter.
struct LowPass {
  double y = 0;
  double Step(double x, double cutoff) {
    const double a = 1 - std::exp(-kTwoPi * cutoff / kRate);
    y += a * (x - y);
    return y;
  }
};

// A noise burst through a falling low-pass, with a low thump: shots and blasts.
Samples Blast(double seconds, double decay, double cutoffFrom, double cutoffTo, double thumpHz,
              double thump, uint32_t seed) {
  Samples s = Silence(seconds);
  Noise n(seed);
  LowPass lp;
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = i / kRate;
    const double env = std::exp(-t * decay);
    const double cutoff = cutoffTo + (cutoffFrom - cutoffTo) * std::exp(-t * decay * 1.5);
    phase += kTwoPi * thumpHz * (1.0 - 0.5 * t / seconds) / kRate;
    s[i] = lp.Step(n.Signed(), cutoff) * env * 1.6 +
           thump * std::sin(phase) * std::exp(-t * decay * 0.7);
  }
  return s;
}

Samples Tone(double seconds, double freqFrom, double freqTo, double square, double vibrato,
             double attack, double release) {
  Samples s = Silence(seconds);
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = i / kRate;
    const double f = freqFrom * std::pow(freqTo / freqFrom, t / seconds) *
                     (1 + vibrato * std::sin(kTwoPi * 18 * t));
    phase += kTwoPi * f / kRate;
    const double sine = std::sin(phase);
    const double sq = sine >= 0 ? 1.0 : -1.0;
    const double env = std::min({1.0, t / attack, (seconds - t) / release});
    s[i] = (sine * (1 - square) + sq * square) * std::max(0.0, env) * 0.7;
  }
  return s;
}

void MixInto(Samples& dst, const Samples& src, double at, double gain) {
  const size_t offset = static_cast<size_t>(at * kRate);
  if (dst.size() < offset + src.size()) dst.resize(offset + src.size(), 0.0);
  for (size_t i = 0; i < src.size(); ++i) dst[offset + i] += src[i] * gain;
}

// A short melodic figure of square-ish notes: (semitones above A4, start, length).
Samples Jingle(const std::vector<std::tuple<int, double, double>>& notes, double seconds,
               double square) {
  Samples s = Silence(seconds);
  for (auto [semi, start, len] : notes) {
    const double f = 440.0 * std::pow(2.0, semi / 12.0);
    MixInto(s, Tone(len, f, f, square, 0.004, 0.005, len * 0.6), start, 0.55);
  }
  return s;
}

Samples Metal(double seconds, double base, uint32_t seed) {
  Samples s = Silence(seconds);
  static constexpr double kRatios[5] = {1.0, 2.76, 5.40, 8.93, 13.34};
  Noise n(seed);
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = i / kRate;
    double v = 0;
    for (int k = 0; k < 5; ++k)
      v += std::sin(kTwoPi * base * kRatios[k] * t) * std::exp(-t * (8 + 6 * k)) / (k + 1);
    s[i] = v * 0.8 + n.Signed() * std::exp(-t * 60) * 0.5;
  }
  return s;
}

Samples Beat() {
  // Two bars of 120 beats a minute in 2 s: kick on every beat, a closed hat between.
  Samples s = Silence(2.0);
  const Samples kick = [] {
    Samples k = Silence(0.2);
    double phase = 0;
    for (size_t i = 0; i < k.size(); ++i) {
      const double t = i / kRate;
      k[i] = std::sin(phase) * std::exp(-t * 14);  // from phase 0: the loop starts silent
      phase += kTwoPi * (50 + 90 * std::exp(-t * 30)) / kRate;
    }
    return k;
  }();
  const Samples hat = Blast(0.05, 70, 3800, 3000, 0, 0, 77);
  for (int b = 0; b < 4; ++b) {
    MixInto(s, kick, b * 0.5, 0.9);
    MixInto(s, hat, b * 0.5 + 0.25, 0.35);
  }
  s.resize(static_cast<size_t>(2.0 * kRate));  // an exact loop
  return s;
}

// Brings the sound to `lufs` (its integrated loudness as played once, mono), and fades its first
// 1.5 ms in and its last 5 ms out, so that it begins and ends at zero and keeps its attack.
void Level(Samples& s, double lufs) {
  std::vector<double> played = s;
  played.resize(s.size() + static_cast<size_t>(kRate), 0.0);  // once, then silence
  const double gain = std::pow(10.0, (lufs - IntegratedLoudness(played, 1, kRate)) / 20);
  for (double& v : s) v *= gain;
  const size_t in = std::min<size_t>(s.size(), 12), out = std::min<size_t>(s.size(), 40);
  for (size_t i = 0; i < in; ++i) s[i] *= static_cast<double>(i) / in;
  for (size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= static_cast<double>(i) / out;
}

}  // namespace

std::vector<std::pair<std::string, std::vector<uint8_t>>> MakeEffects() {
  std::vector<std::pair<std::string, Samples>> fx;
  fx.emplace_back("ATTACK1", Blast(0.28, 18, 3500, 500, 110, 0.5, 1));  // rifle, shotgun
  {
    Samples s = Blast(0.3, 10, 1800, 300, 0, 0, 2);  // melee swing
    MixInto(s, Metal(0.25, 620, 3), 0.08, 0.6);
    fx.emplace_back("ATTACK2", s);
  }
  {
    Samples s = Blast(0.3, 14, 900, 200, 70, 0.7, 4);  // a heavy bite
    MixInto(s, Metal(0.2, 300, 5), 0.04, 0.4);
    fx.emplace_back("ATTACK3", s);
  }
  fx.emplace_back("ATTACK4", Blast(0.12, 40, 4000, 900, 140, 0.4, 6));  // machine gun
  {
    Samples s = Silence(0.7);  // missile launch
    Noise n(7);
    LowPass lp;
    for (size_t i = 0; i < s.size(); ++i) {
      const double t = i / kRate;
      const double env = std::min(1.0, t * 12) * std::exp(-t * 3.5);
      s[i] = lp.Step(n.Signed(), 300 + 2500 * t) * env * 1.8;
    }
    MixInto(s, Blast(0.25, 16, 1500, 200, 60, 0.6, 8), 0, 0.7);
    fx.emplace_back("ATTACK5", s);
  }
  fx.emplace_back("BEAM", Tone(0.5, 1800, 380, 0.5, 0.03, 0.01, 0.2));
  {
    Samples s = Silence(0.7);  // acid hiss
    Noise n(9);
    LowPass lp;
    for (size_t i = 0; i < s.size(); ++i) {
      const double t = i / kRate;
      const double x = n.Signed();
      const double hp = x - lp.Step(x, 1500);
      const double bubble = 0.6 + 0.4 * std::sin(kTwoPi * 11 * t);
      s[i] = hp * bubble * std::min({1.0, t * 20, (0.7 - t) * 4});
    }
    fx.emplace_back("ACID", s);
  }
  fx.emplace_back("HITTED1", Blast(0.6, 6, 1200, 120, 55, 0.9, 10));  // cannon and bazooka
  fx.emplace_back("HITTED2", Metal(0.35, 420, 11));                   // metal impact
  {
    Samples s = Blast(0.8, 4.5, 900, 80, 40, 1.0, 12);  // big explosion
    MixInto(s, Blast(0.4, 8, 2500, 300, 0, 0, 13), 0.06, 0.5);
    fx.emplace_back("HITTED3", s);
  }
  fx.emplace_back("HITTED4", Blast(0.12, 45, 2500, 700, 200, 0.5, 14));  // light hit
  fx.emplace_back(
      "S_BEGIN",
      Jingle({{3, 0.0, 0.14}, {7, 0.14, 0.14}, {10, 0.28, 0.14}, {15, 0.42, 0.5}, {10, 0.42, 0.5}},
             1.0, 0.5));
  fx.emplace_back("S_BEAT", Beat());
  fx.emplace_back("S_SELECT", Jingle({{12, 0.0, 0.08}, {19, 0.08, 0.18}}, 0.3, 0.6));
  {
    std::vector<std::tuple<int, double, double>> notes;
    for (int i = 0; i < 6; ++i) notes.push_back({15 + 2 * i, 0.07 * i, 0.06});
    notes.push_back({27, 0.45, 0.4});
    notes.push_back({22, 0.45, 0.4});
    fx.emplace_back("S_SCORE", Jingle(notes, 0.9, 0.7));
  }
  fx.emplace_back(
      "S_START",
      Jingle({{-2, 0.0, 0.2}, {-2, 0.25, 0.2}, {5, 0.5, 0.7}, {1, 0.5, 0.7}, {-2, 0.5, 0.7}}, 1.3,
             0.6));
  {
    Samples s =
        Jingle({{10, 0.0, 0.25}, {5, 0.25, 0.25}, {1, 0.5, 0.25}, {-2, 0.75, 0.7}}, 1.5, 0.4);
    MixInto(s, Metal(1.2, 180, 15), 0.75, 0.6);
    fx.emplace_back("S_FINISH", s);
  }
  std::vector<std::pair<std::string, std::vector<uint8_t>>> out;
  for (auto& [name, samples] : fx) {
    // Levelled by their role: the beat (which plays alone before a fight) as the music, shots
    // and hits a little over it, the jingles more. The machine guns fire ATTACK4 five to eight
    // times a second, from both players at once: a single shot is 4 LU under the other shots, so
    // that a burst is not much louder than they are. The loudest peak (ATTACK3) is 0.88.
    const double lufs = name == "S_BEAT"         ? kEffectLoudness - 1.0
                        : name == "ATTACK4"      ? kEffectLoudness - 4.0
                        : name.starts_with("S_") ? kEffectLoudness + 2.0
                                                 : kEffectLoudness;
    Level(samples, lufs);
    out.emplace_back(name, EncodeWave(samples, kEffectRate, 8));
  }
  return out;
}

}  // namespace zk::assetgen
