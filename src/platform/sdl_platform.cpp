// The SDL backend: one window that is first the start dialog and then the 800 x 600 game screen,
// the application loop on SDL's events, the keyboard and joysticks, time.
#include <SDL.h>
#include <pthread.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "platform/app_loop.h"
#include "platform/audio_backends.h"
#include "platform/backend_common.h"
#include "platform/end_signal.h"
#include "platform/platform.h"
#include "platform/sdl_keys.h"
#include "platform/start_dialog.h"

namespace zk {

namespace {

constexpr int kGameWidth = 800, kGameHeight = 600;
constexpr const char* kCaption = "Quennibrolt-Zerkhaldun";
// How long the dialog's wait for an event lasts before it looks for an end signal.
constexpr int kSignalLookMs = 100;

class SdlPlatform;

class SdlDisplay final : public Display {
 public:
  explicit SdlDisplay(SdlPlatform& platform)
      : platform_(platform), primary_(kGameWidth, kGameHeight) {}
  Surface& Primary() override { return primary_; }
  void Present() override;
  void Flip(const Surface& back) override;

 private:
  SdlPlatform& platform_;
  Surface primary_;
};

class SdlPlatform final : public Platform {
 public:
  SdlPlatform() = default;
  ~SdlPlatform() override;
  bool Open();

  int Run(AppHandlers handlers, const RunOptions& options) override;
  void Close() override { closed_ = true; }
  bool Closed() const override { return closed_; }
  void MessageBox(const std::string& title, const std::string& text) override;
  DesktopRect Desktop() const override;
  void MoveWindow(int32_t left, int32_t top) override;
  void SetGameWindow(bool window_mode, int32_t left, int32_t top) override;
  void ShowCursor(bool shown) override { SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE); }

  std::unique_ptr<Display> OpenDisplay(bool /*window_mode*/) override {
    if (renderer_ == nullptr || game_texture_ == nullptr) return nullptr;
    return std::make_unique<SdlDisplay>(*this);
  }
  std::unique_ptr<SoundDevice> OpenSound() override { return MakeSdlSoundDevice(Recorder()); }
  std::unique_ptr<MidiPerformance> OpenMusic() override { return MakeSdlMidi(Recorder()); }
  MediaPlayer& Media() override;

  void KeyboardState(std::array<uint8_t, 256>& keys) override;
  bool JoyPosition(int id, JoyState& state) override;
  bool JoyCapabilities(int id, JoyCaps& caps) override;
  uint32_t TimeMs() override { return SDL_GetTicks(); }
  void SleepMs(uint32_t ms) override { SDL_Delay(ms); }
  void StopWaveSound() override {}

  void Record(std::string event) override { record_.Add(std::move(event)); }
  std::vector<std::string> TakeRecorded() override { return record_.Take(); }

  // Shows an 800 x 600 picture in the game window.
  void Show(const Surface& picture);

 private:
  std::function<void(std::string)> Recorder() {
    return [this](std::string e) { Record(std::move(e)); };
  }
  void Handle(const SDL_Event& e, AppLoop& loop);
  void PressStart(AppLoop& loop, StartChoices choices);
  void DrawDialog();
  void Repaint();
  // Joystick `id` as the script has it, and the device plugged in as it (null when none).
  ScriptPlayback::Joy ScriptedJoy(int id, JoyState* state) const;
  SDL_Joystick* Device(int id) const;
  void JoystickAdded(int device);
  void JoystickRemoved(SDL_JoystickID id);

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* game_texture_ = nullptr;
  SDL_Texture* dialog_texture_ = nullptr;
  uint32_t notify_event_ = 0;
  std::array<SDL_Joystick*, 2> joysticks_{};
  bool closed_ = false;
  bool ran_ = false;
  bool game_ = false;         // "start" was pressed: keys go to the game
  bool game_window_ = false;  // the window shows the game
  std::optional<StartDialog> dialog_;
  Surface dialog_surface_{kDialogWidth, kDialogHeight};
  EventRecord record_;
  AppLoop* loop_ = nullptr;  // during Run
  std::unique_ptr<MediaPlayer> media_;
};

void SdlDisplay::Present() {
  platform_.Show(primary_);
}

void SdlDisplay::Flip(const Surface& back) {
  Blit(primary_, {0, 0, kGameWidth, kGameHeight}, back, {0, 0, kGameWidth, kGameHeight}, kBlitNone);
  platform_.Show(back);
}

// SDL's video with a driver that shows a window to a person. Unless SDL_VIDEODRIVER names one,
// SDL's own choice would fall back to a driver without any screen (the dialog would then wait for
// ever), and probing Wayland without a session prints noise: so the drivers are tried here, the
// screenless ones left out.
bool StartVideo() {
  // An empty SDL_VIDEODRIVER names no driver: SDL would make its own choice.
  const char* named = SDL_getenv("SDL_VIDEODRIVER");
  if (named != nullptr && *named != '\0') return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
  const bool wayland_session =
      SDL_getenv("WAYLAND_DISPLAY") != nullptr || SDL_getenv("XDG_RUNTIME_DIR") != nullptr;
  for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
    const std::string_view driver = SDL_GetVideoDriver(i);
    if (driver == "offscreen" || driver == "dummy" || driver == "evdev" ||
        (driver == "wayland" && !wayland_session)) {
      continue;
    }
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, std::string(driver).c_str(), SDL_HINT_OVERRIDE);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) return true;
  }
  SDL_SetError("DISPLAY and WAYLAND_DISPLAY name no usable display");
  return false;
}

