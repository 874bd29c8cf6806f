#include "media/midi_synth.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "media/byte_order.h"
#include "media/media_files.h"

namespace zk {

namespace {

constexpr uint32_t kMaxPresetDataBytes = 16 * 1024 * 1024;

// Why a soundfont file cannot be used (empty when it can): FluidSynth is handed only regular
// files that begin as a soundfont (RIFF "sfbk") or a DLS collection (RIFF "DLS ") does.
std::string SoundFontProblem(const std::string& path) {
  FileFailure why = FileFailure::None;
  const int fd = OpenRegularFile(path, why);
  if (fd < 0) return FileFailureText(why);
  uint8_t head[12] = {};
  ssize_t got = 0;
  do {
    got = ::read(fd, head, sizeof head);
  } while (got < 0 && errno == EINTR);
  ::close(fd);
  if (got < 0) return FileFailureText(FileFailure::ReadError);
  if (got != sizeof head || std::memcmp(head, "RIFF", 4) != 0 ||
      (std::memcmp(head + 8, "sfbk", 4) != 0 && std::memcmp(head + 8, "DLS ", 4) != 0)) {
    return "it is not a soundfont";
  }
  return {};
}

// The soundfonts tried in turn: those the user names in SDL_SOUNDFONTS (separated by ";"), then
// Debian's small General MIDI set (6 MB), then the system's default one. A named one that cannot
// be used is said on one line and passed over.
std::vector<std::string> SoundFonts() {
  std::vector<std::string> paths;
  if (const char* named = std::getenv("SDL_SOUNDFONTS")) {
    std::string list = named;
    for (size_t start = 0; start <= list.size();) {
      const size_t end = std::min(list.find(';', start), list.size());
      if (end > start) {
        std::string path = list.substr(start, end - start);
        if (const std::string problem = SoundFontProblem(path); problem.empty()) {
          paths.push_back(std::move(path));
        } else {
          std::cerr << "zerkhaldun: cannot use the soundfont \"" << path
                    << "\" named in SDL_SOUNDFONTS: " << problem << WorkingDirectoryNote() << "\n";
        }
      }
      start = end + 1;
    }
  }
  paths.push_back("/usr/share/sounds/sf2/TimGM6mb.sf2");
  paths.push_back("/usr/share/sounds/sf2/default-GM.sf2");
  return paths;
}

// A cut-down soundfont as FluidSynth reads it: the file's bytes up to its preset data (its RIFF
// header made anew for the new size), then the preset data made for the wanted presets.
struct CutFont {
  std::string Path;
  uint64_t DataEnd;
  std::array<uint8_t, 12> Head;
  std::vector<uint8_t> Presets;  // the whole "LIST" chunk
  uint64_t Size() const { return DataEnd + Presets.size(); }
};

std::mutex g_fonts_lock;
std::map<std::string, std::shared_ptr<const CutFont>> g_fonts;  // by the name given to FluidSynth

struct OpenFont {
  std::shared_ptr<const CutFont> Font;
  std::FILE* File;
  uint64_t Position = 0;
};

// FluidSynth's file callbacks for the cut-down soundfonts; other names are left to its own.
void* OpenCut(const char* name) {
  std::shared_ptr<const CutFont> font;
  {
    std::lock_guard<std::mutex> hold(g_fonts_lock);
    const auto found = g_fonts.find(name);
    if (found == g_fonts.end()) return nullptr;
    font = found->second;
  }
  std::FILE* file = std::fopen(font->Path.c_str(), "rb");
  if (file == nullptr) return nullptr;
  return std::make_unique<OpenFont>(OpenFont{std::move(font), file}).release();
}

int ReadCut(void* buffer, fluid_long_long_t count, void* handle) {
  auto& open = *static_cast<OpenFont*>(handle);
  const CutFont& font = *open.Font;
  if (count < 0 || static_cast<uint64_t>(count) > font.Size() - open.Position) return FLUID_FAILED;
  auto* out = static_cast<uint8_t*>(buffer);
  for (uint64_t left = static_cast<uint64_t>(count); left > 0;) {
    const uint64_t at = open.Position;
    uint64_t n = 0;
    if (at < font.Head.size()) {
      n = std::min<uint64_t>(left, font.Head.size() - at);
      std::memcpy(out, font.Head.data() + at, n);
    } else if (at < font.DataEnd) {
      n = std::min<uint64_t>(left, font.DataEnd - at);
      if (fseeko(open.File, static_cast<off_t>(at), SEEK_SET) != 0 ||
          std::fread(out, 1, n, open.File) != n) {
        return FLUID_FAILED;
      }
    } else {
      n = std::min<uint64_t>(left, font.Size() - at);
      std::memcpy(out, font.Presets.data() + (at - font.DataEnd), n);
    }
    out += n;
    open.Position += n;
    left -= n;
  }
  return FLUID_OK;
}

int SeekCut(void* handle, fluid_long_long_t offset, int origin) {
  auto& open = *static_cast<OpenFont*>(handle);
  const int64_t base = origin == SEEK_SET   ? 0
                       : origin == SEEK_CUR ? static_cast<int64_t>(open.Position)
                                            : static_cast<int64_t>(open.Font->Size());
  const int64_t target = base + offset;
  if (target < 0 || static_cast<uint64_t>(target) > open.Font->Size()) return FLUID_FAILED;
  open.Position = static_cast<uint64_t>(target);
  return FLUID_OK;
}

fluid_long_long_t TellCut(void* handle) {
  return static_cast<fluid_long_long_t>(static_cast<OpenFont*>(handle)->Position);
}

int CloseCut(void* handle) {
  const std::unique_ptr<OpenFont> open(static_cast<OpenFont*>(handle));
  std::fclose(open->File);
  return FLUID_OK;
}

// Where a soundfont's preset data list begins, and its body; false when the file is no RIFF
// "sfbk" with such a list.
bool FindPresetData(const std::string& path, uint64_t& begins, std::vector<uint8_t>& body) {
  std::ifstream in(path, std::ios::binary);
  uint8_t head[12];
  if (!in.read(reinterpret_cast<char*>(head), 12) || std::memcmp(head, "RIFF", 4) != 0 ||
      std::memcmp(head + 8, "sfbk", 4) != 0) {
    return false;
  }
  for (uint64_t at = 12;
       in.seekg(static_cast<std::streamoff>(at)) && in.read(reinterpret_cast<char*>(head), 12);) {
    const uint32_t size = Le32(head + 4);
    if (std::memcmp(head, "LIST", 4) == 0 && std::memcmp(head + 8, "pdta", 4) == 0) {
      if (size < 4 || size > kMaxPresetDataBytes) return false;
      body.resize(size - 4);
      begins = at;
      return static_cast<bool>(in.read(reinterpret_cast<char*>(body.data()), size - 4));
    }
    at += 8 + uint64_t{size} + (size & 1);
  }
  return false;
}

}  // namespace

fluid_settings_t* MidiSynth::NewSettings(uint32_t rate, float gain) {
  fluid_settings_t* settings = new_fluid_settings();
  if (settings == nullptr) return nullptr;
  fluid_settings_setnum(settings, "synth.sample-rate", rate);
  fluid_settings_setnum(settings, "synth.gain", gain);
  // One lock guards the synthesizer already; 32 voices, as many as DirectMusic's software
  // synthesizer has by default; a preset's samples are read when a piece first selects it.
  fluid_settings_setint(settings, "synth.threadsafe-api", 0);
  fluid_settings_setint(settings, "synth.polyphony", 32);
  fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
  fluid_settings_setint(settings, "synth.lock-memory", 0);
  return settings;
}

std::unique_ptr<MidiSynth> MidiSynth::Open(uint32_t rate, float gain) {
  // The synthesizer's own messages would reach stderr; its failures are reported here instead.
  for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level) {
    fluid_set_log_function(level, nullptr, nullptr);
  }
  fluid_settings_t* settings = NewSettings(rate, gain);
  if (settings == nullptr) return nullptr;
  fluid_synth_t* synth = new_fluid_synth(settings);
  if (synth == nullptr) {
    delete_fluid_settings(settings);
    return nullptr;
  }
  auto out = std::make_unique<MidiSynth>(settings, synth);
  fluid_sfloader_t* loader = new_fluid_defsfloader(settings);
  if (loader != nullptr) {
    fluid_sfloader_set_callbacks(loader, OpenCut, ReadCut, SeekCut, TellCut, CloseCut);
    fluid_synth_add_sfloader(synth, loader);
  }
  for (const std::string& path : SoundFonts()) {
    if (out->Load(path)) return out;
  }
  std::cerr << "zerkhaldun: no General MIDI soundfont could be loaded (install "
               "timgm6mb-soundfont); MIDI music plays silently\n";
  return nullptr;
}

