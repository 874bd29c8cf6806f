// Opening and closing SDL_mixer once for every audio user of the program.
#include "platform/sound_mixer.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <iostream>
#include <memory>
#include <mutex>

namespace zk {

namespace {
std::mutex g_mutex;
std::weak_ptr<MixerSession> g_session;

constexpr int kFrequency = 44100;
constexpr int kChunkFrames = 1024;

// Opens SDL's audio and the mixer on the audio driver SDL chooses (or the one the hint names).
bool OpenMixer() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  Mix_Init(MIX_INIT_MP3);
  if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, 2, kChunkFrames) == 0) return true;
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  return false;
}

// While it lives, whatever the sound libraries print on standard error goes nowhere: probing for
// a sound card that is not there makes ALSA print a page of lines.
class QuietStderr {
 public:
  QuietStderr() {
    std::fflush(stderr);
    saved_ = ::dup(STDERR_FILENO);
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved_ >= 0 && null >= 0) ::dup2(null, STDERR_FILENO);
    if (null >= 0) ::close(null);
  }
  ~QuietStderr() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
  }
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_ = -1;
};

}  // namespace

// Without a real audio device (no sound card, a remote session, a container) the session opens
// SDL's silent driver instead, which plays nothing at the real rate, and says so once.
std::shared_ptr<MixerSession> MixerSession::Acquire() {
  std::lock_guard<std::mutex> lock(g_mutex);
  if (auto open = g_session.lock()) return open;
  static bool silent = false;  // the real device failed once: no more probing
  bool opened = false;
  if (!silent) {
    QuietStderr quiet;
    opened = OpenMixer();
  }
  if (!opened) {
    if (!silent) {
      std::cerr << "zerkhaldun: no sound device could be opened (" << SDL_GetError()
                << "); playing without sound\n";
      silent = true;
    }
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    opened = OpenMixer();
  }
  if (!opened) return nullptr;
  auto session = std::make_shared<MixerSession>(Key{});
  Mix_QuerySpec(&session->frequency_, &session->format_, &session->channels_);
  g_session = session;
  return session;
}

MixerSession::~MixerSession() {
  Mix_HaltMusic();
  Mix_HaltChannel(-1);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace zk
