#include "platform/midi_synth.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace zk {

namespace {

// The soundfonts tried in turn: those the user names in SDL_SOUNDFONTS (separated by ";"), then
// Debian's small General MIDI set (6 MB; the full Fluid R3 set holds some 150 MB in memory), then
// the system's default one.
std::vector<std::string> SoundFonts() {
  std::vector<std::string> paths;
  if (const char* named = std::getenv("SDL_SOUNDFONTS")) {
    std::string list = named;
    for (size_t start = 0; start <= list.size();) {
      const size_t end = std::min(list.find(';', start), list.size());
      if (end > start) paths.push_back(list.substr(start, end - start));
      start = end + 1;
    }
  }
  paths.push_back("/usr/share/sounds/sf2/TimGM6mb.sf2");
  paths.push_back("/usr/share/sounds/sf2/default-GM.sf2");
  return paths;
}

}  // namespace

std::unique_ptr<MidiSynth> MidiSynth::Open(uint32_t rate) {
  // The synthesizer's own messages would reach stderr; its failures are reported here instead.
  for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level) {
    fluid_set_log_function(level, nullptr, nullptr);
  }
  fluid_settings_t* settings = new_fluid_settings();
  if (settings == nullptr) return nullptr;
  fluid_settings_setnum(settings, "synth.sample-rate", rate);
  fluid_settings_setnum(settings, "synth.gain", 1.0);  // as loud as SDL_mixer plays MIDI
  // One lock guards the synthesizer already; 32 voices, as many as DirectMusic's software
  // synthesizer has by default; a preset's samples are read when a piece first selects it.
  fluid_settings_setint(settings, "synth.threadsafe-api", 0);
  fluid_settings_setint(settings, "synth.polyphony", 32);
  fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
  fluid_settings_setint(settings, "synth.lock-memory", 0);
  fluid_synth_t* synth = new_fluid_synth(settings);
  if (synth == nullptr) {
    delete_fluid_settings(settings);
    return nullptr;
  }
  auto out = std::make_unique<MidiSynth>(settings, synth);
  for (const std::string& path : SoundFonts()) {
    if (fluid_synth_sfload(synth, path.c_str(), 1) != FLUID_FAILED) return out;
  }
  std::cerr << "zerkhaldun: no General MIDI soundfont could be loaded (install "
               "timgm6mb-soundfont); MIDI music plays silently\n";
  return nullptr;
}

MidiSynth::~MidiSynth() {
  delete_fluid_synth(synth_);
  delete_fluid_settings(settings_);
}

void MidiSynth::Render(uint64_t frames) {
  fluid_synth_write_s16(synth_, static_cast<int>(frames), out_, 0, 2, out_, 1, 2);
  out_ += 2 * frames;
}

void MidiSynth::Send(const MidiEvent& e) {
  const int channel = e.Status & 0x0F;
  switch (e.Status & 0xF0) {
    case 0x80:
      fluid_synth_noteoff(synth_, channel, e.Data1);
      break;
    case 0x90:
      fluid_synth_noteon(synth_, channel, e.Data1, e.Data2);  // velocity 0 releases the note
      break;
    case 0xA0:
      fluid_synth_key_pressure(synth_, channel, e.Data1, e.Data2);
      break;
    case 0xB0:
      fluid_synth_cc(synth_, channel, e.Data1, e.Data2);
      break;
    case 0xC0:
      fluid_synth_program_change(synth_, channel, e.Data1);
      break;
    case 0xD0:
      fluid_synth_channel_pressure(synth_, channel, e.Data1);
      break;
    default:
      fluid_synth_pitch_bend(synth_, channel, e.Data1 | (e.Data2 << 7));
      break;
  }
}

void MidiSynth::Begin() {
  fluid_synth_system_reset(synth_);
}

void MidiSynth::End() {
  fluid_synth_all_notes_off(synth_, -1);
}

}  // namespace zk
