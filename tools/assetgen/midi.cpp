#include "midi.h"

#include <algorithm>

#include "media/byte_order.h"

namespace zk::assetgen {

namespace {

void PutVarLen(std::vector<uint8_t>& out, uint32_t v) {
  uint8_t buf[5];
  int n = 0;
  buf[n++] = static_cast<uint8_t>(v & 0x7F);
  while (v >>= 7) buf[n++] = static_cast<uint8_t>(0x80 | (v & 0x7F));
  while (n > 0) out.push_back(buf[--n]);
}

}  // namespace

void MidiTrack::Add(uint32_t tick, std::vector<uint8_t> bytes) {
  events_.push_back({tick, static_cast<uint32_t>(events_.size()), false, std::move(bytes)});
}

void MidiTrack::Note(uint32_t tick, uint32_t length, uint8_t channel, uint8_t key,
                     uint8_t velocity) {
  if (length == 0 || key > 127) return;
  Add(tick, {static_cast<uint8_t>(0x90 | channel), key, velocity});
  // Note-offs as note-on with velocity 0, sorted before note-ons of the same tick.
  events_.push_back({tick + length,
                     static_cast<uint32_t>(events_.size()),
                     true,
                     {static_cast<uint8_t>(0x90 | channel), key, 0}});
}

void MidiTrack::Program(uint32_t tick, uint8_t channel, uint8_t program) {
  Add(tick, {static_cast<uint8_t>(0xC0 | channel), program});
}

void MidiTrack::Control(uint32_t tick, uint8_t channel, uint8_t control, uint8_t value) {
  Add(tick, {static_cast<uint8_t>(0xB0 | channel), control, value});
}

void MidiTrack::Tempo(uint32_t tick, uint32_t us) {
  Add(tick, {0xFF, 0x51, 0x03, static_cast<uint8_t>(us >> 16), static_cast<uint8_t>(us >> 8),
             static_cast<uint8_t>(us)});
}

void MidiTrack::Name(const std::string& name) {
  std::vector<uint8_t> b{0xFF, 0x03, static_cast<uint8_t>(name.size())};
  b.insert(b.end(), name.begin(), name.end());
  Add(0, std::move(b));
}

std::vector<uint8_t> MidiTrack::Encode(uint32_t endTick) const {
  std::vector<Event> sorted = events_;
  // By tick; at one tick note-offs first, then the rest in the order added.
  std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
    if (a.Tick != b.Tick) return a.Tick < b.Tick;
    if (a.Off != b.Off) return a.Off;
    return a.Order < b.Order;
  });
  std::vector<uint8_t> body;
  uint32_t now = 0;
  for (const Event& e : sorted) {
    PutVarLen(body, e.Tick - now);
    now = e.Tick;
    body.insert(body.end(), e.Bytes.begin(), e.Bytes.end());
  }
  PutVarLen(body, endTick > now ? endTick - now : 0);
  body.insert(body.end(), {0xFF, 0x2F, 0x00});
  std::vector<uint8_t> out;
  PutTag(out, "MTrk");
  PutBe32(out, static_cast<uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

std::vector<uint8_t> EncodeMidi(const std::vector<MidiTrack>& tracks, uint16_t ticksPerQuarter,
                                uint32_t endTick) {
  std::vector<uint8_t> out;
  PutTag(out, "MThd");
  PutBe32(out, 6);
  PutBe16(out, 1);
  PutBe16(out, static_cast<uint16_t>(tracks.size()));
  PutBe16(out, ticksPerQuarter);
  for (const MidiTrack& t : tracks) {
    const std::vector<uint8_t> chunk = t.Encode(endTick);
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  return out;
}

}  // namespace zk::assetgen
