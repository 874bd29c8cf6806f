#include "music.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "loudness.h"
#include "midi.h"
#include "wave.h"

namespace zk::assetgen {

namespace {

constexpr uint32_t kBeat = kTicksPerQuarter;
constexpr uint32_t kBar = 4 * kBeat;
constexpr uint32_t kEighth = kBeat / 2;

// Channels: 0 lead, 1 pad, 2 bass, 3 arpeggio, 9 drums.
constexpr uint8_t kLead = 0, kPad = 1, kBass = 2, kArp = 3, kDrums = 9;

enum class Drums { None, Soft, Rock, Fast };
enum class BassLine { Held, Quarters, Eighths };

struct Style {
  uint32_t Bpm, Bars;
  uint8_t Root;  // MIDI key of the tonic, around the bass octave
  std::array<int, 7> Scale;
  std::array<int, 4> ProgA, ProgB;  // scale degrees 0..6
  uint8_t LeadProgram, PadProgram, BassProgram, ArpProgram;
  Drums Beat;
  BassLine Bass;
  bool Arpeggio;
  int Density;  // 1 calm .. 3 busy
  bool EndOnTonic;
  uint32_t Seed;
  // The channel volumes' change in dB that brings the piece, played through Debian's General MIDI
  // soundfont, to the music's loudness.
  double LevelDb = 0;
  // The menus' pieces sit 0.4 LU over the music's loudness, the fight's 0.4 LU under it, so that
  // a fight with its shots and hits is not much louder than the menus.
  double LiftDb = 0;
};

constexpr std::array<int, 7> kMinor = {0, 2, 3, 5, 7, 8, 10};
constexpr std::array<int, 7> kMajor = {0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> kDorian = {0, 2, 3, 5, 7, 9, 10};

Style StyleOf(const std::string& name) {
  // Programs: 81 square lead, 30 distortion guitar, 61 brass, 73 flute, 48 strings, 89 warm pad,
  // 33 finger bass, 38 synth bass, 4 electric piano, 0 piano, 11 vibraphone.
  if (name == "Start")
    return {100,  24, 45,    kMinor, {0, 5, 3, 4}, {5, 3, 6, 4},
            81,   48, 33,    11,     Drums::Soft,  BassLine::Quarters,
            true, 2,  false, 101,    -2.0,         0.4};
  if (name == "Select")
    return {126,  20, 48,    kDorian, {0, 3, 0, 4}, {2, 3, 5, 4},
            4,    89, 38,    11,      Drums::Rock,  BassLine::Eighths,
            true, 2,  false, 202,     1.62,         0.4};
  if (name == "Fighting1")
    return {150,   32, 40,    kMinor, {0, 5, 6, 4}, {3, 5, 6, 4},
            30,    48, 38,    81,     Drums::Rock,  BassLine::Eighths,
            false, 3,  false, 303,    -1.82,        -0.4};
  if (name == "Fighting2")
    return {168,   32, 38,    kMinor, {0, 1, 0, 4}, {5, 6, 1, 4},
            81,    48, 38,    30,     Drums::Fast,  BassLine::Eighths,
            false, 3,  false, 404,    -2.8,         -0.4};
  if (name == "Fighting3")
    return {140,  32, 43,    kMinor, {0, 6, 5, 4}, {3, 6, 2, 4},
            61,   48, 33,    81,     Drums::Rock,  BassLine::Eighths,
            true, 3,  false, 505,    -1.5,         -0.4};
  if (name == "Ending")
    return {84,   24, 41,   kMajor, {0, 4, 5, 3}, {1, 4, 0, 3},
            73,   48, 33,   0,      Drums::Soft,  BassLine::Held,
            true, 1,  true, 606,    -0.21,        0.4};
  if (name == "junk")
    return {112,   14,  45, kDorian,     {0, 3, 6, 4},      {5, 3, 0, 4}, 81,
            89,    38,  4,  Drums::Rock, BassLine::Eighths, true,         2,
            false, 707, 0,  0.4};
  // "qura08" and anything else: a fight piece.
  return {144,   18,  40, kMinor,      {0, 5, 3, 4},      {5, 6, 0, 4}, 81,
          48,    38,  30, Drums::Fast, BassLine::Eighths, false,        3,
          false, 808, 0,  -0.4};
}

// The key of scale step `step` (any integer) above the root.
int ScaleKey(const Style& s, int step) {
  const int octave = step >= 0 ? step / 7 : -((-step + 6) / 7);
  const int within = step - octave * 7;
  return s.Root + 12 * octave + s.Scale[static_cast<size_t>(within)];
}

int ChordOfBar(const Style& s, uint32_t bar) {
  if (bar + 1 == s.Bars) return s.EndOnTonic ? 0 : 4;  // the last bar leads back to the start
  const bool sectionB = (bar / 8) % 2 == 1;
  return (sectionB ? s.ProgB : s.ProgA)[bar % 4];
}

void AddDrums(Song& song, const Style& s, uint32_t bar) {
  const uint32_t t0 = bar * kBar;
  auto hit = [&](uint32_t at, uint8_t key, uint8_t vel) {
    song.Notes.push_back({t0 + at, kEighth / 2, kDrums, key, vel});
  };
  const bool fill = bar % 8 == 7;
  if (bar % 8 == 0 && s.Beat != Drums::None && s.Beat != Drums::Soft) hit(0, 49, 100);
  switch (s.Beat) {
    case Drums::None:
      break;
    case Drums::Soft:
      hit(0, 36, 80);
      hit(2 * kBeat, 37, 60);
      for (uint32_t b = 0; b < 4; ++b) hit(b * kBeat, 42, 45);
      break;
    case Drums::Rock:
      hit(0, 36, 100);
      hit(2 * kBeat, 36, 95);
      hit(2 * kBeat + kEighth, 36, 70);
      hit(kBeat, 38, 100);
      if (!fill) hit(3 * kBeat, 38, 100);
      for (uint32_t e = 0; e < 8; ++e) hit(e * kEighth, e % 2 ? 42 : 46, e % 2 ? 55 : 70);
      if (fill)
        for (uint32_t e = 6; e < 8; ++e) hit(e * kEighth, e == 6 ? 47 : 45, 100);
      break;
    case Drums::Fast:
      for (uint32_t e = 0; e < 8; ++e) {
        if (e % 2 == 0 || e == 3) hit(e * kEighth, 36, 100);
        hit(e * kEighth, 42, e % 2 ? 50 : 75);
      }
      hit(kBeat, 38, 105);
      hit(3 * kBeat, 38, 105);
      if (fill) {
        hit(3 * kBeat + kEighth, 38, 90);
        hit(3 * kBeat + kEighth + kEighth / 2, 38, 110);
      }
      break;
  }
}

// A two-bar motif: durations in eighths and scale-step moves.
struct Motif {
  std::vector<std::pair<int, int>> Notes;  // eighths, step (or 99 for a rest)
};

Motif MakeMotif(const Style& s, Noise& rng) {
  Motif m;
  int left = 16, step = 0;
  while (left > 0) {
    static constexpr int kCalm[] = {2, 2, 4, 3, 4, 6};
    static constexpr int kBusy[] = {1, 1, 2, 2, 1, 3};
    const int* lengths = s.Density >= 3 ? kBusy : kCalm;
    int len = lengths[rng.Next() % 6];
    if (s.Density == 2 && rng.Next() % 3 == 0) len = 1 + static_cast<int>(rng.Next() % 2);
    if (len > left) len = left;
    const int move = static_cast<int>(rng.Next() % 5) - 2;
    step += move;
    if (step < -3) step = -3;
    if (step > 7) step = 7;
    const bool rest = left < 16 && rng.Next() % 7 == 0;
    m.Notes.push_back({len, rest ? 99 : step});
    left -= len;
  }
  return m;
}

void AddMelody(Song& song, const Style& s, uint32_t bar, const Motif& motif) {
  if (bar % 2 == 1) return;  // a motif spans two bars
  uint32_t at = bar * kBar;
  const int chord = ChordOfBar(s, bar);
  for (auto [len, step] : motif.Notes) {
    const uint32_t length = static_cast<uint32_t>(len) * kEighth;
    if (step != 99) {
      // Notes on the beat lean on the chord: pull them to the nearest chord tone.
      int st = chord + step;
      if ((at % kBeat) == 0) {
        const int rel = ((st - chord) % 7 + 7) % 7;
        if (rel == 1 || rel == 3 || rel == 5) st -= 1;
        if (rel == 6) st += 1;
      }
      const uint8_t key = static_cast<uint8_t>(ScaleKey(s, st) + 24);
      song.Notes.push_back(
          {at, length - length / 8, kLead, key, static_cast<uint8_t>((at % kBar) == 0 ? 100 : 84)});
    }
    at += length;
    if (at >= (bar + 2) * kBar || at >= s.Bars * kBar) break;
  }
}

void AddHarmony(Song& song, const Style& s, uint32_t bar, Noise& rng) {
  const uint32_t t0 = bar * kBar;
  const int chord = ChordOfBar(s, bar);
  for (int k = 0; k < 3; ++k)
    song.Notes.push_back(
        {t0, kBar - 10, kPad, static_cast<uint8_t>(ScaleKey(s, chord + 2 * k) + 12), 58});
  const uint8_t root = static_cast<uint8_t>(ScaleKey(s, chord));
  switch (s.Bass) {
    case BassLine::Held:
      song.Notes.push_back({t0, kBar - 10, kBass, root, 90});
      break;
    case BassLine::Quarters:
      for (uint32_t b = 0; b < 4; ++b)
        song.Notes.push_back(
            {t0 + b * kBeat, kBeat - 40, kBass, static_cast<uint8_t>(root + (b == 2 ? 7 : 0)), 92});
      break;
    case BassLine::Eighths:
      for (uint32_t e = 0; e < 8; ++e)
        song.Notes.push_back({t0 + e * kEighth, kEighth - 30, kBass,
                              static_cast<uint8_t>(root + (e == 3 || e == 7 ? 12 : 0)),
                              static_cast<uint8_t>(e % 2 ? 80 : 100)});
      break;
  }
  if (s.Arpeggio) {
    static constexpr int kOrder[8] = {0, 2, 4, 7, 4, 2, 0, 2};
    const int shift = static_cast<int>(rng.Next() % 2);
    for (uint32_t e = 0; e < 8; ++e)
      song.Notes.push_back({t0 + e * kEighth, kEighth - 20, kArp,
                            static_cast<uint8_t>(ScaleKey(s, chord + kOrder[(e + shift) % 8]) + 24),
                            62});
  }
}

double MidiFreq(int key) {
  return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}

}  // namespace

uint32_t Song::LengthTicks() const {
  return Bars * kBar;
}
double Song::Seconds() const {
  return Bars * 4 * 60.0 / Bpm;
}

Song ComposeSong(const std::string& name) {
  const Style s = StyleOf(name);
  Song song;
  song.Title = name;
  song.Bpm = s.Bpm;
  song.Bars = s.Bars;
  song.LevelDb = s.LevelDb + s.LiftDb;
  song.LiftDb = s.LiftDb;
  song.Programs = {{kLead, s.LeadProgram}, {kPad, s.PadProgram}, {kBass, s.BassProgram}};
  if (s.Arpeggio) song.Programs.push_back({kArp, s.ArpProgram});
  Noise rng(s.Seed);
  const Motif a1 = MakeMotif(s, rng), a2 = MakeMotif(s, rng), b1 = MakeMotif(s, rng),
              b2 = MakeMotif(s, rng);
  for (uint32_t bar = 0; bar < s.Bars; ++bar) {
    AddHarmony(song, s, bar, rng);
    AddDrums(song, s, bar);
    // The first four bars bring the band in; the tune follows: A A' B B' by eight-bar sections.
    if (bar >= 4 || s.Bars < 16) {
      const bool sectionB = (bar / 8) % 2 == 1;
      const bool second = (bar % 4) >= 2;
      AddMelody(song, s, bar, sectionB ? (second ? b2 : b1) : (second ? a2 : a1));
    }
  }
  return song;
}

std::vector<uint8_t> EncodeSongMidi(const Song& song) {
  std::vector<MidiTrack> tracks(1);
  tracks[0].Name(song.Title);
  tracks[0].Tempo(0, 60000000u / song.Bpm);
  tracks[0].Add(0, {0xFF, 0x58, 0x04, 4, 2, 24, 8});  // 4/4
  // One track per channel, in channel order.
  std::vector<uint8_t> channels;
  for (const SongNote& n : song.Notes)
    if (std::find(channels.begin(), channels.end(), n.Channel) == channels.end())
      channels.push_back(n.Channel);
  std::sort(channels.begin(), channels.end());
  for (uint8_t ch : channels) {
    MidiTrack t;
    for (auto [c, program] : song.Programs)
      if (c == ch) t.Program(0, ch, program);
    // The volume's gain goes with its square (40 log10 of it in dB).
    const double volume = (ch == kPad ? 80 : 100) * std::pow(10.0, song.LevelDb / 40);
    t.Control(0, ch, 7, static_cast<uint8_t>(std::clamp(std::lround(volume), 1L, 127L)));
    t.Control(0, ch, 10, ch == kArp ? 40 : (ch == kLead ? 72 : 64));  // pan
    for (const SongNote& n : song.Notes)
      if (n.Channel == ch) t.Note(n.Start, n.Length, ch, n.Key, n.Velocity);
    tracks.push_back(std::move(t));
  }
  return EncodeMidi(tracks, kTicksPerQuarter, song.LengthTicks());
}

std::vector<double> RenderSong(const Song& song, uint32_t rate) {
  const double secondsPerTick = 60.0 / song.Bpm / kTicksPerQuarter;
  std::vector<double> out(static_cast<size_t>(song.Seconds() * rate) + 1, 0.0);
  const double twoPi = 2 * std::numbers::pi;
  Noise noise(99);
  for (const SongNote& n : song.Notes) {
    const size_t start = static_cast<size_t>(n.Start * secondsPerTick * rate);
    const double length = n.Length * secondsPerTick;
    const double vel = n.Velocity / 127.0;
    if (n.Channel == kDrums) {
      const double dur = n.Key == 49 ? 0.9 : (n.Key == 36 ? 0.25 : 0.12);
      for (size_t i = 0; i < static_cast<size_t>(dur * rate) && start + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        double v = 0;
        if (n.Key == 36) {
          v = std::sin(twoPi * (50 * t + 2.5 * (1 - std::exp(-t * 30)))) * std::exp(-t * 12);
        } else if (n.Key == 38 || n.Key == 37) {
          v = (noise.Signed() * 0.7 + 0.4 * std::sin(twoPi * 190 * t)) * std::exp(-t * 22);
        } else if (n.Key == 45 || n.Key == 47) {
          v = std::sin(twoPi * (n.Key == 47 ? 160 : 120) * t) * std::exp(-t * 10);
        } else {
          v = noise.Signed() * std::exp(-t * (n.Key == 49 ? 4 : (n.Key == 46 ? 18 : 45))) * 0.5;
        }
        out[start + i] += v * vel * 0.45;
      }
      continue;
    }
    const double f = MidiFreq(n.Key);
    const double release = 0.08;
    const size_t count = static_cast<size_t>((length + release) * rate);
    double phase = 0;
    for (size_t i = 0; i < count && start + i < out.size(); ++i) {
      const double t = static_cast<double>(i) / rate;
      phase += f / rate;
      phase -= std::floor(phase);
      double env = std::min(1.0, t / (n.Channel == kPad ? 0.15 : 0.008));
      if (t > length) env *= std::max(0.0, 1 - (t - length) / release);
      double v = 0;
      switch (n.Channel) {
        case kLead:
          v = (phase < 0.5 ? 0.6 : -0.6) * (0.7 + 0.3 * std::exp(-t * 3));
          break;
        case kPad:
          v = (std::sin(twoPi * phase) + 0.3 * std::sin(2 * twoPi * phase)) * 0.35;
          break;
        case kBass:
          v = (phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase) * 0.9;
          break;
        default:
          v = std::sin(twoPi * phase) * std::exp(-t * 6) * 0.5;
          break;
      }
      out[start + i] += v * env * vel * 0.3;
    }
  }
  // The piece rises from silence over its first milliseconds: a drum on the first beat would
  // otherwise start the file off zero, and the player would hear a tick.
  const size_t fade = std::min(out.size(), static_cast<size_t>(kMp3FadeInSeconds * rate));
  for (size_t i = 0; i < fade; ++i) {
    out[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / fade);
  }
  const double lufs = kMp3Loudness + song.LiftDb;
  const double gain = std::pow(10.0, (lufs - IntegratedLoudness(out, 1, rate)) / 20);
  for (double& v : out) v *= gain;
  return out;
}

}  // namespace zk::assetgen
