// The music performance's timeline: what plays, where in it, and the one change that waits for
// its beat or measure. Time is counted in samples; whoever drives it (the audio callback, or the
// headless platform's virtual clock) advances it, and changes take effect at their exact sample.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "media/midi_song.h"

namespace zk {

// Where the sequencer's events go: a synthesizer, or nowhere.
class MusicSink {
 public:
  virtual ~MusicSink() = default;
  virtual void Render(uint64_t frames) = 0;  // the next `frames` of sound
  virtual void Send(const MidiEvent& event) = 0;
  virtual void Begin() = 0;  // a song starts: every channel back to its defaults
  virtual void End() = 0;    // the music stops: silenced
};

class MidiSequencer {
 public:
  // `record` hears "<text>" when a song starts and "music-stop" when a stop takes effect.
  MidiSequencer(std::function<void(std::string)> record, MusicSink* sink)
      : record_(std::move(record)), sink_(sink) {}

  // Plays `song` `plays` times (-1 for ever) from its start, at the boundary `at` of what plays.
  void Start(std::shared_ptr<const MidiSong> song, int64_t plays, std::string text,
             MusicBoundary at);
  void Stop(MusicBoundary at);
  void Advance(uint64_t frames);
  uint64_t Now() const { return now_; }

 private:
  struct Change {
    std::shared_ptr<const MidiSong> Song;  // empty: a stop
    int64_t Plays = 0;
    std::string Text;
    uint64_t Due = 0;
  };
  void Request(Change change, MusicBoundary at);
  void Apply();
  void SendDue();  // the events up to the position, and the repeat or end at the song's end

  std::function<void(std::string)> record_;
  MusicSink* sink_;
  uint64_t now_ = 0;
  std::shared_ptr<const MidiSong> song_;  // what plays
  int64_t plays_left_ = 0;
  uint64_t position_ = 0;
  size_t next_event_ = 0;
  std::optional<Change> waiting_;
};

}  // namespace zk
