// The application loop on the headless backend (and once on SDL's dummy video driver): frames,
// the script's keys and joysticks, closing, exceptions, notices, the clock and the display.
#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

#include "media/input_script.h"
#include "platform/headless_platform.h"

namespace zk {
namespace {

InputScript Script(std::string_view text) {
  InputScript s;
  std::string error;
  EXPECT_TRUE(s.Parse(text, error)) << error;
  return s;
}

// What the handlers saw, one line per call.
struct Log {
  std::vector<std::string> Lines;
  void Add(std::string line) { Lines.push_back(std::move(line)); }
};

AppHandlers Logging(Log& log, Platform& p) {
  AppHandlers h;
  h.OnShow = [&log] { log.Add("show"); };
  h.OnStart = [&log](const StartChoices& c) {
    log.Add("start " + std::to_string(c.Screen) + std::to_string(c.Music) +
            std::to_string(c.Survival));
  };
  h.OnKeyDown = [&log](int key) { log.Add("key " + std::to_string(key)); };
  h.OnIdle = [&log, &p] {
    std::array<uint8_t, 256> keys{};
    p.KeyboardState(keys);
    std::string held;
    for (int k = 0; k < 256; ++k) {
      if (keys[static_cast<size_t>(k)] & 0x80) held += " " + std::to_string(k);
    }
    log.Add("idle" + held);
  };
  h.OnFrameEnd = [&log](int64_t frame) { log.Add("end " + std::to_string(frame)); };
  return h;
}

TEST(HeadlessLoop, ShowsStartsAndRunsTheAskedNumberOfFrames) {
  HeadlessPlatform p;
  Log log;
  RunOptions o;
  o.Choices = {1, 0, 1};
  o.MaxFrames = 3;
  EXPECT_EQ(p.Run(Logging(log, p), o), 0);
  EXPECT_EQ(log.Lines, (std::vector<std::string>{"show", "start 101", "idle", "end 1", "idle",
                                                 "end 2", "idle", "end 3"}));
  EXPECT_EQ(p.Run({}, o), 1);  // the loop runs once
}

TEST(HeadlessLoop, AppliesScriptedKeysBeforeTheirFrame) {
  HeadlessPlatform p;
  Log log;
  const InputScript s = Script("2 down A\n3 up A\n4 tap F12\n");
  RunOptions o;
  o.MaxFrames = 5;
  o.Script = &s;
  p.Run(Logging(log, p), o);
  EXPECT_EQ(log.Lines, (std::vector<std::string>{"show", "start 000", "idle", "end 1", "key 65",
                                                 "idle 65", "end 2", "idle", "end 3", "key 123",
                                                 "idle 123", "end 4", "idle", "end 5"}));
}

TEST(HeadlessLoop, ScriptedJoysticksAnswerFromTheirFrame) {
  HeadlessPlatform p;
  const InputScript s = Script("0 joy 0 32768 32768 0\n2 joy 1 10 20 ff\n3 joy 0 off\n");
  std::vector<std::string> seen;
  AppHandlers h;
  auto look = [&](const std::string& when) {
    JoyState j;
    JoyCaps c;
    for (int id = 0; id < 2; ++id) {
      if (p.JoyPosition(id, j) && p.JoyCapabilities(id, c)) {
        seen.push_back(when + " " + std::to_string(id) + ": " + std::to_string(j.X) + " " +
                       std::to_string(j.Y) + " " + std::to_string(j.Buttons) + " / " +
                       std::to_string(c.XMin) + ".." + std::to_string(c.XMax) + " " +
                       std::to_string(c.NumButtons));
      }
    }
  };
  h.OnStart = [&](const StartChoices&) { look("start"); };
  h.OnIdle = [&] { look("frame"); };
  RunOptions o;
  o.MaxFrames = 3;
  o.Script = &s;
  p.Run(h, o);
  EXPECT_EQ(seen, (std::vector<std::string>{
                      "start 0: 32768 32768 0 / 0..65535 8",
                      "frame 0: 32768 32768 0 / 0..65535 8",
                      "frame 0: 32768 32768 0 / 0..65535 8",
                      "frame 1: 10 20 255 / 0..65535 8",
                      "frame 1: 10 20 255 / 0..65535 8",
                  }));
  JoyState j;
  EXPECT_FALSE(p.JoyPosition(0, j));  // after the run, nothing answers
}

TEST(HeadlessLoop, CloseInsideAFrameStillEndsThatFrame) {
  HeadlessPlatform p;
  Log log;
  AppHandlers h = Logging(log, p);
  int frames = 0;
  h.OnIdle = [&] {
    if (++frames == 2) p.Close();
  };
  h.OnFrameEnd = [&](int64_t f) { log.Add("end " + std::to_string(f)); };
  EXPECT_EQ(p.Run(h, {}), 0);
  EXPECT_EQ(frames, 2);
  EXPECT_EQ(log.Lines.back(), "end 2");
  EXPECT_TRUE(p.Closed());
}

TEST(HeadlessLoop, CloseFromAKeyRunsNoFurtherFrame) {
  HeadlessPlatform p;
  Log log;
  const InputScript s = Script("2 down ESCAPE\n2 down A\n");
  AppHandlers h = Logging(log, p);
  h.OnKeyDown = [&](int key) {
    log.Add("key " + std::to_string(key));
    if (key == 0x1B) p.Close();
  };
  RunOptions o;
  o.Script = &s;
  EXPECT_EQ(p.Run(h, o), 0);
  EXPECT_EQ(log.Lines, (std::vector<std::string>{"show", "start 000", "idle", "end 1", "key 27"}));
}

TEST(HeadlessLoop, CloseDuringShowOrStartRunsNoFrame) {
  for (int when = 0; when < 2; ++when) {
    HeadlessPlatform p;
    int idles = 0;
    AppHandlers h;
    h.OnShow = [&] {
      if (when == 0) p.Close();
    };
    h.OnStart = [&](const StartChoices&) { p.Close(); };
    h.OnIdle = [&] { ++idles; };
    EXPECT_EQ(p.Run(h, {}), 0);
    EXPECT_EQ(idles, 0);
  }
}

TEST(HeadlessLoop, AnExceptionIsShownAndTheLoopGoesOn) {
  HeadlessPlatform p;
  Log log;
  const InputScript s = Script("1 down F1\n");
  AppHandlers h = Logging(log, p);
  int frames = 0;
  h.OnKeyDown = [](int) { throw std::runtime_error("key trouble"); };
  h.OnIdle = [&] {
    if (++frames == 2) throw MediaError("MMSYSTEM275 cannot find the file", "it is missing");
    log.Add("idle " + std::to_string(frames));
  };
  RunOptions o;
  o.MaxFrames = 3;
  o.Script = &s;
  EXPECT_EQ(p.Run(h, o), 0);
  EXPECT_EQ(p.Messages(),
            (std::vector<std::string>{"Zerkhaldun: key trouble",
                                      "Zerkhaldun: MMSYSTEM275 cannot find the file"}));
  // The frame the exception cut short still ends and counts.
  EXPECT_EQ(log.Lines, (std::vector<std::string>{"show", "start 000", "idle 1", "end 1", "end 2",
                                                 "idle 3", "end 3"}));
}

TEST(HeadlessLoop, AStartThatThrowsRunsNoFrame) {
  HeadlessPlatform p;
  int idles = 0;
  AppHandlers h;
  h.OnStart = [](const StartChoices&) { throw 42; };
  h.OnIdle = [&] { ++idles; };
  RunOptions o;
  o.MaxFrames = 5;
  EXPECT_EQ(p.Run(h, o), 1);
  EXPECT_EQ(idles, 0);
  EXPECT_EQ(p.Messages(), std::vector<std::string>{"Zerkhaldun: Unknown error."});
}

TEST(HeadlessLoop, MediaNoticesArriveBetweenFrames) {
  HeadlessPlatform p;
  Log log;
  AppHandlers h = Logging(log, p);
  h.OnIdle = [&] {
    log.Add("idle");
    if (log.Lines.size() == 3) p.PostMediaNotify();
  };
  h.OnMediaNotify = [&] { log.Add("notify"); };
  RunOptions o;
  o.MaxFrames = 2;
  p.Run(h, o);
  EXPECT_EQ(log.Lines, (std::vector<std::string>{"show", "start 000", "idle", "end 1", "notify",
                                                 "idle", "end 2"}));
}

TEST(HeadlessPlatform, ClockMovesOnlyBySleepingAndWraps) {
  HeadlessPlatform p;
  const uint32_t t0 = p.TimeMs();
  EXPECT_EQ(p.TimeMs(), t0);
  p.SleepMs(30);
  EXPECT_EQ(p.TimeMs() - t0, 30u);
  // The frame timer's arithmetic across the wrap: started at 4294967290, 16 ms later it is 10.
  p.SetTime(4294967290u);
  const uint32_t start = p.TimeMs();
  p.SleepMs(16);
  EXPECT_EQ(p.TimeMs(), 10u);
  const uint32_t elapsed = p.TimeMs() - start;
  EXPECT_EQ(elapsed, 16u);
  EXPECT_LT(static_cast<int32_t>(elapsed), 40);
}

TEST(HeadlessPlatform, WindowDisplayAndRecord) {
  HeadlessPlatform p;
  const DesktopRect d = p.Desktop();
  EXPECT_EQ(d.Right - d.Left, 1024);
  EXPECT_EQ(d.Bottom - d.Top, 768);
  p.MoveWindow(386, 214);
  EXPECT_FALSE(p.Window().GameWindow);
  p.SetGameWindow(true, 113, 85);
  EXPECT_TRUE(p.Window().GameWindow);
  EXPECT_TRUE(p.Window().WindowMode);
  EXPECT_EQ(p.Window().Left, 113);
  EXPECT_EQ(p.Window().Top, 85);
  p.ShowCursor(false);
  EXPECT_FALSE(p.CursorShown());

  auto display = p.OpenDisplay(false);
  ASSERT_TRUE(display);
  Surface& primary = display->Primary();
  EXPECT_EQ(primary.Width(), 800);
  EXPECT_EQ(primary.Height(), 600);
  Surface back(800, 600);
  FillRect(back, {0, 0, 800, 600}, Rgb(9, 8, 7));
  display->Flip(back);
  EXPECT_EQ(primary.Pixel(799, 599), 0x090807u);
  display->Present();
  EXPECT_EQ(p.Presented(), 2);

  p.Record("play S_BEGIN");
  p.Record("loop S_BEAT");
  EXPECT_EQ(p.TakeRecorded(), (std::vector<std::string>{"play S_BEGIN", "loop S_BEAT"}));
  EXPECT_TRUE(p.TakeRecorded().empty());
  p.SetKey('G', true);
  std::array<uint8_t, 256> keys{};
  p.KeyboardState(keys);
  EXPECT_EQ(keys['G'], 0x80);
}

TEST(SdlLoop, RunsFramesWithScriptedKeysOnTheDummyDriverAfterAnException) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  std::unique_ptr<Platform> p = MakeSdlPlatform();
  if (!p) GTEST_SKIP() << "SDL video cannot start here";
  Log log;
  const InputScript s = Script("2 down A\n0 joy 1 1 2 3\n");
  AppHandlers h = Logging(log, *p);
  // The dummy driver sends no window events: after the exception's box the frames still go on.
  h.OnIdle = [idle = h.OnIdle, n = 0]() mutable {
    if (++n == 1) throw MediaError("MMSYSTEM275 cannot find the file", "it is missing");
    idle();
  };
  std::unique_ptr<Display> display;
  h.OnStart = [&](const StartChoices& c) {
    log.Add("start " + std::to_string(c.Screen));
    p->SetGameWindow(true, 10, 20);
    display = p->OpenDisplay(true);
    JoyState j;
    if (p->JoyPosition(1, j)) log.Add("joy " + std::to_string(j.Buttons));
    JoyCaps caps;
    if (p->JoyCapabilities(1, caps)) log.Add("caps " + std::to_string(caps.NumButtons));
    if (!p->JoyPosition(0, j) && !p->JoyCapabilities(0, caps)) log.Add("no joy 0");
  };
  h.OnFrameEnd = [&](int64_t f) {
    if (display) display->Present();
    log.Add("end " + std::to_string(f));
  };
  RunOptions o;
  o.AutoStart = true;
  o.Choices.Screen = 1;
  o.MaxFrames = 2;
  o.Script = &s;
  EXPECT_EQ(p->Run(h, o), 0);
  ASSERT_TRUE(display);
  EXPECT_EQ(log.Lines, (std::vector<std::string>{"show", "start 1", "joy 3", "caps 8", "no joy 0",
                                                 "end 1", "key 65", "idle 65", "end 2"}));
  const uint32_t t = p->TimeMs();
  p->SleepMs(2);
  EXPECT_GE(p->TimeMs() - t, 2u);
  const DesktopRect d = p->Desktop();
  EXPECT_GT(d.Right - d.Left, 0);
}

}  // namespace
}  // namespace zk
