#include "shell/command_line.h"

#include <cctype>
#include <charconv>

namespace zk {

namespace {

template <typename T>
bool ParseNumber(const std::string& text, T& value) {
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

bool EndsInPng(const std::string& name) {
  if (name.size() < 4) return false;
  std::string end = name.substr(name.size() - 4);
  for (char& c : end) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return end == ".png";
}

}  // namespace

const char* UsageText() {
  return "usage: zerkhaldun [options]\n"
         "  --window | --fullscreen   screen mode (default full screen)\n"
         "  --midi | --mp3            music (default MIDI)\n"
         "  --normal | --hard         survival option (default normal)\n"
         "  --start                   skip the start dialog\n"
         "  --headless                no window, no audio device, no frame sleep\n"
         "  --frames N                stop after N frames\n"
         "  --seed S                  seed the random generator with S (0 to 4294967295)\n"
         "  --input FILE              scripted keys and joysticks by frame\n"
         "  --trace FILE              one JSON line per frame\n"
         "  --dump FILE               the game state at exit as JSON\n"
         "  --screenshot F:FILE.png   the back buffer after frame F (may be repeated)\n"
         "  --help                    this text\n";
}

bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& out, std::string& error) {
  out = CommandLine{};
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= args.size()) {
        error = arg + " needs a value";
        return false;
      }
      into = args[++i];
      return true;
    };
    std::string text;
    if (arg == "--window") {
      out.Choices.Screen = 1;
    } else if (arg == "--fullscreen") {
      out.Choices.Screen = 0;
    } else if (arg == "--midi") {
      out.Choices.Music = 0;
    } else if (arg == "--mp3") {
      out.Choices.Music = 1;
    } else if (arg == "--normal") {
      out.Choices.Survival = 0;
    } else if (arg == "--hard") {
      out.Choices.Survival = 1;
    } else if (arg == "--start") {
      out.Start = true;
    } else if (arg == "--headless") {
      out.Headless = true;
    } else if (arg == "--help" || arg == "-h") {
      out.Help = true;
    } else if (arg == "--frames") {
      if (!value(text)) return false;
      if (!ParseNumber(text, out.Frames) || out.Frames <= 0) {
        error = "--frames needs a positive whole number, not \"" + text + "\"";
        return false;
      }
    } else if (arg == "--seed") {
      if (!value(text)) return false;
      uint32_t seed = 0;
      if (!ParseNumber(text, seed)) {
        error = "--seed needs a whole number from 0 to 4294967295, not \"" + text + "\"";
        return false;
      }
      out.Seed = seed;
    } else if (arg == "--input") {
      if (!value(out.InputFile)) return false;
    } else if (arg == "--trace") {
      if (!value(out.TraceFile)) return false;
    } else if (arg == "--dump") {
      if (!value(out.DumpFile)) return false;
    } else if (arg == "--screenshot") {
      if (!value(text)) return false;
      const size_t colon = text.find(':');
      Screenshot shot;
      if (colon == std::string::npos || !ParseNumber(text.substr(0, colon), shot.Frame) ||
          shot.Frame <= 0 || colon + 1 == text.size()) {
        error = "--screenshot needs FRAME:FILE.png with a frame from 1, not \"" + text + "\"";
        return false;
      }
      shot.File = text.substr(colon + 1);
      // The picture is written as a PNG, so its name says so.
      if (!EndsInPng(shot.File)) {
        error = "--screenshot writes a PNG picture: its file name must end in .png, not \"" +
                shot.File + "\"";
        return false;
      }
      out.Screenshots.push_back(shot);
    } else {
      error = "unknown option \"" + arg + "\"";
      return false;
    }
  }
  return true;
}

}  // namespace zk
