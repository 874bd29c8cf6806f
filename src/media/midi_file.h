// Standard MIDI files as the music performance accepts them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zk {

inline constexpr size_t kMaxMidiFileBytes = 4 * 1024 * 1024;

// True when the bytes hold an "MThd" header of format 0 to 2 with at least one track and a
// division of 1 to 32767 ticks per quarter note (not SMPTE frames), followed by chunks that all end
// inside the data, at least one of them a track ("MTrk").
bool CheckMidiFile(std::span<const uint8_t> bytes);

// Calls `chunk` with the tag and the body of every chunk after the header chunk, in order, until
// it gives false. False when the header or a chunk runs past the end, or `chunk` gave false;
// fewer bytes at the end than a chunk header are not a chunk.
bool ForEachMidiChunk(std::span<const uint8_t> bytes,
                      const std::function<bool(std::string_view, std::span<const uint8_t>)>& chunk);

// Reads and checks the MIDI file the game names ("music\Start.mid"); false on any failure.
bool LoadMidiFile(const std::string& name, std::string& path, std::vector<uint8_t>& bytes);

}  // namespace zk