bool SdlPlatform::Open() {
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "1");
  if (SDL_InitSubSystem(SDL_INIT_EVENTS) != 0 || !StartVideo()) {
    std::cerr << "zerkhaldun: no display could be opened (" << SDL_GetError()
              << "); --headless runs the game without a window\n";
    return false;
  }
  // No joystick support is not an error: the keyboard plays.
  if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
    std::cerr << "zerkhaldun: no joysticks: " << SDL_GetError() << "\n";
  }
  window_ = SDL_CreateWindow(kCaption, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kDialogWidth,
                             kDialogHeight, SDL_WINDOW_HIDDEN);
  if (window_ == nullptr) {
    std::cerr << "zerkhaldun: no window: " << SDL_GetError() << "\n";
    return false;
  }
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
  if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (renderer_ == nullptr) {
    std::cerr << "zerkhaldun: no renderer: " << SDL_GetError() << "\n";
    return false;
  }
  game_texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                    kGameWidth, kGameHeight);
  dialog_texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888,
                                      SDL_TEXTUREACCESS_STREAMING, kDialogWidth, kDialogHeight);
  notify_event_ = SDL_RegisterEvents(1);
  // The joysticks plugged in now answer from the start-up on; later ones when they arrive.
  for (int i = 0; i < SDL_NumJoysticks(); ++i) JoystickAdded(i);
  return true;
}

SdlPlatform::~SdlPlatform() {
  media_.reset();
  for (SDL_Joystick*& j : joysticks_) {
    if (j != nullptr) SDL_JoystickClose(j);
    j = nullptr;
  }
  if (dialog_texture_ != nullptr) SDL_DestroyTexture(dialog_texture_);
  if (game_texture_ != nullptr) SDL_DestroyTexture(game_texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_JOYSTICK);
}

int SdlPlatform::Run(AppHandlers handlers, const RunOptions& options) {
  if (ran_) return 1;
  ran_ = true;
  AppLoop loop(*this, std::move(handlers), options);
  loop_ = &loop;
  loop.Show();
  if (!closed_) {
    if (options.AutoStart) {
      PressStart(loop, options.Choices);
    } else {
      dialog_.emplace(options.Choices);
      SDL_RenderSetLogicalSize(renderer_, kDialogWidth, kDialogHeight);
      SDL_ShowWindow(window_);
      SDL_RaiseWindow(window_);
      DrawDialog();
    }
  }
  int status = 0;
  // A frame that an exception ended has had its message box answered (or printed) by the time
  // Frame returns, so the frames go on at once, with or without window events. Before "start"
  // the wait for an event wakes now and then to see whether the game was signalled.
  while (true) {
    loop.CloseIfSignalled();
    if (closed_ || loop.Finished()) break;
    SDL_Event e;
    const bool idle_allowed = game_ && loop.Started();
    if (idle_allowed ? SDL_PollEvent(&e) != 0 : SDL_WaitEventTimeout(&e, kSignalLookMs) != 0) {
      Handle(e, loop);
      continue;
    }
    if (!idle_allowed) {
      if (SDL_WasInit(SDL_INIT_EVENTS) != 0) continue;  // no event yet
      std::cerr << "zerkhaldun: the event queue failed: " << SDL_GetError() << "\n";
      status = 1;
      break;
    }
    loop.Frame();
  }
  loop_ = nullptr;
  return status;
}

