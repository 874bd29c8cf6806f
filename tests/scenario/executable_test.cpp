// The built program run headless from the command line: replayable traces and exit statuses.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include "game_harness.h"
#include "support/files.h"

namespace zk::test {
namespace {

namespace fs = std::filesystem;

std::string Program() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  const fs::path program = exe.parent_path().parent_path() / "zerkhaldun";
  return fs::exists(program) ? program.string() : std::string();
}

std::string ReadFile(const std::string& path) {
  return ReadText(path);
}

// `env` goes before the program: "env -u NAME NAME=VALUE", as the shell takes it.
int RunProgram(const std::string& args, const std::string& err_file, const std::string& env = "") {
  const std::string command =
      env + " timeout -k 5 60 '" + Program() + "' " + args + " > /dev/null 2> " + err_file;
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class Executable : public GameTest {
 protected:
  void SetUp() override {
    if (Program().empty()) GTEST_SKIP() << "the program is not built next to the tests";
  }
};

// Two players: mode 2 on the menu, both confirm kind 1, then a fight with both steering and
// firing.
constexpr const char* kTwoPlayerScript = R"(# two-player fight
72 down S
73 up S
90 down G
91 up G
200 down G
200 down NUMPAD4
201 up G
201 up NUMPAD4
520 down D
520 down LEFT
540 tap G
545 tap NUMPAD4
560 down W
560 down NUMPAD6
580 up D
580 up NUMPAD6
600 down V
600 tap H
620 up V
620 up W
630 down DOWN
640 tap J
650 tap NUMPAD5
700 up DOWN
700 up LEFT
710 down B
740 up B
750 tap K
760 tap ADD
)";

TEST_F(Executable, AScriptedTwoPlayerFightGivesTheSameTraceTwice) {
  std::ofstream("fight.txt") << kTwoPlayerScript;
  const std::string common = "--headless --seed 99 --input fight.txt --frames 900 ";
  ASSERT_EQ(RunProgram(common + "--trace one.jsonl --dump one.json", "err1.txt"), 0)
      << ReadFile("err1.txt");
  ASSERT_EQ(RunProgram(common + "--trace two.jsonl --dump two.json", "err2.txt"), 0)
      << ReadFile("err2.txt");
  const std::string one = ReadFile("one.jsonl");
  EXPECT_EQ(one, ReadFile("two.jsonl"));
  EXPECT_EQ(ReadFile("one.json"), ReadFile("two.json"));

  // One line per frame, numbered from 1, and the fight was reached.
  std::istringstream lines(one);
  std::string line;
  int count = 0;
  bool fought = false;
  while (std::getline(lines, line)) {
    ++count;
    EXPECT_EQ(line.rfind("{\"frame\":" + std::to_string(count) + ",", 0), 0u) << line;
    if (line.find("\"GameStage\":9,") != std::string::npos) fought = true;
  }
  EXPECT_EQ(count, 900);
  EXPECT_TRUE(fought);
  const std::string dump = ReadFile("one.json");
  EXPECT_NE(dump.find("\"frame\":900,"), std::string::npos);
  EXPECT_NE(dump.find("\"ScoreTable\":["), std::string::npos);
  EXPECT_NE(dump.find("\"WeaponType\":"), std::string::npos);
}

TEST_F(Executable, EscInTheScriptEndsTheRunWithStatusZero) {
  std::ofstream("esc.txt") << "30 tap ESCAPE\n";
  ASSERT_EQ(RunProgram("--headless --input esc.txt --frames 500 --trace esc.jsonl", "err.txt"), 0)
      << ReadFile("err.txt");
  std::istringstream lines(ReadFile("esc.jsonl"));
  std::string line;
  int count = 0;
  while (std::getline(lines, line)) ++count;
  EXPECT_LE(count, 30);
  EXPECT_GE(count, 29);
}

TEST_F(Executable, BadCommandLinesAndScriptsExitWithStatusTwo) {
  EXPECT_EQ(RunProgram("--headless --bogus", "err.txt"), 2);
  EXPECT_NE(ReadFile("err.txt").find("--bogus"), std::string::npos);
  EXPECT_EQ(RunProgram("--headless --frames many", "err.txt"), 2);

  std::ofstream("bad.txt") << "1 down G\n2 jump G\n";
  EXPECT_EQ(RunProgram("--headless --input bad.txt --trace bad.jsonl", "err.txt"), 2);
  EXPECT_NE(ReadFile("err.txt").find("line 2"), std::string::npos) << ReadFile("err.txt");
  EXPECT_FALSE(fs::exists("bad.jsonl"));  // no frame ran
  EXPECT_EQ(RunProgram("--headless --input missing.txt", "err.txt"), 2);
  EXPECT_EQ(ReadFile("err.txt"),
            "zerkhaldun: cannot read the input script \"missing.txt\": it does not exist "
            "(working directory \"" +
                fs::current_path().string() + "\")\n");
}

// What around the game is wrong ends the run with one line that says what and where, and a
// failure status; a run without a sound device plays on without sound.
TEST_F(Executable, AFailureAroundTheGameIsNamedOnOneLine) {
  for (const char* folder : {"others", "p_Dofu", "music"}) dir.Detach(folder);
  std::ofstream("fight.txt") << "100 tap G\n400 tap G\n";  // one player, the first robot
  const std::string here = " (working directory \"" + fs::current_path().string() + "\")\n";
  constexpr int kRemove = -1, kPipe = -2;
  struct Case {
    const char* file;  // for the case: removed, a pipe in its place, or cut to its first bytes
    int put;
    const char* env;
    const char* args;
    int status;
    std::string said;
  };
  const Case cases[] = {
      {nullptr, kRemove, "env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11", "--start", 1,
       "no display could be opened (x11 not available); --headless runs the game without a "
       "window\n"},
      {nullptr, kRemove, "env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR SDL_VIDEODRIVER=",
       "--start --frames 2", 1,
       "no display could be opened (DISPLAY and WAYLAND_DISPLAY name no usable display); "
       "--headless runs the game without a window\n"},
      {"others/nr_start.bmp", kRemove, "", "--headless", 1,
       "cannot load the picture \"others/nr_start.bmp\"" + here},
      {"p_Dofu/df_front.BMP", kPipe, "", "--headless", 1,
       "cannot load the picture \"p_Dofu/df_front.BMP\"" + here},
      {"music/Start.mid", kPipe, "", "--headless --midi", 1,
       "cannot load the music \"music/Start.mid\"" + here},
      // The fight's pictures lead to the error screen, which shows until the end of the run.
      {"others/sand_dust.bmp", kRemove, "", "--headless --input fight.txt --frames 450", 1,
       "cannot load the picture \"others/sand_dust.bmp\"" + here},
      {"others/before_back.bmp", kPipe, "", "--headless --input fight.txt --frames 450", 1,
       "cannot load the picture \"others/before_back.bmp\"" + here},
      // An MP3 piece without music is said, shown in a box, and the game plays on without it;
      // in a window the line comes before the box (here the dummy driver's, on stderr).
      {"music/junk.mp3", 100, "", "--headless --mp3 --frames 3", 0,
       "cannot play the music \"music/junk.mp3\": it holds no MPEG audio" + here},
      {"music/junk.mp3", 44, "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy",
       "--start --window --mp3 --frames 3", 0,
       "cannot play the music \"music/junk.mp3\": it holds no MPEG audio" + here},
      {nullptr, kRemove, "", "--headless --frames 2 --dump /dev/full", 1,
       "cannot write the dump file \"/dev/full\"\n"},
      {nullptr, kRemove, "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=nosuchdriver",
       "--start --window --frames 3 --dump sound.json", 0,
       "no sound device could be opened (Audio target 'nosuchdriver' not available); playing "
       "without sound\n"},
  };
  for (const Case& c : cases) {
    if (c.file != nullptr) fs::remove(c.file);
    if (c.put == kPipe && ::mkfifo(c.file, 0600) != 0) ADD_FAILURE() << c.file;
    if (c.put >= 0) {
      std::ofstream(c.file, std::ios::binary)
          << ReadFile((dir.Original() / c.file).string()).substr(0, static_cast<size_t>(c.put));
    }
    EXPECT_EQ(RunProgram(c.args, "err.txt", c.env), c.status) << c.args;
    // The failure is said once; a box may follow on stderr where none can be shown: the
    // undrawable error screen's ("Error: ...") or the music's ("Zerkhaldun: ...").
    const std::string err = ReadFile("err.txt"), said = "zerkhaldun: " + c.said;
    EXPECT_EQ(err.substr(0, said.size()), said) << c.args;
    const std::string box = err.substr(std::min(said.size(), err.size()));
    EXPECT_TRUE(box.find("zerkhaldun: ") == std::string::npos &&
                (box.empty() || box.starts_with("Error: ") || box.starts_with("Zerkhaldun: ")))
        << err;
    if (c.file != nullptr) fs::remove(c.file);
    if (c.file != nullptr) fs::create_symlink(dir.Original() / c.file, c.file);
  }
  // Without sound the game still reached its title, not the sound error screen.
  EXPECT_NE(ReadFile("sound.json").find("\"GameStage\":0,"), std::string::npos);
  // A soundfont named in SDL_SOUNDFONTS that cannot be used is said and passed over; a pipe is
  // never opened.
  ASSERT_EQ(::mkfifo("font.sf2", 0600), 0);
  std::ofstream("text.sf2") << "no soundfont";
  EXPECT_EQ(RunProgram("--start --window --midi --frames 3", "err.txt",
                       "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "
                       "SDL_SOUNDFONTS='font.sf2;text.sf2;missing.sf2'"),
            0);
  std::string said;
  for (const auto& [font, why] : {std::pair{"font.sf2", "it is not a regular file"},
                                  {"text.sf2", "it is not a soundfont"},
                                  {"missing.sf2", "it does not exist"}}) {
    said += "zerkhaldun: cannot use the soundfont \"" + std::string(font) +
            "\" named in SDL_SOUNDFONTS: " + why + here;
  }
  EXPECT_EQ(ReadFile("err.txt"), said);
}

TEST_F(Executable, AScreenshotIsWrittenAfterItsFrame) {
  ASSERT_EQ(RunProgram("--headless --frames 3 --screenshot 2:shot.png", "err.txt"), 0)
      << ReadFile("err.txt");
  const std::string png = ReadFile("shot.png");
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png.substr(1, 3), "PNG");

