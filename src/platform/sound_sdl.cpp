// The SDL sound device: every buffer plays samples converted once, when the buffer is made, to the
// mix's format at the effects' gain, through the session's voice mixer.
#include <atomic>
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

std::atomic<uint64_t> g_next_id{1};

// Samples converted to the mixer's format, shared by a buffer and its duplicates.
struct MixedSamples {
  VoiceMixer::Samples Frames;  // interleaved
  uint32_t SourceFrames = 0;
};

class SdlSoundBuffer final : public SoundBuffer {
 public:
  SdlSoundBuffer(std::string name, std::shared_ptr<const MixedSamples> samples,
                 std::shared_ptr<MixerSession> session, std::function<void(std::string)> record)
      : name_(std::move(name)),
        samples_(std::move(samples)),
        session_(std::move(session)),
        record_(std::move(record)) {}
  // A buffer let go while it plays fades out like a stopped one.
  ~SdlSoundBuffer() override { session_->Voices().Stop(id_); }

  const std::string& Name() const override { return name_; }

  // A playing buffer goes on from the new position: a new copy starts there at once.
  void SetPosition(uint32_t sample) override {
    position_ = sample < samples_->SourceFrames ? sample : samples_->SourceFrames;
    if (Playing()) Start();
  }

  bool Play(bool looping) override {
    if (record_) record_((looping ? "loop " : "play ") + name_);
    looping_ = looping;
    // A playing buffer plays on from where it is.
    if (!session_->Voices().Continue(id_, looping)) Start();
    return true;
  }

  void Stop() override {
    if (record_) record_("stop " + name_);
    session_->Voices().Stop(id_);
  }

  bool Restore() override { return true; }
  bool Playing() const override { return session_->Voices().Playing(id_); }
  std::shared_ptr<const MixedSamples> Samples() const { return samples_; }
  std::shared_ptr<MixerSession> Session() const { return session_; }
  const std::function<void(std::string)>& Recorder() const { return record_; }

 private:
  // (Re)starts at the current position, the copy that played fading out. A looping buffer loops
  // over all its samples.
  void Start() {
    const MixedSamples& s = *samples_;
    const uint64_t channels = static_cast<uint64_t>(session_->Channels());
    const uint64_t total_frames = s.Frames->size() / channels;
    const uint64_t frame = s.SourceFrames == 0 ? 0 : total_frames * position_ / s.SourceFrames;
    session_->Voices().Play(id_, s.Frames, static_cast<size_t>(frame), looping_);
  }

  std::string name_;
  std::shared_ptr<const MixedSamples> samples_;
  std::shared_ptr<MixerSession> session_;
  std::function<void(std::string)> record_;
  const uint64_t id_ = g_next_id.fetch_add(1);
  uint32_t position_ = 0;
  bool looping_ = false;
};

class SdlSoundDevice final : public SoundDevice {
 public:
  SdlSoundDevice(std::shared_ptr<MixerSession> session, std::function<void(std::string)> record)
      : session_(std::move(session)), record_(std::move(record)) {}

  std::unique_ptr<SoundBuffer> CreateBuffer(const std::string& name,
                                            const WaveData& wave) override {
    if (!PlayableWave(wave)) return nullptr;
    auto samples = Convert(wave);
    if (!samples) return nullptr;
    return std::make_unique<SdlSoundBuffer>(name, std::move(samples), session_, record_);
  }

  std::unique_ptr<SoundBuffer> Duplicate(const SoundBuffer& original) override {
    const auto* sdl = dynamic_cast<const SdlSoundBuffer*>(&original);
    if (sdl == nullptr) return nullptr;
    return std::make_unique<SdlSoundBuffer>(sdl->Name(), sdl->Samples(), sdl->Session(),
                                            sdl->Recorder());
  }

 private:
  std::shared_ptr<const MixedSamples> Convert(const WaveData& wave) const {
    auto frames = session_->Convert(wave, kEffectGain);
    if (frames.empty()) return nullptr;
    auto out = std::make_shared<MixedSamples>();
    out->Frames = std::make_shared<const std::vector<float>>(std::move(frames));
    out->SourceFrames = static_cast<uint32_t>(wave.Samples.size() / WaveFrameBytes(wave));
    return out;
  }

  std::shared_ptr<MixerSession> session_;
  std::function<void(std::string)> record_;
};

}  // namespace

std::unique_ptr<SoundDevice> MakeSdlSoundDevice(std::function<void(std::string)> record) {
  auto session = MixerSession::Acquire();
  if (!session) return nullptr;
  return std::make_unique<SdlSoundDevice>(std::move(session), std::move(record));
}

}  // namespace zk
