// The error screen's lines by error code: 1 and 2 a robot's data, 3 sound, 4 drawing; any other
// code is an unknown error, shown as code 5.
#pragma once

#include <cstdint>

namespace zk {

inline const char* ErrorReasonLine(int32_t code) {
  switch (code) {
    case 1:
      return "There is a Error In Loading Character Data1.";
    case 2:
      return "There is a Error In Loading Character Data2.";
    case 3:
      return "There is a Error In Sound.";
    case 4:
      return "There is a Error In Drawing.";
    default:
      return "There is a Unknown Error.";
  }
}

inline const char* ErrorCodeLine(int32_t code) {
  switch (code) {
    case 1:
      return "ErrorCode #1.";
    case 2:
      return "ErrorCode #2.";
    case 3:
      return "ErrorCode #3.";
    case 4:
      return "ErrorCode #4.";
    default:
      return "ErrorCode #5.";
  }
}

inline constexpr const char* kErrorSorryLine = "Sorry!Once You Should Stop the Game.";
inline constexpr const char* kErrorEscapeLine = "Please Press Escape Key(Esc)! And Try Again!";

}  // namespace zk
