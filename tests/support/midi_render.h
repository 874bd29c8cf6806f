// A MIDI piece rendered through the game's synthesizer, event by event, for the sound tests.
#pragma once

#include <cstdint>
#include <vector>

#include "media/midi_song.h"
#include "media/midi_synth.h"

namespace zk {

// The piece's first `frames`, into stereo samples.
inline std::vector<float> RenderSong(MidiSynth& synth, const MidiSong& song, uint64_t frames) {
  std::vector<float> out(2 * frames);
  synth.SetOutput(out.data());
  synth.Begin();
  uint64_t at = 0;
  for (const MidiEvent& event : song.Events()) {
    if (event.Sample >= frames) break;
    synth.Render(event.Sample - at);
    at = event.Sample;
    synth.Send(event);
  }
  synth.Render(frames - at);
  return out;
}

}  // namespace zk
