// One shared opening of SDL_mixer for the sound device, the MIDI performance and the MP3 player.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/audio.h"
#include "platform/voice_mixer.h"

namespace zk {

// The mix's levels, as factors of the sources' own full scale. The pieces and the effects are
// levelled by loudness where they are made (tools/assetgen): at these gains every piece plays at
// about -23.5 LUFS (the menus' 0.4 LU over, the fight's 0.4 LU under), shots and hits 0.2 to
// 1.3 LU over the fight music (a machine gun's single shot 3.6 LU under it: its bursts are what is
// heard), jingles 2.5 LU over the menu music. The loudest piece peaks at about
// 0.37 and the loudest effect at 0.57; only where loud effects meet on their crests does the sum
// reach the limiter.
inline constexpr float kMusicGain = 0.4f;
inline constexpr float kEffectGain = 0.653f;
// The limiter on the sum passes everything up to its threshold (-1 dBFS) unchanged and bends what
// goes beyond it smoothly toward its ceiling, which stays below full scale.
inline constexpr float kLimiterThreshold = 0.891f;
inline constexpr float kLimiterCeiling = 0.98f;
float SoftLimit(float sample);

// While any holder keeps it, SDL's audio and SDL_mixer are open at 44100 Hz, stereo, mixing in
// 32-bit float; the mixed sum goes through SoftLimit.
class MixerSession {
  struct Key {
    explicit Key() = default;
  };

 public:
  explicit MixerSession(Key) {}
  MixerSession(const MixerSession&) = delete;
  MixerSession& operator=(const MixerSession&) = delete;
  ~MixerSession();
  // The open session, or empty when no audio device can be opened.
  static std::shared_ptr<MixerSession> Acquire();
  int Frequency() const { return frequency_; }
  uint16_t Format() const { return format_; }
  int Channels() const { return channels_; }

  // The wave's samples in the mix's format (interleaved float frames at the session's rate and
  // channels), resampled band-limited, times `gain`: round(frames x rate ratio) frames. Empty when
  // they cannot be converted.
  std::vector<float> Convert(const WaveData& wave, float gain) const;
  // The effects and the fade of the music stream, mixed after the music and before the limiter.
  VoiceMixer& Voices() { return *voices_; }

 private:
  int frequency_ = 0;
  uint16_t format_ = 0;
  int channels_ = 0;
  std::unique_ptr<VoiceMixer> voices_;
};

}  // namespace zk