  // A frame after the run's end is a screenshot that was not taken.
  EXPECT_EQ(RunProgram("--headless --frames 3 --screenshot 4:late.png", "err.txt"), 1);
  EXPECT_EQ(
      ReadFile("err.txt"),
      "zerkhaldun: no screenshot \"late.png\": the run ended after frame 3, before frame 4\n");
  EXPECT_FALSE(fs::exists("late.png"));

  // A name that is no PNG's is refused on one line before any frame runs.
  EXPECT_EQ(RunProgram("--headless --frames 3 --screenshot 2:shot.jpg", "err.txt"), 2);
  EXPECT_EQ(ReadFile("err.txt"),
            "zerkhaldun: --screenshot writes a PNG picture: its file name must end in .png, not "
            "\"shot.jpg\" (zerkhaldun --help lists the options)\n");
  EXPECT_FALSE(fs::exists("shot.jpg"));
}

// Ctrl+C or SIGTERM end a run as Esc does: status 0, the dump written, the trace whole; headless,
// in the start dialog, and in a window while a message box waits (under a virtual X server; the
// last case, skipped where no box can be shown).
TEST_F(Executable, ASignalEndsTheRunAsEscDoes) {
  dir.Detach("music");
  fs::remove("music/junk.mp3");
  std::ofstream("music/junk.mp3") << "no music";  // its box waits at the title
  const bool x = std::system("command -v xvfb-run > /dev/null") == 0;
  struct Case {
    const char* name;
    const char* run;   // how the program is started
    const char* wait;  // what shows the run is under way ($pid: the program)
    const char* signal;
  } const cases[] = {
      {"headless", "'PROGRAM' --headless --frames 1000000", "[ -s out.jsonl ]", "TERM"},
      {"dialog", "SDL_VIDEODRIVER=dummy 'PROGRAM' --window", "caught && sleep 0.5", "INT"},
      {"box",
       "SDL_VIDEODRIVER=x11 xvfb-run -a -n $((100 + $$ % 800)) -s '-screen 0 1024x768x24' "
       "'PROGRAM' --window --mp3 --start",
       "pgrep -P \"$(pgrep -P $pid zerkhaldun)\" zerkhaldun", "TERM"},
  };
  const std::string script = R"(
RUN --trace out.jsonl --dump out.json > /dev/null 2> err.txt &
pid=$!
# The program catches SIGINT (its handler is in place).
caught() { [ $((0x$(sed -n 's/^SigCgt:[[:space:]]*//p' /proc/$pid/status) & 2)) -ne 0 ]; }
for i in $(seq 1 200); do
  if WAIT > /dev/null 2>&1; then break; fi
  # A box that cannot be shown (no X fonts) is written to stderr instead.
  if grep -q '^Zerkhaldun: ' err.txt; then kill -KILL $pid; exit 4; fi
  sleep 0.05
done
if ! WAIT > /dev/null 2>&1; then
  sleep 0.5
  kill -KILL $pid
  if grep -q '^Zerkhaldun: ' err.txt; then exit 4; fi
  exit 3
fi
kill -SIGNAL $(pgrep -P $pid zerkhaldun || echo $pid)
wait $pid
)";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (std::string(c.name) == "box" && !x) {
      GTEST_SKIP() << "the message box case needs xvfb-run (package xvfb)";
    }
    std::string text = script;
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"RUN", c.run},
                                   {"WAIT", c.wait},
                                   {"SIGNAL", c.signal},
                                   {"PROGRAM", Program()}}) {
      for (size_t at; (at = text.find(from)) != std::string::npos;)
        text.replace(at, from.size(), to);
    }
    fs::remove("out.jsonl");
    std::ofstream("signal.sh") << text;
    const int status = std::system(
        "ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 SDL_AUDIODRIVER=dummy "
        "timeout -k 5 60 sh signal.sh");
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 4) {
      GTEST_SKIP() << "no message box could be shown (X fonts: package xfonts-base)";
    }
    EXPECT_EQ(WEXITSTATUS(status), 0) << ReadFile("err.txt");
    const std::string dump = ReadFile("out.json"), trace = ReadFile("out.jsonl");
    EXPECT_TRUE(dump.starts_with("{\"frame\":") && dump.ends_with("}\n")) << dump;
    EXPECT_NE(dump.find("\"WindowMode\":"), std::string::npos);
    if (trace.empty()) continue;  // the dialog runs no frame
    const size_t last = trace.rfind('\n', trace.size() - 2) + 1;
    EXPECT_TRUE(trace.ends_with("}\n") && trace.compare(last, 9, "{\"frame\":") == 0)
        << trace.substr(last);
  }
  // Killed outright, the game takes its box's helper with it (the X server stays up meanwhile).
  std::ofstream("killed.sh") << "SDL_VIDEODRIVER=x11 '" << Program()
                             << R"(' --window --mp3 --start > /dev/null 2> err.txt &
