// The SDL_mixer sound device: every buffer owns one mixer channel and plays samples converted once,
// when the buffer is made, to the mix's format at the effects' gain.
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "media/sound_wave_check.h"
#include "platform/audio_backends.h"
#include "platform/sound_mixer.h"

namespace zk {

namespace {

// The mixer channels, one per live buffer; freed numbers are given out again.
class ChannelPool {
 public:
  explicit ChannelPool(std::shared_ptr<MixerSession> session) : session_(std::move(session)) {
    Mix_AllocateChannels(kInitial);
    used_.assign(kInitial, false);
  }
  int Take() {
    for (size_t i = 0; i < used_.size(); ++i) {
      if (!used_[i]) {
        used_[i] = true;
        return static_cast<int>(i);
      }
    }
    const size_t grown = used_.size() * 2;
    Mix_AllocateChannels(static_cast<int>(grown));
    used_.resize(grown, false);
    used_[grown / 2] = true;
    return static_cast<int>(grown / 2);
  }
  void Give(int channel) {
    Mix_HaltChannel(channel);
    used_[static_cast<size_t>(channel)] = false;
  }

 private:
  static constexpr int kInitial = 32;
  std::shared_ptr<MixerSession> session_;
  std::vector<bool> used_;
};

// Samples converted to the mixer's format, shared by a buffer and its duplicates.
struct MixedSamples {
  std::vector<float> Samples;  // interleaved frames
  uint32_t SourceFrames = 0;
  uint32_t Channels = 2;
};

class SdlSoundBuffer final : public SoundBuffer {
 public:
  SdlSoundBuffer(std::string name, std::shared_ptr<const MixedSamples> samples,
                 std::shared_ptr<ChannelPool> pool, std::function<void(std::string)> record)
      : name_(std::move(name)),
        samples_(std::move(samples)),
        pool_(std::move(pool)),
        record_(std::move(record)),
        channel_(pool_->Take()) {}
  ~SdlSoundBuffer() override { pool_->Give(channel_); }

  const std::string& Name() const override { return name_; }

  void SetPosition(uint32_t sample) override {
    position_ = sample < samples_->SourceFrames ? sample : samples_->SourceFrames;
    if (Playing()) Start();
  }

  bool Play(bool looping) override {
    if (record_) record_((looping ? "loop " : "play ") + name_);
    looping_ = looping;
    Start();
    return true;
  }

  void Stop() override {
    if (record_) record_("stop " + name_);
    Mix_HaltChannel(channel_);
  }

  bool Restore() override { return true; }
  bool Playing() const override { return Mix_Playing(channel_) != 0; }
  std::shared_ptr<const MixedSamples> Samples() const { return samples_; }
  std::shared_ptr<ChannelPool> Pool() const { return pool_; }
  const std::function<void(std::string)>& Recorder() const { return record_; }

 private:
  // (Re)starts the channel at the current position. A looping buffer loops from there.
  void Start() {
    Mix_HaltChannel(channel_);  // the mixer no longer reads chunk_ after this
    const MixedSamples& s = *samples_;
    const uint64_t total_frames = s.Samples.size() / s.Channels;
    const uint64_t frame = s.SourceFrames == 0 ? 0 : total_frames * position_ / s.SourceFrames;
    const size_t offset = static_cast<size_t>(frame) * s.Channels;
    if (offset >= s.Samples.size()) return;
    chunk_.allocated = 0;
    // The mixer only reads it.
    chunk_.abuf = reinterpret_cast<Uint8*>(const_cast<float*>(s.Samples.data() + offset));
    chunk_.alen = static_cast<Uint32>((s.Samples.size() - offset) * sizeof(float));
    chunk_.volume = MIX_MAX_VOLUME;
    Mix_PlayChannel(channel_, &chunk_, looping_ ? -1 : 0);
  }

  std::string name_;
  std::shared_ptr<const MixedSamples> samples_;
  std::shared_ptr<ChannelPool> pool_;
  std::function<void(std::string)> record_;
  int channel_;
  uint32_t position_ = 0;
  bool looping_ = false;
  Mix_Chunk chunk_{};
};

class SdlSoundDevice final : public SoundDevice {
 public:
  SdlSoundDevice(std::shared_ptr<MixerSession> session, std::function<void(std::string)> record)
      : session_(session),
        pool_(std::make_shared<ChannelPool>(std::move(session))),
        record_(std::move(record)) {}

  std::unique_ptr<SoundBuffer> CreateBuffer(const std::string& name,
                                            const WaveData& wave) override {
    if (!PlayableWave(wave)) return nullptr;
    auto samples = Convert(wave);
    if (!samples) return nullptr;
    return std::make_unique<SdlSoundBuffer>(name, std::move(samples), pool_, record_);
  }

  std::unique_ptr<SoundBuffer> Duplicate(const SoundBuffer& original) override {
    const auto* sdl = dynamic_cast<const SdlSoundBuffer*>(&original);
    if (sdl == nullptr) return nullptr;
    return std::make_unique<SdlSoundBuffer>(sdl->Name(), sdl->Samples(), sdl->Pool(),
                                            sdl->Recorder());
  }

 private:
  std::shared_ptr<const MixedSamples> Convert(const WaveData& wave) const {
    auto out = std::make_shared<MixedSamples>();
    out->Samples = session_->Convert(wave, kEffectGain);
    if (out->Samples.empty()) return nullptr;
    out->SourceFrames = static_cast<uint32_t>(wave.Samples.size() / WaveFrameBytes(wave));
    out->Channels = static_cast<uint32_t>(session_->Channels());
    return out;
  }

  std::shared_ptr<MixerSession> session_;
  std::shared_ptr<ChannelPool> pool_;
  std::function<void(std::string)> record_;
};

}  // namespace

std::unique_ptr<SoundDevice> MakeSdlSoundDevice(std::function<void(std::string)> record) {
  auto session = MixerSession::Acquire();
  if (!session) return nullptr;
  return std::make_unique<SdlSoundDevice>(std::move(session), std::move(record));
}

}  // namespace zk
