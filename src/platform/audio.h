// Sound effects: a device and static buffers made from WAVE data.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "media/wave_parse.h"

namespace zk {

class SoundBuffer {
 public:
  virtual ~SoundBuffer() = default;
  virtual const std::string& Name() const = 0;  // the resource it was made from
  virtual void SetPosition(uint32_t sample) = 0;
  // Plays once or looping from the current position; false when the buffer is lost.
  virtual bool Play(bool looping) = 0;
  virtual void Stop() = 0;
  virtual bool Restore() = 0;
  virtual bool Playing() const = 0;
};

class SoundDevice {
 public:
  virtual ~SoundDevice() = default;
  // A static buffer holding the samples; empty when it cannot be made.
  virtual std::unique_ptr<SoundBuffer> CreateBuffer(const std::string& name,
                                                    const WaveData& wave) = 0;
  // A second buffer sharing the samples of `original`.
  virtual std::unique_ptr<SoundBuffer> Duplicate(const SoundBuffer& original) = 0;
};

}  // namespace zk
