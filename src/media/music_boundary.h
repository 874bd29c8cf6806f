// Where a change of the music takes effect: at once, at the next beat or at the next measure of
// the piece that plays.
#pragma once

namespace zk {

enum class MusicBoundary { Now, Beat, Measure };

}  // namespace zk
