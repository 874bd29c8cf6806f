// The music: pieces composed by rule from a seed, written as MIDI files or rendered to samples.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zk::assetgen {

struct SongNote {
  uint32_t Start;   // in ticks
  uint32_t Length;  // in ticks
  uint8_t Channel;  // 9 is the drum channel
  uint8_t Key;
  uint8_t Velocity;
};

struct Song {
  std::string Title;
  uint32_t Bpm = 120;
  uint32_t Bars = 16;                                 // of 4/4
  std::vector<std::pair<uint8_t, uint8_t>> Programs;  // channel, General MIDI program
  std::vector<SongNote> Notes;
  double LevelDb = 0;  // the change of every channel's volume (MIDI)
  double LiftDb = 0;   // over or under the music's loudness
  uint32_t LengthTicks() const;
  double Seconds() const;
};

inline constexpr uint16_t kTicksPerQuarter = 480;

// The six pieces by file name: "Start", "Select", "Fighting1", "Fighting2", "Fighting3", "Ending";
// and the two MP3 pieces "junk" and "qura08".
Song ComposeSong(const std::string& name);

std::vector<uint8_t> EncodeSongMidi(const Song& song);

// The MP3 pieces' integrated loudness in their files, in LUFS of the mono samples.
inline constexpr double kMp3Loudness = -18.05;

// How long an MP3 piece takes to rise from silence at its start.
inline constexpr double kMp3FadeInSeconds = 0.008;

// Mono samples of the song played by a small synthesizer of ours, at kMp3Loudness + LiftDb,
// beginning at zero and rising over kMp3FadeInSeconds.
std::vector<double> RenderSong(const Song& song, uint32_t rate);

}  // namespace zk::assetgen
