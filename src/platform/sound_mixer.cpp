// Opening and closing SDL_mixer once for every audio user of the program.
#include "platform/sound_mixer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <mutex>

namespace zk {

namespace {
std::mutex g_mutex;
std::weak_ptr<MixerSession> g_session;

constexpr int kFrequency = 44100;
constexpr int kChunkFrames = 1024;

// Debian's General MIDI soundfont, unless the user named one already.
void ChooseSoundFont() {
  if (std::getenv("SDL_SOUNDFONTS") != nullptr) return;
  for (const char* path :
       {"/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/default-GM.sf2"}) {
    if (SDL_RWops* rw = SDL_RWFromFile(path, "rb")) {
      SDL_RWclose(rw);
      Mix_SetSoundFonts(path);
      return;
    }
  }
}
}  // namespace

std::shared_ptr<MixerSession> MixerSession::Acquire() {
  std::lock_guard<std::mutex> lock(g_mutex);
  if (auto open = g_session.lock()) return open;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
  ChooseSoundFont();
  Mix_Init(MIX_INIT_MID | MIX_INIT_MP3);
  if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, 2, kChunkFrames) != 0) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return nullptr;
  }
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
