// The MP3 player through SDL_mixer's music stream (mpg123 decodes); the headless one is the same
// player without an audio device: it opens only files that exist and hold MPEG audio, plays nothing
// and, as a piece never ends without a clock, never sends the completion notice.
//
// SDL_mixer reports the end of a piece on its audio thread; there we only call post_notify,
// which posts an event for the application loop. Stop and Close disarm the notice first, so only
// a piece that ends by itself is reported, as the game (which turns notices off before it stops
// the player) expects.
//
// A stopped piece fades out over a few tens of milliseconds (the session's voice mixer fades the
// music stream, which in the MP3 music mode carries nothing else) and is halted and let go once
// it is silent: when the next piece plays, or when the player goes.
#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "media/media_files.h"
#include "media/mp3_check.h"
#include "platform/audio_backends.h"
#include "platform/sound_mixer.h"

namespace zk {

namespace {

constexpr size_t kMaxMp3Bytes = 64 * 1024 * 1024;

class Mp3Player;
std::atomic<Mp3Player*> g_active{nullptr};

class Mp3Player final : public MediaPlayer {
 public:
  Mp3Player(std::function<void(std::string)> record, std::function<void()> post_notify, bool audio)
      : record_(std::move(record)), post_notify_(std::move(post_notify)), audio_(audio) {}
  ~Mp3Player() override {
    Close();
    LetFadedGo();
    Mp3Player* self = this;
    if (g_active.compare_exchange_strong(self, nullptr) && session_) {
      Mix_HookMusicFinished(nullptr);
    }
  }

  void Open(const std::string& name) override {
    Close();
    const std::string path = GamePath(name);
    std::vector<uint8_t> bytes;
    const bool read = ReadFileLimited(path, kMaxMp3Bytes, bytes);
    if (!read || bytes.empty()) {
      throw MediaError("Cannot open the music file \"" + name + "\".",
                       read ? "it is empty" : "it cannot be read");
    }
    // What the decoder would turn into nothing but silence (and its own warnings) is no music.
    if (!Mp3HoldsAudio(bytes)) {
      throw MediaError("Cannot play the music file \"" + name + "\".", "it holds no MPEG audio");
    }
    if (!session_ && audio_) {
      session_ = MixerSession::Acquire();
      if (session_) {
        g_active.store(this);
        Mix_HookMusicFinished(&Finished);
      }
    }
    if (session_) {
      bytes_ = std::move(bytes);
      SDL_RWops* rw = SDL_RWFromConstMem(bytes_.data(), static_cast<int>(bytes_.size()));
      music_ = rw != nullptr ? Mix_LoadMUSType_RW(rw, MUS_MP3, 1) : nullptr;
      if (music_ == nullptr) {
        bytes_.clear();
        const std::string reason = Mix_GetError();
        throw MediaError("Cannot play the music file \"" + name + "\": " + reason, reason);
      }
    }
    path_ = path;
    mode_ = MediaMode::Stopped;
  }

  void Play() override {
    if (mode_ == MediaMode::NotReady) return;
    if (record_) record_("mp3 " + path_);
    mode_ = MediaMode::Playing;
    if (music_ == nullptr) return;  // no audio device: silent
    Halt();
    LetFadedGo();
    armed_.store(true);
    if (Mix_PlayMusic(music_, 1) != 0) armed_.store(false);
  }

  void Stop() override {
    if (record_) record_("mp3-stop");
    Halt();
    if (mode_ != MediaMode::NotReady) mode_ = MediaMode::Stopped;
  }

  void Close() override {
    Halt();
    if (music_ != nullptr) faded_.push_back({music_, std::move(bytes_)});
    music_ = nullptr;
    bytes_.clear();
    path_.clear();
    mode_ = MediaMode::NotReady;
  }

  MediaMode Mode() const override {
    if (mode_ == MediaMode::Playing && music_ != nullptr && Mix_PlayingMusic() == 0) {
      return MediaMode::Stopped;
    }
    return mode_;
  }

 private:
  // The notice is disarmed and the piece that plays fades out.
  void Halt() {
    armed_.store(false);
    if (session_ && Mix_PlayingMusic() != 0) session_->Voices().FadeStream();
  }
  // Waits for a fade to end (it takes the fade and an audio buffer or two), halts what plays and
  // frees the pieces let go; the music stream sounds again.
  void LetFadedGo() {
    if (!session_) return;
    VoiceMixer& voices = session_->Voices();
    for (int wait = 0; wait < 200 && Mix_PlayingMusic() != 0 && voices.StreamFading(); ++wait) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    Mix_HaltMusic();
    for (Faded& f : faded_) Mix_FreeMusic(f.Music);
    faded_.clear();
    voices.SoundStream();
  }
  // On SDL_mixer's audio thread.
  static void Finished() {
    Mp3Player* player = g_active.load();
    if (player != nullptr && player->armed_.exchange(false) && player->post_notify_) {
      player->post_notify_();
    }
  }

  std::function<void(std::string)> record_;
  std::function<void()> post_notify_;
  bool audio_;
  std::shared_ptr<MixerSession> session_;
  std::vector<uint8_t> bytes_;
  Mix_Music* music_ = nullptr;
  struct Faded {
    Mix_Music* Music;
    std::vector<uint8_t> Bytes;  // what it reads from
  };
  std::vector<Faded> faded_;  // closed while it faded out
  std::string path_;
  MediaMode mode_ = MediaMode::NotReady;
  std::atomic<bool> armed_{false};
};

}  // namespace

std::unique_ptr<MediaPlayer> MakeSdlMediaPlayer(std::function<void(std::string)> record,
                                                std::function<void()> post_notify) {
  return std::make_unique<Mp3Player>(std::move(record), std::move(post_notify), true);
}

std::unique_ptr<MediaPlayer> MakeHeadlessMediaPlayer(std::function<void(std::string)> record,
                                                     std::function<void()>) {
  return std::make_unique<Mp3Player>(std::move(record), nullptr, false);
}

}  // namespace zk
