// Cutting a soundfont's preset data down to the presets the pieces select.
#include "media/sf2_subset.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "media/byte_order.h"

namespace zk {
namespace {

using Records = std::vector<std::vector<uint16_t>>;  // little-endian 16-bit fields

// Three presets (piano 0, strings 5, drum kit 0) over two instruments; the strings reach a
// stereo pair (samples 1 and 2) and a mono sample 3. Names are left empty.
std::map<std::string, Records> Font() {
  auto named = [](std::vector<uint16_t> fields) {
    fields.insert(fields.begin(), 10, 0);
    return fields;
  };
  auto sample = [&](uint16_t link, uint16_t type) {
    return named({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, link, type});
  };
  return {{"phdr",
           {named({0, 0, 0, 0, 0, 0, 0, 0, 0}), named({5, 0, 1, 0, 0, 0, 0, 0, 0}),
            named({0, 128, 2, 0, 0, 0, 0, 0, 0}), named({0, 0, 3, 0, 0, 0, 0, 0, 0})}},
          {"pbag", {{0, 0}, {1, 0}, {2, 0}, {3, 0}}},
          {"pmod", {{0, 0, 0, 0, 0}}},
          {"pgen", {{41, 0}, {41, 1}, {41, 0}, {0, 0}}},
          {"inst", {named({0}), named({1}), named({3})}},
          {"ibag", {{0, 0}, {1, 0}, {2, 0}, {3, 0}}},
          {"imod", {{0, 0, 0, 0, 0}}},
          {"igen", {{53, 0}, {53, 1}, {53, 3}, {0, 0}}},
          {"shdr", {sample(0, 1), sample(2, 4), sample(1, 2), sample(0, 1), sample(0, 0)}}};
}

std::vector<uint8_t> Encode(const std::map<std::string, Records>& font) {
  std::vector<uint8_t> out;
  for (const char* tag : {"phdr", "pbag", "pmod", "pgen", "inst", "ibag", "imod", "igen", "shdr"}) {
    std::vector<uint8_t> body;
    for (const auto& record : font.at(tag)) {
      for (uint16_t field : record) PutLe16(body, field);
    }
    PutTag(out, tag);
    PutLe32(out, static_cast<uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
  }
  return out;
}

// The 16-bit field `field` of every record of chunk `tag` in a "LIST" "pdta" chunk.
std::vector<uint16_t> Fields(const std::vector<uint8_t>& list, const std::string& tag,
                             size_t record_size, size_t field) {
  for (size_t at = 12; at + 8 <= list.size(); at += 8 + Le32(list.data() + at + 4)) {
    if (std::string(list.begin() + at, list.begin() + at + 4) != tag) continue;
    std::vector<uint16_t> out;
    for (size_t r = 0; r < Le32(list.data() + at + 4) / record_size; ++r) {
      out.push_back(Le16(list.data() + at + 8 + r * record_size + field * 2));
    }
    return out;
  }
  return {};
}

TEST(SoundFontSubset, KeepsTheWantedPresetsWithWhatTheyReachRenumbered) {
  SoundFontPrograms strings;
  strings.Melodic.set(5);
  const auto cut = SubsetPresetData(Encode(Font()), strings);
  ASSERT_TRUE(cut);
  EXPECT_EQ(Fields(*cut, "phdr", 38, 10), (std::vector<uint16_t>{5, 0}));  // and the terminal
  EXPECT_EQ(Fields(*cut, "pgen", 4, 1), (std::vector<uint16_t>{0, 0}));    // instrument 1 is 0
  EXPECT_EQ(Fields(*cut, "ibag", 4, 0), (std::vector<uint16_t>{0, 1, 2}));
  EXPECT_EQ(Fields(*cut, "igen", 4, 1), (std::vector<uint16_t>{0, 2, 0}));       // samples 1 and 3
  EXPECT_EQ(Fields(*cut, "shdr", 46, 21), (std::vector<uint16_t>{1, 0, 0, 0}));  // the pair

  SoundFontPrograms piano_and_kit;
  piano_and_kit.Melodic.set(0);
  piano_and_kit.Drums.set(0);
  const auto both = SubsetPresetData(Encode(Font()), piano_and_kit);
  ASSERT_TRUE(both);
  EXPECT_EQ(Fields(*both, "phdr", 38, 11), (std::vector<uint16_t>{0, 128, 0}));
  EXPECT_EQ(Fields(*both, "shdr", 46, 0).size(), 2u);
}

TEST(SoundFontSubset, RefusesRangesPastTheirTablesAndAnEmptyChoice) {
  SoundFontPrograms strings;
  strings.Melodic.set(5);
  auto font = Font();
  font["pbag"].back() = {9, 0};  // generators past the table
  EXPECT_FALSE(SubsetPresetData(Encode(font), strings));
  font = Font();
  font["igen"][1] = {53, 7};  // no such sample
  EXPECT_FALSE(SubsetPresetData(Encode(font), strings));
  EXPECT_FALSE(SubsetPresetData(Encode(Font()), SoundFontPrograms{}));
}

}  // namespace
}  // namespace zk
