// Cutting a SoundFont 2's preset data down to the presets that a set of pieces can select, so the
// synthesizer builds only those (a whole General MIDI set costs several megabytes of zone
// structures). The sample data stays where it is in the file.
#pragma once

#include <bitset>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zk {

// The programs a piece selects: melodic ones (any bank but 128) and drum kits (bank 128).
struct SoundFontPrograms {
  std::bitset<128> Melodic, Drums;
  bool Covers(const SoundFontPrograms& other) const {
    return (other.Melodic & ~Melodic).none() && (other.Drums & ~Drums).none();
  }
};

// From the body of a "pdta" list (its nine chunks, after the "pdta" type), the whole "LIST"
// chunk of a preset data that keeps only the wanted presets, with the instruments and samples
// they reach. Empty when the data is malformed or holds no wanted preset.
std::optional<std::vector<uint8_t>> SubsetPresetData(std::span<const uint8_t> pdta,
                                                     const SoundFontPrograms& wanted);

}  // namespace zk
