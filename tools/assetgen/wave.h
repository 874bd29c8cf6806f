// WAVE files (RIFF, PCM, mono) and the sample tools the sounds are made with.
#pragma once

#include <cstdint>
#include <vector>

namespace zk::assetgen {

// Samples are -1..1; 8-bit output is unsigned with 128 as silence, 16-bit signed.
std::vector<uint8_t> EncodeWave(const std::vector<double>& samples, uint32_t rate, int bits);

// A small deterministic noise source (a 32-bit xorshift).
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  double Uniform() { return static_cast<double>(Next() >> 8) / 16777216.0; }  // 0..1
  double Signed() { return Uniform() * 2.0 - 1.0; }                           // -1..1

 private:
  uint32_t state_;
};

}  // namespace zk::assetgen
