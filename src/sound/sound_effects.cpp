// Sound effects: the device, the buffers made from WAVE resources, playing and stopping them.
#include <memory>
#include <string>

#include "core/failure_texts.h"
#include "platform/resources.h"
#include "shell/form.h"

namespace zk {

void TForm1::StartDS() {
  auto fail = [this](const std::string& what) {
    EndDirectSound();
    EnterError(3, what);
  };
  SoundDev = Host.OpenSound();
  if (!SoundDev) return fail("cannot open the sound device");
  static const char* const kHitSounds[4] = {"HITTED1", "HITTED2", "HITTED3", "HITTED4"};
  for (int i = 0; i < 4; ++i) {
    if (CreateSoundData(kHitSounds[i], HitSoundBuffers[0][i]) == 0) {
      return fail(SoundFailure(kHitSounds[i]));
    }
    // Player 2's weapons play duplicates that share the samples.
    HitSoundBuffers[1][i] = SoundDev->Duplicate(*HitSoundBuffers[0][i]);
    if (!HitSoundBuffers[1][i]) return fail(SoundFailure(kHitSounds[i]) + " for player 2");
  }
  if (CreateSoundData("S_BEGIN", JingleSoundBuffer) == 0) return fail(SoundFailure("S_BEGIN"));
}

void TForm1::EndDirectSound() {
  JingleSoundBuffer.reset();
  BeatSoundBuffer.reset();
  for (auto& player : HitSoundBuffers) {
    for (auto& buffer : player) buffer.reset();
  }
  for (auto& buffer : FireSoundBuffers) buffer.reset();
  SoundDev.reset();
}

// A resource that cannot be read is reported with the reason's digit; the creation still goes
// on, but without readable samples no buffer can be made, so it fails like any other creation
// and stops sound. The sound that failed is said on standard error first, by its own name: the
// creations after it fail only because sound is stopped, and read nothing.
int32_t TForm1::CreateSoundData(const std::string& name, std::unique_ptr<SoundBuffer>& slot) {
  slot.reset();
  if (!SoundOn()) return 0;
  WaveData wave;
  int reason = 0;
  const bool readable = ParseWave(FindResource(name, ResourceType::Wave), wave, reason) == 1;
  if (!readable) {
    SayFailure(SoundFailure(name));
    Host.MessageBox("Error", "WaveFormatデータの読み込み失敗" + std::to_string(reason));
  }
  if (readable) slot = SoundDev->CreateBuffer(name, wave);
  if (!slot) {
    SayFailure(SoundFailure(name));
    EndDirectSound();
    return 0;
  }
  return 1;
}

void TForm1::PlaySoundBuffer(SoundBuffer* buffer, bool loop) {
  if (!SoundOn() || buffer == nullptr || Host.Closed()) return;
  buffer->SetPosition(0);
  if (!buffer->Play(loop)) buffer->Restore();  // a lost buffer is not played again
}

void TForm1::StopSoundBuffer(SoundBuffer* buffer) {
  if (!SoundOn() || buffer == nullptr) return;
  buffer->Stop();
}

}  // namespace zk
