// Whether the bytes of an MP3 file hold music: the check the music player makes before it hands a
// file to the decoder, the same with and without an audio device.
#pragma once

#include <cstdint>
#include <span>

namespace zk {

// True when, after an ID3v2 tag if there is one, the bytes hold at least two whole MPEG audio
// frames in a row (a leading Xing, Info or VBRI frame, which describes the stream and holds no
// sound, not counted). Anything shorter decodes to nothing: the decoder drops its first
// samples, more than one frame's worth.
bool Mp3HoldsAudio(std::span<const uint8_t> bytes);

}  // namespace zk
