// The command line: the start dialog's choices, headless runs, scripted input and the outputs
// that let other programs check the game.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace zk {

struct Screenshot {
  int64_t Frame = 0;
  std::string File;
};

struct CommandLine {
  StartChoices Choices;
  bool Start = false;     // skip the dialog
  bool Headless = false;  // no window, no audio device, no frame sleep
  bool Help = false;
  int64_t Frames = 0;  // 0: until the form closes
  std::optional<uint32_t> Seed;
  std::string InputFile, TraceFile, DumpFile;
  std::vector<Screenshot> Screenshots;
};

// Reads the arguments (without the program name). False with `error` set on anything it does
// not understand: an unknown option, a missing or malformed value.
bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& out, std::string& error);

// The usage text shown for --help and after a bad command line.
const char* UsageText();

}  // namespace zk
