// Sound, music and MP3 backends: the SDL_mixer ones and the headless ones that play nothing.
//
// Every backend reports what it plays through `record` ("play NAME", "loop NAME", "stop NAME",
// "music FILE", "music-stop", "pinch", "mp3 FILE", "mp3-stop"), so a trace reads the same with
// and without a sound card. Music is recorded when a change takes effect.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/audio.h"
#include "platform/platform.h"

namespace zk {

// The SDL sound device (44100 Hz stereo, mixed in 32-bit float and handed to the device as
// such): its effects play through the session's voice mixer; empty when no audio device opens.
std::unique_ptr<SoundDevice> MakeSdlSoundDevice(std::function<void(std::string)> record);
// A device that keeps the samples, plays nothing and records every play and stop.
std::unique_ptr<SoundDevice> MakeHeadlessSoundDevice(std::function<void(std::string)> record);

// MIDI through FluidSynth with a General MIDI soundfont, into SDL_mixer's music stream. Without
// a soundfont or an audio device the performance still works and records, but plays silently.
std::unique_ptr<MidiPerformance> MakeSdlMidi(std::function<void(std::string)> record);
// The headless performance times its beats by virtual time: `*advance` (when given) is set to
// the function that moves it on by so many milliseconds; it does nothing once the performance
// is gone.
std::unique_ptr<MidiPerformance> MakeHeadlessMidi(std::function<void(std::string)> record,
                                                  std::function<void(uint32_t)>* advance);

// The MP3 player through SDL_mixer. `post_notify` is called when a play finishes; it may run on
// the audio thread and must only post an event to the application loop.
std::unique_ptr<MediaPlayer> MakeSdlMediaPlayer(std::function<void(std::string)> record,
                                                std::function<void()> post_notify);
std::unique_ptr<MediaPlayer> MakeHeadlessMediaPlayer(std::function<void(std::string)> record,
                                                     std::function<void()> post_notify);

}  // namespace zk