void SdlPlatform::Handle(const SDL_Event& e, AppLoop& loop) {
  if (e.type == notify_event_) {
    loop.MediaNotify();
    return;
  }
  switch (e.type) {
    case SDL_QUIT:
      loop.CloseRequested();
      break;
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
          e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        Repaint();
      }
      break;
    case SDL_KEYDOWN: {
      const int key = VkFromSdl(e.key.keysym.sym, e.key.keysym.scancode);
      if (dialog_) {
        if (dialog_->KeyDown(key, (e.key.keysym.mod & KMOD_SHIFT) != 0)) {
          PressStart(loop, dialog_->Choices());
        } else {
          DrawDialog();
        }
      } else if (game_ && key != 0) {
        loop.KeyDown(key);
      }
      break;
    }
    case SDL_MOUSEBUTTONDOWN:
      if (dialog_ && e.button.button == SDL_BUTTON_LEFT) {
        dialog_->MouseDown(e.button.x, e.button.y);
        DrawDialog();
      }
      break;
    case SDL_MOUSEBUTTONUP:
      if (dialog_ && e.button.button == SDL_BUTTON_LEFT) {
        if (dialog_->MouseUp(e.button.x, e.button.y)) {
          PressStart(loop, dialog_->Choices());
        } else {
          DrawDialog();
        }
      }
      break;
    case SDL_JOYDEVICEADDED:
      JoystickAdded(e.jdevice.which);
      break;
    case SDL_JOYDEVICEREMOVED:
      JoystickRemoved(e.jdevice.which);
      break;
    default:
      break;
  }
}

void SdlPlatform::PressStart(AppLoop& loop, StartChoices choices) {
  dialog_.reset();
  game_ = true;
  loop.Start(choices);
}

void SdlPlatform::DrawDialog() {
  if (!dialog_ || renderer_ == nullptr) return;
  dialog_->Draw(dialog_surface_);
  SDL_UpdateTexture(dialog_texture_, nullptr, dialog_surface_.Row(0), dialog_surface_.Width() * 4);
  Repaint();
}

void SdlPlatform::Repaint() {
  if (renderer_ == nullptr) return;
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  if (dialog_) {
    SDL_RenderCopy(renderer_, dialog_texture_, nullptr, nullptr);
  } else if (game_window_) {
    SDL_RenderCopy(renderer_, game_texture_, nullptr, nullptr);
  }
  SDL_RenderPresent(renderer_);
}

void SdlPlatform::Show(const Surface& picture) {
  if (renderer_ == nullptr || picture.Lost() || picture.Width() != kGameWidth ||
      picture.Height() != kGameHeight) {
    return;
  }
  SDL_UpdateTexture(game_texture_, nullptr, picture.Row(0), kGameWidth * 4);
  game_window_ = true;
  Repaint();
}

namespace {

// SDL shows a box on X11 from a helper process it forks, and waits for it. So that the game can
// still be ended while its box waits: a process forked while a box is shown ends with the game,
// and names itself to the end signals' handler, which ends it on Ctrl+C or SIGTERM; the box then
// returns and the game ends as it does for Esc.
std::atomic<bool> g_box_showing{false};
std::atomic<pid_t> g_box_owner{0};

void EndWithTheGame() {
  if (!g_box_showing.load()) return;
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (::getppid() != g_box_owner.load()) ::_exit(1);  // the game ended before the line above
  BoxHelperStarted();
}

}  // namespace

void SdlPlatform::MessageBox(const std::string& title, const std::string& text) {
  static const bool registered = ::pthread_atfork(nullptr, nullptr, &EndWithTheGame) == 0;
  int shown = -1;
  if (!EndSignalled()) {  // a signalled game is ending: no box waits
    g_box_owner.store(::getpid());
    g_box_showing.store(registered);
    shown =
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), text.c_str(), window_);
    g_box_showing.store(false);
    BoxHelperGone();
  }
  if (shown != 0) std::cerr << title << ": " << text << "\n";
}

DesktopRect SdlPlatform::Desktop() const {
  SDL_Rect r;
  int display = window_ != nullptr ? SDL_GetWindowDisplayIndex(window_) : 0;
  if (display < 0) display = 0;
  if (SDL_GetDisplayBounds(display, &r) != 0) return {};
  return {r.x, r.y, r.x + r.w, r.y + r.h};
}

void SdlPlatform::MoveWindow(int32_t left, int32_t top) {
  SDL_SetWindowPosition(window_, left, top);
}

