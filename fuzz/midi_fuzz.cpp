// Fuzzes the MIDI path: a file that passes the check either is refused or gives a song whose
// events are in order within it and whose beat and measure boundaries lie ahead within a repeat.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "media/midi_file.h"
#include "media/midi_song.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  if (!zk::CheckMidiFile(bytes)) return 0;
  const auto song = zk::MidiSong::Parse(bytes, 44100);
  if (!song) return 0;
  uint64_t last = 0;
  for (const zk::MidiEvent& e : song->Events()) {
    if (e.Sample < last || e.Sample > song->Length() || e.Status < 0x80 || e.Status >= 0xF0) {
      std::abort();
    }
    last = e.Sample;
  }
  const uint64_t period = song->Period();
  for (uint64_t at : {uint64_t{1}, period / 3, period / 2, period - 1}) {
    for (auto which : {zk::MusicBoundary::Beat, zk::MusicBoundary::Measure}) {
      const uint64_t next = song->NextBoundary(at, which);
      if (next < at || next > period) std::abort();
    }
  }
  return 0;
}
