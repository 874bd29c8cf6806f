// Standard MIDI files (format 1): events by absolute tick, written with delta times.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zk::assetgen {

class MidiTrack {
 public:
  void Add(uint32_t tick, std::vector<uint8_t> bytes);
  void Note(uint32_t tick, uint32_t length, uint8_t channel, uint8_t key, uint8_t velocity);
  void Program(uint32_t tick, uint8_t channel, uint8_t program);
  void Control(uint32_t tick, uint8_t channel, uint8_t control, uint8_t value);
  void Tempo(uint32_t tick, uint32_t microsPerQuarter);
  void Name(const std::string& name);
  // The track chunk ("MTrk", length, events, end of track at endTick or after the last event).
  std::vector<uint8_t> Encode(uint32_t endTick) const;

 private:
  struct Event {
    uint32_t Tick;
    uint32_t Order;
    bool Off;
    std::vector<uint8_t> Bytes;
  };
  std::vector<Event> events_;
};

std::vector<uint8_t> EncodeMidi(const std::vector<MidiTrack>& tracks, uint16_t ticksPerQuarter,
                                uint32_t endTick);

}  // namespace zk::assetgen
