// What a failure that closes the form reports: the step or the file that failed.
#pragma once

#include <string>
#include <string_view>

#include "media/media_files.h"

namespace zk {

// A file as the game names it, with "/" between folders as it is looked up.
inline std::string ShownName(std::string_view name) {
  const std::string path = GamePath(name);
  return "\"" + (path.empty() ? std::string(name) : path) + "\"";
}

inline std::string PictureFailure(std::string_view name) {
  return "cannot load the picture " + ShownName(name);
}

// `sound_was_on` false: sound had been stopped by an earlier failure (or no sound device).
inline std::string SoundFailure(std::string_view name, bool sound_was_on = true) {
  return "cannot make the sound \"" + std::string(name) + "\"" +
         (sound_was_on ? "" : " (sound was stopped by an earlier sound failure)");
}

inline std::string MusicFailure(std::string_view name) {
  return "cannot load the music " + ShownName(name);
}

// An MP3 piece that cannot be played, and why.
inline std::string Mp3Failure(std::string_view name, std::string_view reason) {
  return "cannot play the music " + ShownName(name) + ": " + std::string(reason);
}

inline std::string ScoreFileFailure(std::string_view name) {
  return "cannot record the run in the score file " + ShownName(name);
}

// A survival score file whose table failed its check; `kept`: the file was copied to `copy`
// before its table was dropped, else it is left as it is and the run not recorded.
inline std::string DamagedScoreFile(std::string_view name, std::string_view copy, bool kept) {
  return "the score file " + ShownName(name) + " failed its check: " +
         (kept ? "its table was dropped; the damaged file is kept as \"" + std::string(copy) + "\""
               : "no copy could be kept as \"" + std::string(copy) +
                     "\", so it is left as it is and the run was not recorded");
}

inline constexpr const char* kDisplayFailure = "cannot start the display";
inline constexpr const char* kMidiStartFailure = "cannot start the MIDI music";
inline constexpr const char* kMidiStopFailure = "cannot stop the MIDI music";

}  // namespace zk
