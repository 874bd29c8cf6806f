// The WAVE effects compiled into the program: PCM, mono, 8000 Hz, 8 bits.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace zk::assetgen {

inline constexpr uint32_t kEffectRate = 8000;
// The shots' and hits' integrated loudness in their files, in LUFS of the mono samples.
inline constexpr double kEffectLoudness = -21.6;

// Name and WAVE file bytes of every effect, in a fixed order.
std::vector<std::pair<std::string, std::vector<uint8_t>>> MakeEffects();

}  // namespace zk::assetgen
