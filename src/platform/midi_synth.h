// The General MIDI synthesizer the music performance plays through: FluidSynth with one soundfont
// for the whole run, rendering 16-bit stereo into the mixer's music stream.
#pragma once

#include <fluidsynth.h>

#include <cstdint>
#include <memory>

#include "platform/midi_sequencer.h"

namespace zk {

class MidiSynth final : public MusicSink {
 public:
  // Empty, after one line on stderr, when no General MIDI soundfont loads.
  static std::unique_ptr<MidiSynth> Open(uint32_t rate);
  MidiSynth(fluid_settings_t* settings, fluid_synth_t* synth)
      : settings_(settings), synth_(synth) {}
  MidiSynth(const MidiSynth&) = delete;
  MidiSynth& operator=(const MidiSynth&) = delete;
  ~MidiSynth() override;

  // Where the next Render calls write, one interleaved stereo frame after another.
  void SetOutput(int16_t* out) { out_ = out; }
  void Render(uint64_t frames) override;
  void Send(const MidiEvent& event) override;
  void Begin() override;
  void End() override;

 private:
  fluid_settings_t* settings_;
  fluid_synth_t* synth_;
  int16_t* out_ = nullptr;
};

}  // namespace zk
