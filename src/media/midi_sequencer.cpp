#include "media/midi_sequencer.h"

#include <algorithm>
#include <utility>

namespace zk {

void MidiSequencer::Start(std::shared_ptr<const MidiSong> song, int64_t plays, std::string text,
                          MusicBoundary at) {
  Request({std::move(song), plays, std::move(text), 0}, at);
}

void MidiSequencer::Stop(MusicBoundary at) {
  Request({}, at);
}

// With nothing playing there is no beat to wait for: the change comes at once.
void MidiSequencer::Request(Change change, MusicBoundary at) {
  change.Due = song_ ? now_ + song_->NextBoundary(position_, at) - position_ : now_;
  waiting_ = std::move(change);
  if (waiting_->Due <= now_) Apply();
}

void MidiSequencer::Apply() {
  Change change = std::move(*waiting_);
  waiting_.reset();
  const bool start = change.Song != nullptr;
  if (start) {
    song_ = std::move(change.Song);
    plays_left_ = change.Plays;
    position_ = 0;
    next_event_ = 0;
    if (sink_ != nullptr) sink_->Begin();
  } else {
    if (song_ && sink_ != nullptr) sink_->End();
    song_.reset();
  }
  if (record_) record_(start ? std::move(change.Text) : std::string("music-stop"));
}

void MidiSequencer::SendDue() {
  for (;;) {
    const std::vector<MidiEvent>& events = song_->Events();
    while (next_event_ < events.size() && events[next_event_].Sample <= position_) {
      if (sink_ != nullptr) sink_->Send(events[next_event_]);
      ++next_event_;
    }
    if (position_ < song_->Period()) return;
    if (plays_left_ > 0 && --plays_left_ == 0) {  // the last play ended by itself
      if (sink_ != nullptr) sink_->End();
      song_.reset();
      return;
    }
    position_ = 0;
    next_event_ = 0;
  }
}

void MidiSequencer::Advance(uint64_t frames) {
  const uint64_t end = now_ + frames;
  for (;;) {
    if (waiting_ && waiting_->Due <= now_) Apply();
    if (song_) SendDue();
    if (now_ >= end) return;
    uint64_t step = end - now_;
    if (waiting_) step = std::min(step, waiting_->Due - now_);
    if (song_) {
      const std::vector<MidiEvent>& events = song_->Events();
      const uint64_t next =
          next_event_ < events.size() ? events[next_event_].Sample : song_->Period();
      step = std::min(step, next - position_);
    }
    if (sink_ != nullptr) sink_->Render(step);
    now_ += step;
    if (song_) position_ += step;
  }
}

}  // namespace zk