// Cut down to program 0 at first; a soundfont that cannot be cut down is loaded whole. Only a
// regular file is opened: a pipe or a device named as a soundfont would block the game.
bool MidiSynth::Load(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  uint64_t begins = 0;
  if (FindPresetData(path, begins, presets_)) {
    path_ = path;
    name_ = path + "#presets";
    data_end_ = begins;
    used_.Melodic.set(0);
    used_.Drums.set(0);
    if (LoadPresets()) return true;
  }
  name_.clear();
  presets_.clear();
  presets_.shrink_to_fit();
  return fluid_synth_sfload(synth_, path.c_str(), 1) != FLUID_FAILED;
}

bool MidiSynth::LoadPresets() {
  auto list = SubsetPresetData(presets_, used_);
  if (!list) return false;
  auto font = std::make_shared<CutFont>(CutFont{
      path_, data_end_, {'R', 'I', 'F', 'F', 0, 0, 0, 0, 's', 'f', 'b', 'k'}, std::move(*list)});
  StoreLe32(font->Head.data() + 4, static_cast<uint32_t>(font->Size() - 8));
  // The font loaded before reads its samples through the same name: it gets its own data back
  // when the new one fails, and a name that loaded nothing keeps nothing.
  std::shared_ptr<const CutFont> before;
  {
    std::lock_guard<std::mutex> hold(g_fonts_lock);
    before = std::exchange(g_fonts[name_], std::move(font));
  }
  const int id = fluid_synth_sfload(synth_, name_.c_str(), font_id_ < 0 ? 1 : 0);
  if (id == FLUID_FAILED) {
    std::lock_guard<std::mutex> hold(g_fonts_lock);
    if (before) {
      g_fonts[name_] = std::move(before);
    } else {
      g_fonts.erase(name_);
    }
    return false;
  }
  if (font_id_ >= 0) fluid_synth_sfunload(synth_, font_id_, 1);
  font_id_ = id;
  return true;
}

