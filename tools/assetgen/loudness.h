// Integrated loudness after ITU-R BS.1770 / EBU R128: K-weighted, in 400 ms blocks every 100 ms,
// gated at -70 LUFS and 10 LU under the ungated level. The sounds and the music are levelled by it.
#pragma once

#include <cstddef>
#include <vector>

namespace zk::assetgen {

// The integrated loudness in LUFS of interleaved frames of `channels` channels at `rate` (every
// channel weighted 1, as left and right are); -70 or less when nothing is over the gate.
double IntegratedLoudness(const std::vector<double>& frames, int channels, double rate);

}  // namespace zk::assetgen
