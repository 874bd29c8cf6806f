// The General MIDI synthesizer the music performance plays through: FluidSynth rendering float
// stereo at the music's gain into the mixer's music stream, with one soundfont for the whole run of
// which only the presets the loaded pieces select are built (the sample data is read from the file
// as needed).
#pragma once

#include <fluidsynth.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "media/midi_sequencer.h"
#include "media/sf2_subset.h"

namespace zk {

class MidiSynth final : public MusicSink {
 public:
  static constexpr double kFadeOutSeconds = 0.03;
  // Renders at `rate` frames per second and `gain` (the mixer's music gain). Empty, after one
  // line on stderr, when no General MIDI soundfont loads.
  static std::unique_ptr<MidiSynth> Open(uint32_t rate, float gain);
  // The settings Open makes its synthesizer with (the caller owns them); null when they cannot
  // be made.
  static fluid_settings_t* NewSettings(uint32_t rate, float gain);
  MidiSynth(fluid_settings_t* settings, fluid_synth_t* synth)
      : settings_(settings), synth_(synth) {}
  MidiSynth(const MidiSynth&) = delete;
  MidiSynth& operator=(const MidiSynth&) = delete;
  ~MidiSynth() override;

  // Makes the presets a piece selects playable (a soundfont that cannot be cut down is whole).
  void Use(const SoundFontPrograms& programs);

  // Where the next Render calls write, one interleaved stereo frame after another.
  void SetOutput(float* out) { out_ = out; }
  void Render(uint64_t frames) override;
  void Send(const MidiEvent& event) override;
  // A song that starts or a stop silences what sounded, fading it out over kFadeOutSeconds.
  void Begin() override;
  void End() override;

 private:
  bool Load(const std::string& path);
  bool LoadPresets();  // the presets of `used_` from the soundfont at `name_`
  void FadeOut();

  fluid_settings_t* settings_;
  fluid_synth_t* synth_;
  float* out_ = nullptr;
  std::vector<float> tail_;  // a fade-out mixed into the next frames rendered
  size_t tail_at_ = 0;
  uint64_t written_ = 0;  // frames taken from the synthesizer
  std::string path_;
  std::string name_;       // the cut-down soundfont's name for the file callbacks
  uint64_t data_end_ = 0;  // where the file's preset data begins: all before it is read as is
  std::vector<uint8_t> presets_;  // the file's preset data, the body of its "pdta" list
  SoundFontPrograms used_;
  int font_id_ = -1;
};

}  // namespace zk