pid=$!
for i in $(seq 1 200); do
  helper=$(pgrep -P $pid zerkhaldun) && break
  if grep -q '^Zerkhaldun: ' err.txt; then kill -KILL $pid; exit 4; fi
  sleep 0.05
done
[ -n "$helper" ] || exit 3
kill -KILL $pid
for i in $(seq 1 100); do grep -qs '^State:[[:space:]]*[^Z]' /proc/$helper/status || exit 0; sleep 0.05; done
exit 5
)";
  const int killed = std::system(
      "SDL_AUDIODRIVER=dummy timeout -k 5 60 xvfb-run -a -n $((100 + $$ % 800)) "
      "-s '-screen 0 1024x768x24' sh killed.sh");
  ASSERT_TRUE(WIFEXITED(killed));
  if (WEXITSTATUS(killed) == 4) {
    GTEST_SKIP() << "no message box could be shown (X fonts: package xfonts-base)";
  }
  EXPECT_EQ(WEXITSTATUS(killed), 0) << ReadFile("err.txt");
}

// The real window under a virtual X server: the game reaches the title menu, F1 from the
// keyboard brings back the title intro, and Esc ends the program with status 0.
TEST_F(Executable, InAWindowTheTitleAnswersF1AndEsc) {
  if (std::system("command -v xvfb-run > /dev/null && command -v xdotool > /dev/null") != 0) {
    GTEST_SKIP() << "xvfb-run and xdotool are needed";
  }
  const std::string script = R"(
SDL_VIDEODRIVER=x11 'PROGRAM' --window --start --trace win.jsonl > /dev/null 2> err.txt &
pid=$!
wait_for() { for i in $(seq 1 300); do tail -n 1 win.jsonl 2>/dev/null | grep -q "$1" && return 0; sleep 0.05; done; return 1; }
wait_for '"GameStage":1,' || { kill $pid; exit 3; }
xdotool mousemove 500 400 key F1
wait_for '"GameStage":0,' || { kill $pid; exit 4; }
xdotool key Escape
wait $pid
)";
  std::string text = script;
  text.replace(text.find("PROGRAM"), 7, Program());
  std::ofstream("window.sh") << text;
  // Leaks are looked for in the headless runs: under the leak checker, the window system's own
  // libraries keep memory past the exit.
  const int status = std::system(
      "ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 SDL_AUDIODRIVER=dummy "
      "timeout 60 xvfb-run -a -n $((100 + $$ % 800)) -s '-screen 0 1024x768x24' sh window.sh");
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), 0) << ReadFile("err.txt");
  // The menu was on screen before F1, and the title began again after it.
  const std::string trace = ReadFile("win.jsonl");
  const size_t menu = trace.find("\"GameStage\":1,");
  ASSERT_NE(menu, std::string::npos);
  EXPECT_NE(trace.find("\"GameStage\":0,", menu), std::string::npos);
}

}  // namespace
}  // namespace zk::test