void SdlPlatform::SetGameWindow(bool window_mode, int32_t left, int32_t top) {
  dialog_.reset();
  SDL_SetWindowBordered(window_, SDL_FALSE);
  SDL_SetWindowSize(window_, kGameWidth, kGameHeight);
  SDL_RenderSetLogicalSize(renderer_, kGameWidth, kGameHeight);
  if (window_mode) {
    SDL_SetWindowFullscreen(window_, 0);
    SDL_SetWindowPosition(window_, left, top);
  } else {
    // The whole screen; placed by hand as well, for desktops without a window manager.
    const DesktopRect d = Desktop();
    SDL_SetWindowPosition(window_, d.Left, d.Top);
    SDL_SetWindowSize(window_, d.Right - d.Left, d.Bottom - d.Top);
    SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
  }
  SDL_ShowWindow(window_);
  SDL_RaiseWindow(window_);
  Repaint();
}

MediaPlayer& SdlPlatform::Media() {
  if (!media_) {
    const uint32_t type = notify_event_;
    media_ = MakeSdlMediaPlayer(Recorder(), [type] {
      SDL_Event e{};
      e.type = type;
      SDL_PushEvent(&e);
    });
  }
  return *media_;
}

void SdlPlatform::KeyboardState(std::array<uint8_t, 256>& keys) {
  keys.fill(0);
  int count = 0;
  const Uint8* state = SDL_GetKeyboardState(&count);
  for (int sc = 0; sc < count; ++sc) {
    if (state[sc] == 0) continue;
    const auto scancode = static_cast<SDL_Scancode>(sc);
    const int key = VkFromSdl(SDL_GetKeyFromScancode(scancode), scancode);
    if (key != 0) keys[static_cast<size_t>(key)] = 0x80;
  }
  if (loop_ != nullptr) loop_->Script().Overlay(keys);
}

ScriptPlayback::Joy SdlPlatform::ScriptedJoy(int id, JoyState* state) const {
  return loop_ != nullptr ? loop_->Script().Joystick(id, state) : ScriptPlayback::Joy::NotScripted;
}

SDL_Joystick* SdlPlatform::Device(int id) const {
  SDL_Joystick* j = joysticks_[static_cast<size_t>(id)];
  return j != nullptr && SDL_JoystickGetAttached(j) ? j : nullptr;
}

bool SdlPlatform::JoyPosition(int id, JoyState& state) {
  if (id < 0 || id > 1) return false;
  if (const auto scripted = ScriptedJoy(id, &state); scripted != ScriptPlayback::Joy::NotScripted) {
    return scripted == ScriptPlayback::Joy::Answers;
  }
  SDL_Joystick* j = Device(id);
  if (j == nullptr) return false;
  SDL_JoystickUpdate();
  state.X = JoyAxisPosition(SDL_JoystickGetAxis(j, 0));
  state.Y = JoyAxisPosition(SDL_JoystickGetAxis(j, 1));
  state.Buttons = 0;
  const int buttons = std::min(SDL_JoystickNumButtons(j), 32);
  for (int b = 0; b < buttons; ++b) {
    if (SDL_JoystickGetButton(j, b) != 0) state.Buttons |= 1u << b;
  }
  return true;
}

bool SdlPlatform::JoyCapabilities(int id, JoyCaps& caps) {
  if (id < 0 || id > 1) return false;
  if (const auto scripted = ScriptedJoy(id, nullptr);
      scripted != ScriptPlayback::Joy::NotScripted) {
    if (scripted == ScriptPlayback::Joy::Answers) caps = kScriptJoyCaps;
    return scripted == ScriptPlayback::Joy::Answers;
  }
  SDL_Joystick* j = Device(id);
  if (j == nullptr) return false;
  caps = {0, 65535, static_cast<uint32_t>(std::max(SDL_JoystickNumButtons(j), 0))};
  return true;
}

void SdlPlatform::JoystickAdded(int device) {
  for (SDL_Joystick*& slot : joysticks_) {
    if (slot != nullptr &&
        SDL_JoystickGetDeviceInstanceID(device) == SDL_JoystickInstanceID(slot)) {
      return;  // already open
    }
  }
  for (SDL_Joystick*& slot : joysticks_) {
    if (slot == nullptr) {
      slot = SDL_JoystickOpen(device);
      return;
    }
  }
}

void SdlPlatform::JoystickRemoved(SDL_JoystickID id) {
  for (SDL_Joystick*& slot : joysticks_) {
    if (slot != nullptr && SDL_JoystickInstanceID(slot) == id) {
      SDL_JoystickClose(slot);
      slot = nullptr;
    }
  }
}

}  // namespace

std::unique_ptr<Platform> MakeSdlPlatform() {
  auto platform = std::make_unique<SdlPlatform>();
  if (!platform->Open()) return nullptr;
  return platform;
}

}  // namespace zk
