// The preset data of a SoundFont 2 is a three-level index: presets own bags of generators that
// name instruments, instruments own bags of generators that name samples. Each table ends with a
// terminal record. The subset copies the wanted presets and what they reach, renumbered.
#include "media/sf2_subset.h"

#include <array>
#include <cstring>

#include "media/byte_order.h"

namespace zk {

namespace {

enum Chunk { kPhdr, kPbag, kPmod, kPgen, kInst, kIbag, kImod, kIgen, kShdr, kChunks };
constexpr std::array<const char*, kChunks> kTags = {"phdr", "pbag", "pmod", "pgen", "inst",
                                                    "ibag", "imod", "igen", "shdr"};
constexpr std::array<size_t, kChunks> kRecordSizes = {38, 4, 10, 4, 22, 4, 10, 4, 46};
constexpr uint16_t kInstrumentGenerator = 41, kSampleGenerator = 53;
constexpr uint16_t kDrumBank = 128;

struct Table {
  const uint8_t* Data = nullptr;
  size_t Count = 0;  // records, the terminal one included
  size_t Size = 0;
  const uint8_t* At(size_t i) const { return Data + i * Size; }
  uint16_t Field(size_t i, size_t offset) const { return Le16(At(i) + offset); }
};

// One level of the index: headers (presets or instruments) with their bags, modulators and
// generators, the header's bag index at `BagField`, and the generator that links to the level
// below.
struct Level {
  const Table& Head;
  const Table& Bag;
  const Table& Mod;
  const Table& Gen;
  size_t BagField;
  uint16_t Link;

