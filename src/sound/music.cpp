// MIDI music through the performance, and the MP3 player's completion notice.
#include <memory>

#include "core/failure_texts.h"
#include "shell/form.h"

namespace zk {

void TForm1::StartDirectMusic() {
  if (MusicMode != 0) return;
  MusicPerformance = Host.OpenMusic();
  if (!MusicPerformance) CloseOnFailure(kMidiStartFailure);
}

void TForm1::EndDirectMusic() {
  if (MusicMode != 0) return;
  if (MusicPerformance) MusicPerformance->Stop(MusicBoundary::Now);
  MusicSegment.reset();
  PinchSegment.reset();
  MusicPerformance.reset();
}

// Loads "music\..." from the working directory into a segment slot; a file that cannot be read
// as a standard MIDI file closes the form. Nothing is played.
void TForm1::MakeSegment(const char* file, std::unique_ptr<MidiSegment>& slot) {
  if (MusicMode != 0) return;
  if (!MusicPerformance) {
    CloseOnFailure(kMidiStartFailure);
    return;
  }
  slot.reset();
  slot = MusicPerformance->LoadSegment(file);
  if (!slot) CloseOnFailure(MusicFailure(file));
}

void TForm1::MakeSegment_Start() {
  MakeSegment("music\\Start.mid", MusicSegment);
}
void TForm1::MakeSegment_Select() {
  MakeSegment("music\\Select.mid", MusicSegment);
}
void TForm1::MakeSegment_Ending() {
  MakeSegment("music\\Ending.mid", MusicSegment);
}
void TForm1::MakeSegment_Fight1() {
  MakeSegment("music\\Fighting1.mid", MusicSegment);
}
void TForm1::MakeSegment_Fight2() {
  MakeSegment("music\\Fighting2.mid", PinchSegment);
}
void TForm1::MakeSegment_Fight3() {
  MakeSegment("music\\Fighting3.mid", MusicSegment);
}

// The music plays on to the next measure; the segments are let go at once.
void TForm1::EndSegment() {
  if (MusicMode != 0) return;
  if (MusicPerformance && !MusicPerformance->Stop(MusicBoundary::Measure)) {
    CloseOnFailure(kMidiStopFailure);
    return;
  }
  MusicSegment.reset();
  PinchSegment.reset();
}

// The segment loops from its start (its repeat count of 65536 plays on for hours), from the next
// beat of what plays.
void TForm1::PlayMusicSegment() {
  if (MusicPerformance && MusicSegment && !Host.Closed()) {
    MusicPerformance->Play(*MusicSegment, 65536, MusicBoundary::Beat);
  }
}

void TForm1::StopMusic() {
  if (MusicPerformance) MusicPerformance->Stop(MusicBoundary::Now);
}

// The pinch music takes over at the next beat.
void TForm1::PlayPinchSegment() {
  if (MusicPerformance && PinchSegment && !Host.Closed()) {
    MusicPerformance->TransitionTo(*PinchSegment, MusicBoundary::Beat);
  }
}

void TForm1::MediaPlayer1Notify() {
  if (MusicMode == 1 && Mp3Playing == 1) PlaySoundBuffer(BeatSoundBuffer.get(), true);
}

}  // namespace zk
