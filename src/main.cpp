// Entry: the command line, the platform, the form, then the application loop.
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "media/input_script.h"
#include "media/png_writer.h"
#include "platform/end_signal.h"
#include "platform/platform.h"
#include "shell/command_line.h"
#include "shell/failure_line.h"
#include "shell/form.h"
#include "shell/game_trace.h"

namespace {

constexpr int kBadCommandLine = 2;

int Fail(const std::string& message) {
  std::cerr << "zerkhaldun: " << message << "\n";
  return kBadCommandLine;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace zk;
  // Ctrl+C and SIGTERM end the run as Esc does (the dump below is still written).
  CatchEndSignals();

  std::vector<std::string> args(argv + 1, argv + argc);
  CommandLine cmd;
  std::string error;
  if (!ParseCommandLine(args, cmd, error)) {
    return Fail(error + " (zerkhaldun --help lists the options)");
  }
  if (cmd.Help) {
    std::cout << UsageText();
    return 0;
  }

  // The input script is read whole before any frame runs.
  InputScript script;
  if (!cmd.InputFile.empty() && !script.Load(cmd.InputFile, error)) {
    std::cerr << FailureLine(error) << "\n";
    return kBadCommandLine;
  }

  std::ofstream trace;
  if (!cmd.TraceFile.empty()) {
    trace.open(cmd.TraceFile, std::ios::binary | std::ios::trunc);
    if (!trace) return Fail("cannot write the trace file \"" + cmd.TraceFile + "\"");
  }
  if (!cmd.DumpFile.empty()) {
    std::ofstream probe(cmd.DumpFile, std::ios::binary | std::ios::trunc);
    if (!probe) return Fail("cannot write the dump file \"" + cmd.DumpFile + "\"");
  }

  std::unique_ptr<Platform> platform = cmd.Headless ? MakeHeadlessPlatform() : MakeSdlPlatform();
  if (!platform) return 1;  // the backend said why, on one line
  auto form = std::make_unique<TForm1>(*platform);
  if (cmd.Seed) {
    form->HasFixedSeed = true;
    form->FixedSeed = *cmd.Seed;
  }

  int status = 0;
  int64_t last_frame = 0;
  std::vector<std::string> last_sound;

  // After every handler, also one that an exception ended, a close asked for inside it runs the
  // form's close handler.
  struct CloseCheck {
    TForm1& form;
    ~CloseCheck() { form.CheckClosed(); }
  };
  AppHandlers handlers;
  handlers.OnShow = [&] { form->FormShow(); };
  handlers.OnStart = [&](const StartChoices& choices) {
    CloseCheck check{*form};
    form->Button1Click(choices);
  };
  handlers.OnKeyDown = [&](int key) {
    CloseCheck check{*form};
    form->FormKeyDown(key);
  };
  handlers.OnIdle = [&] {
    CloseCheck check{*form};
    if (form->IdleInstalled) form->AppIdle();
  };
  handlers.OnMediaNotify = [&] {
    if (form->FormClosed) return;
    CloseCheck check{*form};
    form->MediaPlayer1Notify();
  };
  handlers.OnClose = [&] { form->Close(); };
  handlers.OnFrameEnd = [&](int64_t frame) {
    last_frame = frame;
    last_sound = platform->TakeRecorded();
    if (trace.is_open()) trace << TraceLine(*form, frame, last_sound) << '\n';
    for (const Screenshot& shot : cmd.Screenshots) {
      if (shot.Frame != frame) continue;
      if (!form->BackSurface || !SavePng(*form->BackSurface, shot.File)) {
        std::cerr << "zerkhaldun: cannot write the screenshot \"" << shot.File << "\"\n";
        status = 1;
      }
    }
  };

  RunOptions options;
  options.AutoStart = cmd.Start || cmd.Headless;
  options.Choices = cmd.Choices;
  options.MaxFrames = cmd.Frames;
  options.Script = cmd.InputFile.empty() ? nullptr : &script;
  if (platform->Run(handlers, options) != 0) {
    std::cerr << "zerkhaldun: the game could not run\n";
    status = 1;
  }
  form->CheckClosed();
  // A screenshot of a frame the run never reached (it ended first) was not taken.
  for (const Screenshot& shot : cmd.Screenshots) {
    if (shot.Frame <= last_frame) continue;
    std::cerr << "zerkhaldun: no screenshot \"" << shot.File << "\": the run ended after frame "
              << last_frame << ", before frame " << shot.Frame << "\n";
    status = 1;
  }
  // A failure that closed the form or showed the error screen was said when it happened.
  if (!form->CloseFailure.empty() || !form->ErrorFailure.empty()) status = 1;

  if (trace.is_open()) {
    trace.flush();
    if (!trace) {
      std::cerr << "zerkhaldun: the trace file \"" << cmd.TraceFile << "\" was not written whole\n";
      status = 1;
    }
  }
  if (!cmd.DumpFile.empty()) {
    std::ofstream dump(cmd.DumpFile, std::ios::binary | std::ios::trunc);
    dump << DumpJson(*form, last_frame, platform->TakeRecorded()) << '\n';
    dump.close();  // flushes: a full disk shows here
    if (dump.fail()) {
      std::cerr << "zerkhaldun: cannot write the dump file \"" << cmd.DumpFile << "\"\n";
      status = 1;
    }
  }
  return status;
}