void MidiSynth::Use(const SoundFontPrograms& programs) {
  if (name_.empty() || used_.Covers(programs)) return;
  const SoundFontPrograms before = used_;
  used_.Melodic |= programs.Melodic;
  used_.Drums |= programs.Drums;
  if (!LoadPresets()) used_ = before;  // the old presets stay; the new ones are silent
}

MidiSynth::~MidiSynth() {
  delete_fluid_synth(synth_);
  delete_fluid_settings(settings_);
  if (!name_.empty()) {
    std::lock_guard<std::mutex> hold(g_fonts_lock);
    g_fonts.erase(name_);
  }
}

void MidiSynth::Render(uint64_t frames) {
  fluid_synth_write_float(synth_, static_cast<int>(frames), out_, 0, 2, out_, 1, 2);
  written_ += frames;
  for (uint64_t i = 0; i < 2 * frames && tail_at_ < tail_.size(); ++i) out_[i] += tail_[tail_at_++];
  out_ += 2 * frames;
}

// The next few tens of milliseconds of what sounds, faded to silence, are rendered now and mixed
// into what follows; the caller then silences the synthesizer. FluidSynth renders in blocks of 64
// frames and keeps what it rendered past a request for the next one: the fade ends on a block's
// end, so that nothing rendered before the silence is heard after it.
void MidiSynth::FadeOut() {
  constexpr uint64_t kBlock = 64;
  double rate = 44100;
  fluid_settings_getnum(settings_, "synth.sample-rate", &rate);
  const uint64_t least = static_cast<uint64_t>(rate * kFadeOutSeconds);
  const size_t frames =
      static_cast<size_t>(least + (kBlock - (written_ + least) % kBlock) % kBlock);
  written_ += frames;
  std::vector<float> tail(2 * frames);
  fluid_synth_write_float(synth_, static_cast<int>(frames), tail.data(), 0, 2, tail.data(), 1, 2);
  for (size_t i = 0; i < tail.size(); ++i) {
    tail[i] *= static_cast<float>(frames - i / 2) / static_cast<float>(frames + 1);
    if (tail_at_ < tail_.size()) tail[i] += tail_[tail_at_++];  // a fade still sounding
  }
  tail_ = std::move(tail);
  tail_at_ = 0;
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
  FadeOut();
  fluid_synth_system_reset(synth_);
}

// The reverb and chorus are emptied too: what they held is in the fade.
void MidiSynth::End() {
  FadeOut();
  fluid_synth_system_reset(synth_);
}

}  // namespace zk
