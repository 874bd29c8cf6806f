#include "platform/voice_mixer.h"

#include <algorithm>
#include <utility>

namespace zk {

void VoiceMixer::Play(uint64_t id, Samples samples, size_t from, bool looping) {
  const size_t frames = samples ? samples->size() / channels_ : 0;
  std::lock_guard<std::mutex> hold(lock_);
  FadeOut(id);
  if (from < frames) voices_.push_back({id, std::move(samples), from, looping, 0, false, false});
}

// A copy not yet heard (played again before the mix reached it, as a shotgun's pellets hit in one
// frame) goes at once: faded, it would sound together with its successor.
void VoiceMixer::FadeOut(uint64_t id) {
  for (Voice& v : voices_) {
    if (v.Id == id && v.Fade == 0) v.Fade = kEffectFadeFrames;
  }
  std::erase_if(voices_, [id](const Voice& v) { return v.Id == id && !v.Heard; });
}

bool VoiceMixer::Continue(uint64_t id, bool looping) {
  std::lock_guard<std::mutex> hold(lock_);
  for (Voice& v : voices_) {
    if (v.Id == id && v.Fade == 0) {
      v.Looping = looping;
      return true;
    }
  }
  return false;
}

void VoiceMixer::Stop(uint64_t id) {
  std::lock_guard<std::mutex> hold(lock_);
  FadeOut(id);
}

bool VoiceMixer::Playing(uint64_t id) const {
  std::lock_guard<std::mutex> hold(lock_);
  return std::any_of(voices_.begin(), voices_.end(),
                     [id](const Voice& v) { return v.Id == id && v.Fade == 0; });
}

void VoiceMixer::FadeStream() {
  std::lock_guard<std::mutex> hold(lock_);
  if (stream_fading_) return;
  stream_fading_ = true;
  stream_fade_ = kStreamFadeFrames;
}

bool VoiceMixer::StreamFading() const {
  std::lock_guard<std::mutex> hold(lock_);
  return stream_fading_ && stream_fade_ > 0;
}

void VoiceMixer::SoundStream() {
  std::lock_guard<std::mutex> hold(lock_);
  stream_fading_ = false;
}

void VoiceMixer::Mix(float* mix, size_t frames) {
  std::lock_guard<std::mutex> hold(lock_);
  if (stream_fading_) {
    for (size_t f = 0; f < frames; ++f) {
      const float gain = static_cast<float>(stream_fade_) / kStreamFadeFrames;
      for (size_t c = 0; c < channels_; ++c) mix[f * channels_ + c] *= gain;
      if (stream_fade_ > 0) --stream_fade_;
    }
  }
  for (Voice& v : voices_) {
    const std::vector<float>& data = *v.Data;
    const size_t length = data.size() / channels_;
    v.Heard = true;
    for (size_t f = 0; f < frames && !v.Done; ++f) {
      float gain = 1.0f;
      if (v.Fade > 0) {
        gain = static_cast<float>(v.Fade) / (kEffectFadeFrames + 1);
        v.Done = --v.Fade == 0;
      }
      for (size_t c = 0; c < channels_; ++c) {
        mix[f * channels_ + c] += gain * data[v.Frame * channels_ + c];
      }
      if (++v.Frame == length) {
        v.Frame = 0;
        v.Done = v.Done || !v.Looping;
      }
    }
  }
  std::erase_if(voices_, [](const Voice& v) { return v.Done; });
}

}  // namespace zk
