// Opening and closing SDL_mixer once for every audio user of the program.
#include "platform/sound_mixer.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <memory>
#include <mutex>
#include <vector>

#include "media/sound_wave_check.h"

namespace zk {

namespace {
std::mutex g_mutex;
std::weak_ptr<MixerSession> g_session;

constexpr int kFrequency = 44100;
constexpr int kChunkFrames = 1024;
// Silence after a wave's samples, so that SDL's audio stream gives out all of them when flushed.
constexpr size_t kTailFrames = 2048;

// SDL_mixer's mix (the music), in 32-bit float, with the effects added, before it goes to the
// device.
void FinishMix(void* voices, Uint8* stream, int len) {
  auto* samples = reinterpret_cast<float*>(stream);
  const size_t count = static_cast<size_t>(len) / sizeof(float);
  auto& mixer = *static_cast<VoiceMixer*>(voices);
  mixer.Mix(samples, count / static_cast<size_t>(mixer.Channels()));
  for (size_t i = 0; i < count; ++i) samples[i] = SoftLimit(samples[i]);
}

// Opens SDL's audio and the mixer on the audio driver SDL chooses (or the one the hint names).
// SDL's audio streams (which convert the effects, and the MP3 music as it decodes) resample
// through libsamplerate's medium sinc filter when the hint asks for it: images of the source rate
// stay over 100 dB down, where SDL's own resampler leaves some only 8 dB down near the source's
// Nyquist frequency. Debian's SDL is linked against libsamplerate (the library is one of its
// package's dependencies), so the filter is there whenever SDL is; an SDL built without it
// ignores the hint and resamples its own way. A user's SDL_AUDIO_RESAMPLING_MODE is still
// honoured.
bool OpenMixer() {
  SDL_SetHint(SDL_HINT_AUDIO_RESAMPLING_MODE, "medium");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  Mix_Init(MIX_INIT_MP3);
  if (Mix_OpenAudio(kFrequency, AUDIO_F32SYS, 2, kChunkFrames) == 0) {
    // The MP3 music stream plays at the music's gain; the MIDI performance sets its own.
    Mix_VolumeMusic(static_cast<int>(std::lround(kMusicGain * MIX_MAX_VOLUME)));
    return true;
  }
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

float SoftLimit(float sample) {
  const float size = std::fabs(sample);
  if (size <= kLimiterThreshold) return sample;
  constexpr float kRoom = kLimiterCeiling - kLimiterThreshold;
  return std::copysign(kLimiterThreshold + kRoom * std::tanh((size - kLimiterThreshold) / kRoom),
                       sample);
}

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
  session->voices_ = std::make_unique<VoiceMixer>(session->channels_);
  Mix_SetPostMix(FinishMix, session->voices_.get());
  g_session = session;
  return session;
}

std::vector<float> MixerSession::Convert(const WaveData& wave, float gain) const {
  if (!PlayableWave(wave) || format_ != AUDIO_F32SYS || channels_ <= 0 || frequency_ <= 0) {
    return {};
  }
  const size_t frame_bytes = WaveFrameBytes(wave);
  const uint64_t in_frames = wave.Samples.size() / frame_bytes;
  const uint64_t rate = static_cast<uint64_t>(wave.SampleRate);
  const uint64_t out_frames = (in_frames * static_cast<uint64_t>(frequency_) + rate / 2) / rate;
  const uint64_t out_samples = out_frames * static_cast<uint64_t>(channels_);
  if (out_samples * sizeof(float) > static_cast<uint64_t>(INT_MAX)) return {};
  const bool eight_bit = wave.BitsPerSample == 8;
  SDL_AudioStream* stream =
      SDL_NewAudioStream(eight_bit ? AUDIO_U8 : AUDIO_S16LSB, static_cast<Uint8>(wave.Channels),
                         wave.SampleRate, AUDIO_F32SYS, static_cast<Uint8>(channels_), frequency_);
  if (stream == nullptr) return {};
  const std::vector<uint8_t> tail(kTailFrames * frame_bytes, eight_bit ? 0x80 : 0x00);
  std::vector<float> out(static_cast<size_t>(out_samples), 0.0f);
  const int out_bytes = static_cast<int>(out.size() * sizeof(float));
  const bool converted =
      SDL_AudioStreamPut(stream, wave.Samples.data(), static_cast<int>(wave.Samples.size())) == 0 &&
      SDL_AudioStreamPut(stream, tail.data(), static_cast<int>(tail.size())) == 0 &&
      SDL_AudioStreamFlush(stream) == 0 && SDL_AudioStreamGet(stream, out.data(), out_bytes) >= 0;
  SDL_FreeAudioStream(stream);
  if (!converted || out.empty()) return {};
  for (float& sample : out) sample *= gain;
  return out;
}

MixerSession::~MixerSession() {
  Mix_SetPostMix(nullptr, nullptr);
  Mix_HaltMusic();
  Mix_HaltChannel(-1);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace zk
