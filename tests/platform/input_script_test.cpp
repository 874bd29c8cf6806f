// The input script: its reader with the line of every error, and its playback.
#include "media/input_script.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "support/scratch_dir.h"

namespace zk {
namespace {

using Kind = ScriptEvent::Kind;

std::vector<ScriptEvent> Events(const InputScript& script) {
  std::vector<ScriptEvent> events;
  for (size_t i = 0; i < script.Size(); ++i) events.push_back(script.Event(i));
  return events;
}

InputScript Read(std::string_view text) {
  InputScript script;
  std::string error;
  EXPECT_TRUE(script.Parse(text, error)) << error;
  return script;
}

TEST(InputScript, ReadsEveryEventKind) {
  const InputScript s = Read(
      "\xEF\xBB\xBF# a comment line after a byte-order mark\n"
      "\n"
      "3 down ESCAPE   # trailing comment\n"
      "4\tup\tf12\n"
      "5 tap NUMPAD7\n"
      "6 joy 1 0 65535 C0\n"
      "7 joy 0 100 200 0x8F\n"
      "8 joy 1 off\r\n"
      "9 down add\n");
  const auto e = Events(s);
  ASSERT_EQ(e.size(), 8u);
  EXPECT_EQ(e[0].Frame, 3);
  EXPECT_EQ(e[0].What, Kind::KeyDown);
  EXPECT_EQ(e[0].Key, 0x1B);
  EXPECT_EQ(e[1].What, Kind::KeyUp);
  EXPECT_EQ(e[1].Key, 0x7B);
  EXPECT_EQ(e[2].Frame, 5);
  EXPECT_EQ(e[2].What, Kind::KeyDown);
  EXPECT_EQ(e[2].Key, 0x67);
  EXPECT_EQ(e[3].Frame, 6);  // the tap's release, before the joystick line of frame 6
  EXPECT_EQ(e[3].What, Kind::KeyUp);
  EXPECT_EQ(e[4].What, Kind::Joy);
  EXPECT_EQ(e[4].Joy, 1);
  EXPECT_EQ(e[4].State.X, 0u);
  EXPECT_EQ(e[4].State.Y, 65535u);
  EXPECT_EQ(e[4].State.Buttons, 0xC0u);
  EXPECT_EQ(e[5].State.Buttons, 0x8Fu);
  EXPECT_EQ(e[6].What, Kind::JoyOff);
  EXPECT_EQ(e[7].Key, 0x6B);
}

TEST(InputScript, KnowsEveryKeyName) {
  const std::pair<const char*, int> names[] = {
      {"A", 0x41},      {"Z", 0x5A},     {"0", 0x30},       {"9", 0x39},       {"F1", 0x70},
      {"F10", 0x79},    {"F12", 0x7B},   {"ESCAPE", 0x1B},  {"LEFT", 0x25},    {"UP", 0x26},
      {"RIGHT", 0x27},  {"DOWN", 0x28},  {"NUMPAD0", 0x60}, {"NUMPAD9", 0x69}, {"ADD", 0x6B},
      {"RETURN", 0x0D}, {"SPACE", 0x20},
  };
  for (const auto& [name, key] : names) EXPECT_EQ(KeyFromName(name), key) << name;
  for (const char* bad : {"F0", "F13", "F01", "NUMPAD", "NUMPAD10", "AA", "", "ESC", "+"}) {
    EXPECT_FALSE(KeyFromName(bad)) << bad;
  }
}

TEST(InputScript, SortsByFrameKeepingLineOrderWithinAFrame) {
  const InputScript s = Read("5 down A\n1 tap B\n2 tap B\n5 up A\n");
  const auto e = Events(s);
  ASSERT_EQ(e.size(), 6u);
  // Frame 2 releases the first tap's B and then presses the second: B stays held.
  EXPECT_EQ(e[1].Frame, 2);
  EXPECT_EQ(e[1].What, Kind::KeyUp);
  EXPECT_EQ(e[2].Frame, 2);
  EXPECT_EQ(e[2].What, Kind::KeyDown);
  EXPECT_EQ(e[4].What, Kind::KeyDown);
  EXPECT_EQ(e[5].What, Kind::KeyUp);
}

TEST(InputScript, RefusesMalformedLinesWithTheirNumber) {
  const std::pair<const char*, const char*> bad[] = {
      {"x down A", "line 1: \"x\" is not a frame number"},
      {"-1 down A", "line 1: \"-1\" is not a frame number"},
      {"# ok\n2 down", "line 2: \"down\" takes one key"},
      {"1 down A B", "line 1: \"down\" takes one key"},
      {"1 press A", "line 1: unknown event \"press\""},
      {"1", "line 1: an event is missing after the frame number"},
      {"1 tap SHIFT", "line 1: unknown key \"SHIFT\""},
      {"1 joy 2 0 0 0", "line 1: joystick \"2\" is not 0 or 1"},
      {"1 joy", "line 1: \"joy\" needs a joystick number"},
      {"1 joy 0 65536 0 0", "line 1: x \"65536\" is not in 0..65535"},
      {"1 joy 0 0 -1 0", "line 1: y \"-1\" is not in 0..65535"},
      {"1 joy 0 0 0 G", "line 1: button mask \"G\" is not a 32-bit hexadecimal number"},
      {"1 joy 0 0 0 100000000",
       "line 1: button mask \"100000000\" is not a 32-bit hexadecimal number"},
      {"1 joy 0 0 0", "line 1: \"joy\" takes N X Y MASK or N off"},
      {"1 joy 0 of", "line 1: \"joy\" takes N X Y MASK or N off"},
      {"\n\n99999999999999999999 up A", "line 3: \"99999999999999999999\" is not a frame number"},
      {"1000000000001 up A", "line 1: frame 1000000000001 is too large"},
      // Shown words are cut at 40 bytes and escape what is not printable.
      {"1 \x1b[2J\x01\\ A", "line 1: unknown event \"\\x1b[2J\\x01\\x5c\""},
      {"1 tap 0123456789012345678901234567890123456789X",
       "line 1: unknown key \"0123456789012345678901234567890123456789...\""},
      {"\xEF\xBB\xBF\xEF\xBB\xBF"
       "1 up A",
       "line 1: \"\\xef\\xbb\\xbf1\" is not a frame number"},
  };
  for (const auto& [text, message] : bad) {
    InputScript s = Read("1 down A\n");
    std::string error;
    EXPECT_FALSE(s.Parse(text, error)) << text;
    EXPECT_EQ(error, message) << text;
    EXPECT_TRUE(Events(s).empty()) << text;
  }
}

// A file that cannot be read is named with the reason; a malformed line with its number.
TEST(InputScript, LoadsFilesAndNamesTheFileInErrors) {
  const test::ScratchDir dir("zk_input_script");
  const std::string path = dir.PathOf("input.txt");
  InputScript s;
  std::string error;
  struct Case {
    const char* name;
    std::function<std::string()> make;  // the path to read
    const char* reason;
  } const cases[] = {
      {"missing", [] { return std::string("/nonexistent/dir/input.txt"); }, "it does not exist"},
      {"folder", [] { return std::string("/"); }, "it is a folder"},
      {"too big",
       [&] {
         std::ofstream(path) << "1 tap A\n";
         std::filesystem::resize_file(path, 64 * 1024 * 1024 + 1);  // sparse: no disk taken
         return path;
       },
       "it is larger than 64 MiB"},
      {"unreadable",
       [&] {
         std::ofstream(path) << "1 tap A\n";
         std::filesystem::permissions(path, std::filesystem::perms::none);
         return path;
       },
       "no permission to read it"},
  };
  for (const Case& c : cases) {
    if (std::string(c.name) == "unreadable" && ::geteuid() == 0) continue;  // root reads anything
    const std::string file = c.make();
    EXPECT_FALSE(s.Load(file, error)) << c.name;
    EXPECT_EQ(error, "cannot read the input script \"" + file + "\": " + c.reason);
    std::filesystem::remove(path);
  }
  std::ofstream(path) << "1 down A\n2 jump\n";
  EXPECT_FALSE(s.Load(path, error));
  EXPECT_EQ(error, path + ": line 2: unknown event \"jump\"");
  std::ofstream(path) << "1 tap A\n";
  EXPECT_TRUE(s.Load(path, error));
  EXPECT_EQ(Events(s).size(), 2u);
}

TEST(ScriptPlayback, HoldsKeysAndJoysticksFromTheirFrame) {
  const InputScript s = Read(
      "0 joy 0 32768 32768 0\n"
      "0 down W\n"
      "2 down LEFT\n2 tap F12\n"
      "3 up LEFT\n3 joy 0 off\n"
      "4 joy 1 1 2 3\n");
  ScriptPlayback play(&s);
  std::vector<int> downs;
  auto key_down = [&](int key) {
    downs.push_back(key);
    return true;
  };
  std::array<uint8_t, 256> keys{};
  JoyState joy;

  play.Apply(0, key_down);  // start-up: held, but no key event
  EXPECT_TRUE(downs.empty());
  EXPECT_EQ(play.Joystick(0, &joy), ScriptPlayback::Joy::Answers);
  EXPECT_EQ(joy.X, 32768u);
  EXPECT_EQ(play.Joystick(1, &joy), ScriptPlayback::Joy::NotScripted);

  play.Apply(2, key_down);
  EXPECT_EQ(downs, (std::vector<int>{0x25, 0x7B}));
  keys.fill(0);
  keys['D'] = 0x80;  // a real key
  play.Overlay(keys);
  EXPECT_EQ(keys['W'], 0x80);
  EXPECT_EQ(keys[0x25], 0x80);
  EXPECT_EQ(keys[0x7B], 0x80);
  EXPECT_EQ(keys['D'], 0x80);

  play.Apply(3, key_down);
  keys.fill(0x80);  // every real key held: the script's releases still win
  play.Overlay(keys);
  EXPECT_EQ(keys[0x25], 0);
  EXPECT_EQ(keys[0x7B], 0);
  EXPECT_EQ(keys['W'], 0x80);
  EXPECT_EQ(play.Joystick(0, &joy), ScriptPlayback::Joy::Silent);

  play.Apply(4, key_down);
  EXPECT_EQ(play.Joystick(1, &joy), ScriptPlayback::Joy::Answers);
  EXPECT_EQ(joy.Buttons, 3u);
  EXPECT_EQ(play.Joystick(2, &joy), ScriptPlayback::Joy::NotScripted);
  EXPECT_EQ(downs.size(), 2u);
}

TEST(ScriptPlayback, StopsAtAKeyThatClosesTheForm) {
  const InputScript s = Read("1 down ESCAPE\n1 down A\n");
  ScriptPlayback play(&s);
  std::vector<int> downs;
  play.Apply(1, [&](int key) {
    downs.push_back(key);
    return false;
  });
  EXPECT_EQ(downs, std::vector<int>{0x1B});
}

}  // namespace
}  // namespace zk
