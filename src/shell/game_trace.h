// The game state as JSON, for the command line's --trace (one line per frame) and --dump.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zk {

class TForm1;
struct CharacterData;

// A JSON string literal: quotes, backslashes and control bytes escaped; bytes from 0x80 up are
// read as Latin-1, so any text (a score file's, say) gives valid JSON.
std::string JsonString(std::string_view text);

// The step id (action x 10 + step) of the robot's current step.
int32_t CurrentStepId(const CharacterData& robot);

// One trace line (no newline) of the frame just presented.
std::string TraceLine(const TForm1& form, int64_t frame, const std::vector<std::string>& sound);

// The state at exit: a trace line's keys and the score table, options and choices.
std::string DumpJson(const TForm1& form, int64_t frame, const std::vector<std::string>& sound);

}  // namespace zk
