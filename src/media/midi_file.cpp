// Checking standard MIDI files before the synthesizer parses them.
#include "media/midi_file.h"

#include <cstring>

#include "media/byte_order.h"
#include "media/media_files.h"

namespace zk {

bool ForEachMidiChunk(
    std::span<const uint8_t> bytes,
    const std::function<bool(std::string_view, std::span<const uint8_t>)>& chunk) {
  if (bytes.size() < 8) return false;
  const uint32_t header = Be32(bytes.data() + 4);
  if (header > bytes.size() - 8) return false;
  for (size_t pos = 8 + static_cast<size_t>(header); bytes.size() - pos >= 8;) {
    const uint32_t size = Be32(bytes.data() + pos + 4);
    if (size > bytes.size() - pos - 8) return false;
    const std::string_view tag(reinterpret_cast<const char*>(bytes.data() + pos), 4);
    if (!chunk(tag, bytes.subspan(pos + 8, size))) return false;
    pos += 8 + static_cast<size_t>(size);
  }
  return true;
}

bool CheckMidiFile(std::span<const uint8_t> bytes) {
  if (bytes.size() < 14 || std::memcmp(bytes.data(), "MThd", 4) != 0) return false;
  if (Be32(bytes.data() + 4) < 6) return false;
  const uint16_t format = Be16(bytes.data() + 8);
  const uint16_t tracks = Be16(bytes.data() + 10);
  const uint16_t division = Be16(bytes.data() + 12);
  // The division counts ticks per quarter note; SMPTE frame timing (top bit set) is not played.
  if (format > 2 || tracks == 0 || division == 0 || (division & 0x8000) != 0) return false;
  int found = 0;
  const bool whole = ForEachMidiChunk(bytes, [&](std::string_view tag, std::span<const uint8_t>) {
    if (tag == "MTrk") ++found;
    return true;
  });
  return whole && found > 0;
}

bool LoadMidiFile(const std::string& name, std::string& path, std::vector<uint8_t>& bytes) {
  path = GamePath(name);
  return ReadFileLimited(path, kMaxMidiFileBytes, bytes) && CheckMidiFile(bytes);
}

}  // namespace zk
