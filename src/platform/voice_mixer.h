// The effects' mixer, and the fade of the music stream: what the audio callback adds to the mix
// after SDL_mixer's music and before the limiter.
//
// A sound begins and ends without a step: a sound played again starts its new copy at once while
// the copy that played fades out, a stopped sound fades out, both over kEffectFadeFrames; the
// music stream (the MP3 player's) fades out over kStreamFadeFrames and stays silent until it is
// let sound again. The game's calls and the audio callback share it under one lock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace zk {

// About 5 ms and 30 ms at 44100 frames a second.
inline constexpr uint32_t kEffectFadeFrames = 220;
inline constexpr uint32_t kStreamFadeFrames = 1323;

class VoiceMixer {
 public:
  using Samples = std::shared_ptr<const std::vector<float>>;  // interleaved frames

  explicit VoiceMixer(int channels) : channels_(static_cast<size_t>(channels)) {}
  int Channels() const { return static_cast<int>(channels_); }

  // Plays the sound `id` from frame `from` of `samples`, once or looping; the copy of `id` that
  // played fades out.
  void Play(uint64_t id, Samples samples, size_t from, bool looping);
  // Lets the copy of `id` that plays (not fading out) play on, once or looping; false when none
  // plays.
  bool Continue(uint64_t id, bool looping);
  // The copy of `id` that plays fades out.
  void Stop(uint64_t id);
  // True while a copy of `id` plays that is not fading out.
  bool Playing(uint64_t id) const;

  // Fades the music stream out; it stays silent until SoundStream.
  void FadeStream();
  // True while the music stream fades and has not yet come to silence.
  bool StreamFading() const;
  void SoundStream();

  // Fades the music stream in `mix` (`frames` interleaved frames) as asked, then adds the sounds.
  void Mix(float* mix, size_t frames);

 private:
  struct Voice {
    uint64_t Id;
    Samples Data;
    size_t Frame;
    bool Looping;
    uint32_t Fade;  // frames of fade left; 0 while not fading
    bool Done;
    bool Heard;  // mixed at least once
  };
  void FadeOut(uint64_t id);  // under the lock

  const size_t channels_;
  mutable std::mutex lock_;
  std::vector<Voice> voices_;
  bool stream_fading_ = false;
  uint32_t stream_fade_ = 0;
};

}  // namespace zk
