// The music performance: our sequencer playing the game's MIDI files through FluidSynth, fed into
// SDL_mixer's music stream. The audio callback drives the sequencer, so a change that waits for a
// beat or measure takes effect at its exact sample. Without an audio device the performance still
// loads, plays and records, silently, and its time stands still: every change comes at once. The
// headless performance follows the headless platform's virtual clock instead.
#include <SDL.h>
#include <SDL_mixer.h>

#include <climits>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "media/midi_file.h"
#include "media/midi_sequencer.h"
#include "media/midi_synth.h"
#include "platform/audio_backends.h"
#include "platform/sound_mixer.h"

namespace zk {

namespace {

constexpr uint32_t kHeadlessRate = 44100;

class SongSegment final : public MidiSegment {
 public:
  SongSegment(std::string path, std::shared_ptr<const MidiSong> song)
      : Path(std::move(path)), Song(std::move(song)) {}
  const std::string Path;
  const std::shared_ptr<const MidiSong> Song;
};

// What the game's calls and the audio callback share, under one lock.
struct MusicEngine {
  MusicEngine(std::function<void(std::string)> record, std::unique_ptr<MidiSynth> synth,
              uint32_t rate)
      : Synth(std::move(synth)), Sequencer(std::move(record), Synth.get()), Rate(rate) {}

  // Moves the time on by `ms` milliseconds of the headless platform's virtual clock.
  void Follow(uint32_t ms) {
    std::lock_guard<std::mutex> hold(Lock);
    millis_ += ms;
    Sequencer.Advance(millis_ * Rate / 1000 - Sequencer.Now());
  }

  std::mutex Lock;
  std::unique_ptr<MidiSynth> Synth;
  MidiSequencer Sequencer;
  const uint32_t Rate;

 private:
  uint64_t millis_ = 0;
};

// The mixer's music callback: the next `len` bytes of float stereo.
void MixMusic(void* engine_ptr, Uint8* stream, int len) {
  auto& engine = *static_cast<MusicEngine*>(engine_ptr);
  std::lock_guard<std::mutex> hold(engine.Lock);
  if (engine.Synth) {
    engine.Synth->SetOutput(reinterpret_cast<float*>(stream));
  } else {
    std::memset(stream, 0, static_cast<size_t>(len));
  }
  engine.Sequencer.Advance(static_cast<uint64_t>(len) / (2 * sizeof(float)));
}

class SequencedMidi final : public MidiPerformance {
 public:
  SequencedMidi(std::shared_ptr<MusicEngine> engine, std::shared_ptr<MixerSession> hooked)
      : engine_(std::move(engine)), hooked_(std::move(hooked)) {
    if (hooked_) Mix_HookMusic(MixMusic, engine_.get());
  }
  ~SequencedMidi() override {
    if (hooked_) Mix_HookMusic(nullptr, nullptr);  // the callback has returned once this has
  }

  std::unique_ptr<MidiSegment> LoadSegment(const std::string& name) override {
    std::string path;
    std::vector<uint8_t> bytes;
    if (!LoadMidiFile(name, path, bytes)) return nullptr;
    auto song = MidiSong::Parse(bytes, engine_->Rate);
    if (!song) return nullptr;
    if (engine_->Synth) {
      std::lock_guard<std::mutex> hold(engine_->Lock);
      engine_->Synth->Use(song->Programs());
    }
    return std::make_unique<SongSegment>(std::move(path),
                                         std::make_shared<const MidiSong>(std::move(*song)));
  }

  bool Play(MidiSegment& segment, int repeats, MusicBoundary at) override {
    auto& s = static_cast<SongSegment&>(segment);
    const int64_t plays = repeats < 0 || repeats >= INT_MAX - 1 ? -1 : int64_t{repeats} + 1;
    std::lock_guard<std::mutex> hold(engine_->Lock);
    engine_->Sequencer.Start(s.Song, plays, "music " + s.Path, at);
    return true;
  }

  bool Stop(MusicBoundary at) override {
    std::lock_guard<std::mutex> hold(engine_->Lock);
    engine_->Sequencer.Stop(at);
    return true;
  }

  bool TransitionTo(MidiSegment& next, MusicBoundary at) override {
    std::lock_guard<std::mutex> hold(engine_->Lock);
    engine_->Sequencer.Start(static_cast<SongSegment&>(next).Song, -1, "pinch", at);
    return true;
  }

 private:
  std::shared_ptr<MusicEngine> engine_;
  std::shared_ptr<MixerSession> hooked_;  // the session whose music stream we fill
};

}  // namespace

std::unique_ptr<MidiPerformance> MakeSdlMidi(std::function<void(std::string)> record) {
  auto session = MixerSession::Acquire();
  if (session && (session->Format() != AUDIO_F32SYS || session->Channels() != 2)) session.reset();
  const uint32_t rate = session ? static_cast<uint32_t>(session->Frequency()) : kHeadlessRate;
  auto synth = session ? MidiSynth::Open(rate, kMusicGain) : nullptr;
  auto engine = std::make_shared<MusicEngine>(std::move(record), std::move(synth), rate);
  return std::make_unique<SequencedMidi>(std::move(engine), std::move(session));
}

std::unique_ptr<MidiPerformance> MakeHeadlessMidi(std::function<void(std::string)> record,
                                                  std::function<void(uint32_t)>* advance) {
  auto engine = std::make_shared<MusicEngine>(std::move(record), nullptr, kHeadlessRate);
  if (advance != nullptr) {
    *advance = [weak = std::weak_ptr<MusicEngine>(engine)](uint32_t ms) {
      if (auto e = weak.lock()) e->Follow(ms);
    };
  }
  return std::make_unique<SequencedMidi>(std::move(engine), nullptr);
}

}  // namespace zk
