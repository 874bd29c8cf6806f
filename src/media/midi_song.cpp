// Reading a MIDI file's tracks into one timed event list and its beat grid.
#include "media/midi_song.h"

#include <algorithm>
#include <string_view>

#include "media/byte_order.h"
#include "media/midi_file.h"

namespace zk {

namespace {

constexpr uint64_t kMaxTick = 0xFFFFFFFF;
constexpr uint32_t kDefaultMicrosPerQuarter = 500000;  // 120 beats a minute
constexpr uint64_t kMicros = 1000000;

struct Reader {
  const uint8_t* At;
  const uint8_t* End;
  bool Byte(uint8_t& b) {
    if (At == End) return false;
    b = *At++;
    return true;
  }
  bool VarLen(uint32_t& v) {
    v = 0;
    for (int i = 0; i < 4; ++i) {
      uint8_t b = 0;
      if (!Byte(b)) return false;
      v = (v << 7) | (b & 0x7F);
      if ((b & 0x80) == 0) return true;
    }
    return false;
  }
  bool Skip(uint32_t n) {
    if (n > static_cast<size_t>(End - At)) return false;
    At += n;
    return true;
  }
};

struct TrackEvent {
  uint64_t Tick;
  uint8_t Status, Data1, Data2;
};
struct TimedValue {
  uint64_t Tick;
  uint32_t A, B;
};

struct Track {
  std::vector<TrackEvent> Events;
  std::vector<TimedValue> Tempos;  // microseconds per quarter note
  std::vector<TimedValue> Meters;  // numerator, power of two of the denominator
  uint64_t EndTick = 0;
};

// One track's events; false when one is malformed. Running status carries over meta events and
// system exclusive messages, as players commonly allow.
bool ReadTrack(Reader r, Track& t) {
  uint64_t tick = 0;
  uint8_t running = 0;
  while (r.At != r.End) {
    uint32_t delta = 0;
    uint8_t first = 0;
    if (!r.VarLen(delta) || !r.Byte(first)) return false;
    tick += delta;
    if (tick > kMaxTick) return false;
    if (first == 0xFF) {
      uint8_t type = 0;
      uint32_t size = 0;
      if (!r.Byte(type) || !r.VarLen(size)) return false;
      const uint8_t* data = r.At;
      if (!r.Skip(size)) return false;
      if (type == 0x2F) break;
      if (type == 0x51 && size >= 3) {
        t.Tempos.push_back(
            {tick, (uint32_t{data[0]} << 16) | (uint32_t{data[1]} << 8) | data[2], 0});
      }
      if (type == 0x58 && size >= 2) t.Meters.push_back({tick, data[0], data[1]});
    } else if (first == 0xF0 || first == 0xF7) {
      uint32_t size = 0;
      if (!r.VarLen(size) || !r.Skip(size)) return false;
    } else if (first >= 0xF0) {
      return false;  // real-time and common messages do not belong in a file
    } else {
      const bool repeated = first < 0x80;
      if (repeated && running == 0) return false;
      const uint8_t status = repeated ? running : first;
      running = status;
      uint8_t d1 = first, d2 = 0;
      if (!repeated && !r.Byte(d1)) return false;
      const uint8_t kind = status & 0xF0;
      if (kind != 0xC0 && kind != 0xD0 && !r.Byte(d2)) return false;
      if (d1 >= 0x80 || d2 >= 0x80) return false;
      t.Events.push_back({tick, status, d1, d2});
    }
  }
  t.EndTick = tick;
  return true;
}

}  // namespace

std::optional<MidiSong> MidiSong::Parse(std::span<const uint8_t> bytes, uint32_t rate) {
  if (bytes.size() < 14 || rate == 0) return std::nullopt;
  MidiSong song;
  song.rate_ = rate;
  song.division_ = Be16(bytes.data() + 12);
  if (song.division_ == 0 || (song.division_ & 0x8000) != 0) return std::nullopt;
  Track all;
  const bool read =
      ForEachMidiChunk(bytes, [&](std::string_view tag, std::span<const uint8_t> body) {
        if (tag != "MTrk") return true;
        Track t;
        if (!ReadTrack({body.data(), body.data() + body.size()}, t)) return false;
        all.Events.insert(all.Events.end(), t.Events.begin(), t.Events.end());
        all.Tempos.insert(all.Tempos.end(), t.Tempos.begin(), t.Tempos.end());
        all.Meters.insert(all.Meters.end(), t.Meters.begin(), t.Meters.end());
        all.EndTick = std::max(all.EndTick, t.EndTick);
        return true;
      });
  if (!read) return std::nullopt;
  const auto by_tick = [](const auto& a, const auto& b) { return a.Tick < b.Tick; };
  std::stable_sort(all.Tempos.begin(), all.Tempos.end(), by_tick);
  std::stable_sort(all.Meters.begin(), all.Meters.end(), by_tick);
  std::stable_sort(all.Events.begin(), all.Events.end(), by_tick);

  // A later change at the same tick replaces an earlier one.
  song.tempos_.push_back({0, kDefaultMicrosPerQuarter, 0});
  for (const TimedValue& v : all.Tempos) {
    const uint32_t micros = std::max<uint32_t>(v.A, 1);
    Tempo& last = song.tempos_.back();
    if (last.Tick == v.Tick) {
      last.MicrosPerQuarter = micros;
    } else {
      song.tempos_.push_back(
          {v.Tick, micros,
           last.Micros + (v.Tick - last.Tick) * last.MicrosPerQuarter / song.division_});
    }
  }
  song.meters_.push_back({0, song.division_, 4});
  for (const TimedValue& v : all.Meters) {
    const Meter m{
        v.Tick,
        std::max<uint64_t>(1, (uint64_t{song.division_} * 4) >> std::min<uint32_t>(v.B, 31)),
        std::max<uint32_t>(v.A, 1)};
    if (song.meters_.back().Tick == v.Tick) {
      song.meters_.back() = m;
    } else {
      song.meters_.push_back(m);
    }
  }
  song.length_ticks_ = all.EndTick;
  song.events_.reserve(all.Events.size());
  song.programs_.Melodic.set(0);
  song.programs_.Drums.set(0);
  for (const TrackEvent& e : all.Events) {
    song.events_.push_back({song.TickToSample(e.Tick), e.Status, e.Data1, e.Data2});
    if ((e.Status & 0xF0) == 0xC0) {
      (e.Status == 0xC9 ? song.programs_.Drums : song.programs_.Melodic).set(e.Data1);
    }
  }
  return song;
}

uint64_t MidiSong::Period() const {
  return std::max<uint64_t>(Length(), rate_ / 10);
}

uint64_t MidiSong::TickToSample(uint64_t tick) const {
  const auto next = std::upper_bound(tempos_.begin(), tempos_.end(), tick,
                                     [](uint64_t t, const Tempo& x) { return t < x.Tick; });
  const Tempo& t = *(next - 1);
  const uint64_t micros = t.Micros + (tick - t.Tick) * t.MicrosPerQuarter / division_;
  return micros / kMicros * rate_ + micros % kMicros * rate_ / kMicros;
}

uint64_t MidiSong::SampleToTick(uint64_t sample) const {
  const uint64_t micros = sample / rate_ * kMicros + sample % rate_ * kMicros / rate_;
  const auto next = std::upper_bound(tempos_.begin(), tempos_.end(), micros,
                                     [](uint64_t m, const Tempo& x) { return m < x.Micros; });
  const Tempo& t = *(next - 1);
  const uint64_t since = micros - t.Micros;
  return t.Tick + since / t.MicrosPerQuarter * division_ +
         since % t.MicrosPerQuarter * division_ / t.MicrosPerQuarter;
}

uint64_t MidiSong::NextGridTick(uint64_t tick, MusicBoundary which) const {
  const auto next = std::upper_bound(meters_.begin(), meters_.end(), tick,
                                     [](uint64_t t, const Meter& m) { return t < m.Tick; });
  const Meter& m = *(next - 1);
  const uint64_t unit = m.BeatTicks * (which == MusicBoundary::Measure ? m.Beats : 1);
  const uint64_t grid = m.Tick + (tick - m.Tick + unit - 1) / unit * unit;
  // A new time signature begins a new measure.
  return next != meters_.end() ? std::min(grid, next->Tick) : grid;
}

uint64_t MidiSong::NextBoundary(uint64_t sample, MusicBoundary which) const {
  if (which == MusicBoundary::Now || sample == 0) return sample;  // the start is on every grid
  if (sample >= Length()) return Period();
  uint64_t tick = NextGridTick(SampleToTick(sample), which);
  while (tick < length_ticks_ && TickToSample(tick) < sample) tick = NextGridTick(tick + 1, which);
  return tick >= length_ticks_ ? Period() : TickToSample(tick);
}

}  // namespace zk
