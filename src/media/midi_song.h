// A standard MIDI file as the music performance plays it: its channel events in time order, and
// the beat and measure grid that its tempo map and time signatures give.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "media/music_boundary.h"
#include "media/sf2_subset.h"

namespace zk {

// A channel message (status 0x80 to 0xEF) and when it sounds, in samples from the song's start.
struct MidiEvent {
  uint64_t Sample = 0;
  uint8_t Status = 0, Data1 = 0, Data2 = 0;
};

class MidiSong {
 public:
  // Reads a file that passed CheckMidiFile, timed at `rate` samples per second. Empty when a
  // track holds a malformed event or reaches past 2^32 - 1 ticks.
  static std::optional<MidiSong> Parse(std::span<const uint8_t> bytes, uint32_t rate);

  const std::vector<MidiEvent>& Events() const { return events_; }
  // The programs it selects, and program 0 that every channel starts with.
  const SoundFontPrograms& Programs() const { return programs_; }
  // Where the last track ends, in samples.
  uint64_t Length() const { return TickToSample(length_ticks_); }
  // A repeat starts after Length(), but never sooner than a tenth of a second after the start.
  uint64_t Period() const;
  // The first beat or measure boundary at or after `sample` (0 to Period()); the start of the
  // next repeat when none is left before the end.
  uint64_t NextBoundary(uint64_t sample, MusicBoundary which) const;

 private:
  struct Tempo {
    uint64_t Tick;
    uint32_t MicrosPerQuarter;
    uint64_t Micros;  // from the start to Tick
  };
  // A time signature: measures of `Beats` beats of `BeatTicks` ticks, counted from `Tick`.
  struct Meter {
    uint64_t Tick;
    uint64_t BeatTicks;
    uint32_t Beats;
  };

  uint64_t TickToSample(uint64_t tick) const;
  uint64_t SampleToTick(uint64_t sample) const;  // the last tick that sounds at or before it
  uint64_t NextGridTick(uint64_t tick, MusicBoundary which) const;

  uint32_t rate_ = 44100;
  uint16_t division_ = 96;
  uint64_t length_ticks_ = 0;
  std::vector<Tempo> tempos_;  // the first at tick 0
  std::vector<Meter> meters_;  // the first at tick 0
  std::vector<MidiEvent> events_;
  SoundFontPrograms programs_;
};

}  // namespace zk
