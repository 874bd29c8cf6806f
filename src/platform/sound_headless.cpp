// The headless sound device: keeps nothing but names and plays nothing; records every call.
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "media/sound_wave_check.h"
#include "platform/audio_backends.h"

namespace zk {

namespace {

class HeadlessSoundBuffer final : public SoundBuffer {
 public:
  HeadlessSoundBuffer(std::string name, std::function<void(std::string)> record)
      : name_(std::move(name)), record_(std::move(record)) {}

  const std::string& Name() const override { return name_; }
  void SetPosition(uint32_t) override {}
  bool Play(bool looping) override {
    if (record_) record_((looping ? "loop " : "play ") + name_);
    playing_ = true;
    return true;
  }
  void Stop() override {
    if (record_) record_("stop " + name_);
    playing_ = false;
  }
  bool Restore() override { return true; }
  // Without a clock a play never ends by itself: it plays until it is stopped.
  bool Playing() const override { return playing_; }
  const std::function<void(std::string)>& Recorder() const { return record_; }

 private:
  std::string name_;
  std::function<void(std::string)> record_;
  bool playing_ = false;
};

class HeadlessSoundDevice final : public SoundDevice {
 public:
  explicit HeadlessSoundDevice(std::function<void(std::string)> record)
      : record_(std::move(record)) {}

  std::unique_ptr<SoundBuffer> CreateBuffer(const std::string& name,
                                            const WaveData& wave) override {
    if (!PlayableWave(wave)) return nullptr;
    return std::make_unique<HeadlessSoundBuffer>(name, record_);
  }

  std::unique_ptr<SoundBuffer> Duplicate(const SoundBuffer& original) override {
    const auto* headless = dynamic_cast<const HeadlessSoundBuffer*>(&original);
    if (headless == nullptr) return nullptr;
    return std::make_unique<HeadlessSoundBuffer>(headless->Name(), headless->Recorder());
  }

 private:
  std::function<void(std::string)> record_;
};

}  // namespace

std::unique_ptr<SoundDevice> MakeHeadlessSoundDevice(std::function<void(std::string)> record) {
  return std::make_unique<HeadlessSoundDevice>(std::move(record));
}

}  // namespace zk