  // Every range lies inside its table and none runs backward.
  bool Valid() const {
    auto ordered = [](const Table& t, size_t offset, const Table& target) {
      for (size_t i = 0; i + 1 < t.Count; ++i) {
        if (t.Field(i, offset) > t.Field(i + 1, offset)) return false;
      }
      return t.Field(t.Count - 1, offset) < target.Count;
    };
    return ordered(Head, BagField, Bag) && ordered(Bag, 0, Gen) && ordered(Bag, 2, Mod);
  }
  // Calls `f` with the linked index of every generator of header `i`.
  template <typename F>
  void ForEachLink(size_t i, F f) const {
    for (size_t b = Head.Field(i, BagField); b < Head.Field(i + 1, BagField); ++b) {
      for (size_t g = Bag.Field(b, 0); g < Bag.Field(b + 1, 0); ++g) {
        if (Gen.Field(g, 0) == Link) f(Gen.Field(g, 2));
      }
    }
  }
  // Appends the kept headers with their bags into out[0..3] (head, bag, mod, gen), renumbering
  // the links by `renumber`, and the four terminal records.
  void Copy(const std::vector<bool>& keep, const std::vector<uint16_t>& renumber,
            std::array<std::vector<uint8_t>, 4>& out) const {
    auto count = [](const std::vector<uint8_t>& v, const Table& t) {
      return static_cast<uint16_t>(v.size() / t.Size);
    };
    auto head = [&](size_t i) {
      out[0].insert(out[0].end(), Head.At(i), Head.At(i) + Head.Size);
      StoreLe16(out[0].data() + out[0].size() - Head.Size + BagField, count(out[1], Bag));
    };
    auto bag = [&] {
      PutLe16(out[1], count(out[3], Gen));
      PutLe16(out[1], count(out[2], Mod));
    };
    for (size_t i = 0; i + 1 < Head.Count; ++i) {
      if (!keep[i]) continue;
      head(i);
      for (size_t b = Head.Field(i, BagField); b < Head.Field(i + 1, BagField); ++b) {
        bag();
        out[2].insert(out[2].end(), Mod.At(Bag.Field(b, 2)), Mod.At(Bag.Field(b + 1, 2)));
        for (size_t g = Bag.Field(b, 0); g < Bag.Field(b + 1, 0); ++g) {
          out[3].insert(out[3].end(), Gen.At(g), Gen.At(g) + Gen.Size);
          if (Gen.Field(g, 0) == Link) {
            StoreLe16(out[3].data() + out[3].size() - 2, renumber[Gen.Field(g, 2)]);
          }
        }
      }
    }
    head(Head.Count - 1);
    bag();
    out[2].resize(out[2].size() + Mod.Size, 0);
    out[3].resize(out[3].size() + Gen.Size, 0);
  }
};

// New numbers for the kept entries, in their old order.
std::vector<uint16_t> Renumber(const std::vector<bool>& keep) {
  std::vector<uint16_t> to(keep.size(), 0);
  uint16_t next = 0;
  for (size_t i = 0; i < keep.size(); ++i) {
    if (keep[i]) to[i] = next++;
  }
  return to;
}

}  // namespace

std::optional<std::vector<uint8_t>> SubsetPresetData(std::span<const uint8_t> pdta,
                                                     const SoundFontPrograms& wanted) {
  std::array<Table, kChunks> t;
  for (size_t pos = 0; pdta.size() - pos >= 8;) {
    const uint32_t size = Le32(pdta.data() + pos + 4);
    if (size > pdta.size() - pos - 8) return std::nullopt;
    for (int c = 0; c < kChunks; ++c) {
      if (std::memcmp(pdta.data() + pos, kTags[c], 4) == 0 && size % kRecordSizes[c] == 0) {
        t[c] = {pdta.data() + pos + 8, size / kRecordSizes[c], kRecordSizes[c]};
      }
    }
    pos += 8 + size + (size & 1);
    if (pos > pdta.size()) break;
  }
  for (const Table& table : t) {
    if (table.Count == 0) return std::nullopt;
  }
  const Level presets{t[kPhdr], t[kPbag], t[kPmod], t[kPgen], 24, kInstrumentGenerator};
  const Level instruments{t[kInst], t[kIbag], t[kImod], t[kIgen], 20, kSampleGenerator};
  if (!presets.Valid() || !instruments.Valid()) return std::nullopt;

  const Table& samples = t[kShdr];
  std::vector<bool> keep_preset(t[kPhdr].Count, false), keep_inst(t[kInst].Count, false),
      keep_sample(samples.Count, false);
  bool any = false, bad_link = false;
  for (size_t i = 0; i + 1 < t[kPhdr].Count; ++i) {
    const uint16_t program = t[kPhdr].Field(i, 20), bank = t[kPhdr].Field(i, 22);
    if (program >= 128) continue;
    if (!(bank == kDrumBank ? wanted.Drums : wanted.Melodic).test(program)) continue;
    keep_preset[i] = any = true;
    presets.ForEachLink(i, [&](uint16_t inst) {
      if (inst + 1u < t[kInst].Count) {
        keep_inst[inst] = true;
      } else {
        bad_link = true;
      }
    });
  }
  for (size_t i = 0; i + 1 < t[kInst].Count; ++i) {
    if (!keep_inst[i]) continue;
    instruments.ForEachLink(i, [&](uint16_t sample) {
      if (sample + 1u >= samples.Count) {
        bad_link = true;
        return;
      }
      keep_sample[sample] = true;
      const uint16_t partner = samples.Field(sample, 42);  // the other half of a stereo pair
      if ((samples.Field(sample, 44) & 0x7FFF) != 1 && partner + 1u < samples.Count) {
        keep_sample[partner] = true;
      }
    });
  }
  if (!any || bad_link) return std::nullopt;

  std::array<std::vector<uint8_t>, 4> preset_out, inst_out;
  presets.Copy(keep_preset, Renumber(keep_inst), preset_out);
  instruments.Copy(keep_inst, Renumber(keep_sample), inst_out);
  const std::vector<uint16_t> sample_to = Renumber(keep_sample);
  std::vector<uint8_t> shdr;
  for (size_t i = 0; i < samples.Count; ++i) {
    if (i + 1 < samples.Count && !keep_sample[i]) continue;
    shdr.insert(shdr.end(), samples.At(i), samples.At(i) + samples.Size);
    const uint16_t partner = samples.Field(i, 42);
    const bool kept = i + 1 < samples.Count && partner + 1u < samples.Count && keep_sample[partner];
    StoreLe16(shdr.data() + shdr.size() - samples.Size + 42, kept ? sample_to[partner] : 0);
  }

  const std::array<const std::vector<uint8_t>*, kChunks> chunks = {
      &preset_out[0], &preset_out[1], &preset_out[2], &preset_out[3], &inst_out[0],
      &inst_out[1],   &inst_out[2],   &inst_out[3],   &shdr};
  std::vector<uint8_t> out;
  PutTag(out, "LIST");
  PutLe32(out, 0);
  PutTag(out, "pdta");
  for (int c = 0; c < kChunks; ++c) {
    PutTag(out, kTags[c]);
    PutLe32(out, static_cast<uint32_t>(chunks[c]->size()));
    out.insert(out.end(), chunks[c]->begin(), chunks[c]->end());
  }
  StoreLe32(out.data() + 4, static_cast<uint32_t>(out.size() - 8));
  return out;
}

}  // namespace zk
