// MIDI music through SDL_mixer, which renders it with FluidSynth and the GM soundfont.
// Without an audio device or a soundfont the segments still load and play, silently; the headless
// performance is the same without an audio device: segments are checked files, playing is only
// recorded.
#include <SDL.h>
#include <SDL_mixer.h>

#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/audio_backends.h"
#include "platform/midi_file.h"
#include "platform/sound_mixer.h"

namespace zk {

namespace {

class MixerSegment final : public MidiSegment {
 public:
  MixerSegment(std::string path, std::vector<uint8_t> bytes, std::shared_ptr<MixerSession> session)
      : Path(std::move(path)), session_(std::move(session)) {
    if (!session_) return;
    bytes_ = std::move(bytes);
    if (SDL_RWops* rw = SDL_RWFromConstMem(bytes_.data(), static_cast<int>(bytes_.size()))) {
      music_ = Mix_LoadMUSType_RW(rw, MUS_MID, 1);  // null: no soundfont, played silently
    }
  }
  ~MixerSegment() override { Free(); }
  void Free() {
    if (music_ != nullptr) Mix_FreeMusic(music_);  // halts it first when it plays
    music_ = nullptr;
  }
  Mix_Music* Music() const { return music_; }
  std::string Path;

 private:
  std::vector<uint8_t> bytes_;
  std::shared_ptr<MixerSession> session_;
  Mix_Music* music_ = nullptr;
};

class MixerMidi final : public MidiPerformance {
 public:
  MixerMidi(std::shared_ptr<MixerSession> session, std::function<void(std::string)> record)
      : session_(std::move(session)), record_(std::move(record)) {}
  ~MixerMidi() override {
    if (session_) Mix_HaltMusic();
  }

  std::unique_ptr<MidiSegment> LoadSegment(const std::string& name) override {
    std::string path;
    std::vector<uint8_t> bytes;
    if (!LoadMidiFile(name, path, bytes)) return nullptr;
    return std::make_unique<MixerSegment>(std::move(path), std::move(bytes), session_);
  }

  bool Play(MidiSegment& segment, int repeats) override {
    auto& s = static_cast<MixerSegment&>(segment);
    Record("music " + s.Path);
    const int plays = repeats < 0 || repeats >= INT_MAX - 1 ? -1 : repeats + 1;
    Start(s, plays);
    return true;
  }

  bool Stop() override {
    Record("music-stop");
    if (session_) Mix_HaltMusic();
    current_ = nullptr;
    return true;
  }

  // The switch comes at once (the original waits for the next beat).
  bool TransitionTo(MidiSegment& next) override {
    Record("pinch");
    Start(static_cast<MixerSegment&>(next), -1);
    return true;
  }

  void Unload(MidiSegment& segment) override {
    auto& s = static_cast<MixerSegment&>(segment);
    if (current_ == &s) {
      if (session_) Mix_HaltMusic();
      current_ = nullptr;
    }
    s.Free();
  }

 private:
  void Start(MixerSegment& s, int plays) {
    current_ = &s;
    if (!session_) return;
    Mix_HaltMusic();
    if (s.Music() != nullptr) Mix_PlayMusic(s.Music(), plays);
  }
  void Record(std::string text) {
    if (record_) record_(std::move(text));
  }

  std::shared_ptr<MixerSession> session_;
  std::function<void(std::string)> record_;
  MixerSegment* current_ = nullptr;
};

}  // namespace

std::unique_ptr<MidiPerformance> MakeSdlMidi(std::function<void(std::string)> record) {
  return std::make_unique<MixerMidi>(MixerSession::Acquire(), std::move(record));
}

std::unique_ptr<MidiPerformance> MakeHeadlessMidi(std::function<void(std::string)> record) {
  return std::make_unique<MixerMidi>(nullptr, std::move(record));
}

}  // namespace zk
