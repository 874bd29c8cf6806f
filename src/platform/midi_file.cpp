// Checking standard MIDI files before the synthesizer parses them.
#include "platform/midi_file.h"

#include <cstring>

#include "platform/byte_order.h"
#include "platform/media_files.h"

namespace zk {

bool CheckMidiFile(std::span<const uint8_t> bytes) {
  if (bytes.size() < 14 || std::memcmp(bytes.data(), "MThd", 4) != 0) return false;
  const uint32_t header = Be32(bytes.data() + 4);
  if (header < 6 || header > bytes.size() - 8) return false;
  const uint16_t format = Be16(bytes.data() + 8);
  const uint16_t tracks = Be16(bytes.data() + 10);
  const uint16_t division = Be16(bytes.data() + 12);
  // The division counts ticks per quarter note; SMPTE frame timing (top bit set) is not played.
  if (format > 2 || tracks == 0 || division == 0 || (division & 0x8000) != 0) return false;
  size_t pos = 8 + static_cast<size_t>(header);
  int found = 0;
  while (bytes.size() - pos >= 8) {
    const uint8_t* chunk = bytes.data() + pos;
    const uint32_t size = Be32(chunk + 4);
    if (size > bytes.size() - pos - 8) return false;
    if (std::memcmp(chunk, "MTrk", 4) == 0) ++found;
    pos += 8 + static_cast<size_t>(size);
  }
  return found > 0;
}

bool LoadMidiFile(const std::string& name, std::string& path, std::vector<uint8_t>& bytes) {
  path = GamePath(name);
  return ReadFileLimited(path, kMaxMidiFileBytes, bytes) && CheckMidiFile(bytes);
}

}  // namespace zk
