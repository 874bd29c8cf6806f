// One shared opening of SDL_mixer for the sound device, the MIDI performance and the MP3 player.
#pragma once

#include <cstdint>
#include <memory>

namespace zk {

// While any holder keeps it, SDL's audio and SDL_mixer are open at 44100 Hz, 16-bit stereo.
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

 private:
  int frequency_ = 0;
  uint16_t format_ = 0;
  int channels_ = 0;
};

}  // namespace zk
