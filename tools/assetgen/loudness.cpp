#include "loudness.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zk::assetgen {

namespace {

struct Biquad {
  double B0, B1, B2, A1, A2;
  double X1 = 0, X2 = 0, Y1 = 0, Y2 = 0;
  double Step(double x) {
    const double y = B0 * x + B1 * X1 + B2 * X2 - A1 * Y1 - A2 * Y2;
    X2 = X1;
    X1 = x;
    Y2 = Y1;
    Y1 = y;
    return y;
  }
};

// The K-weighting's two stages (a high shelf for the head, a high-pass), designed for `rate` as
// libebur128 designs them.
std::pair<Biquad, Biquad> KWeighting(double rate) {
  double k = std::tan(std::numbers::pi * 1681.974450955533 / rate);
  const double q = 0.7071752369554196;
  const double vh = std::pow(10.0, 3.999843853973347 / 20);
  const double vb = std::pow(vh, 0.4996667741545416);
  double a0 = 1 + k / q + k * k;
  const Biquad shelf{(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0,
                     (vh - vb * k / q + k * k) / a0, 2 * (k * k - 1) / a0,
                     (1 - k / q + k * k) / a0};
  k = std::tan(std::numbers::pi * 38.13547087602444 / rate);
  const double qh = 0.5003270373238773;
  a0 = 1 + k / qh + k * k;
  const Biquad high{1, -2, 1, 2 * (k * k - 1) / a0, (1 - k / qh + k * k) / a0};
  return {shelf, high};
}

}  // namespace

double IntegratedLoudness(const std::vector<double>& frames, int channels, double rate) {
  const size_t count = frames.size() / static_cast<size_t>(channels);
  const size_t hop = static_cast<size_t>(std::lround(rate / 10));
  std::vector<double> power(count / hop + 1, 0.0);  // K-weighted energy of each 100 ms
  for (int c = 0; c < channels; ++c) {
    auto [shelf, high] = KWeighting(rate);
    for (size_t i = 0; i < count; ++i) {
      const double y = high.Step(shelf.Step(frames[i * static_cast<size_t>(channels) + c]));
      power[i / hop] += y * y;
    }
  }
  std::vector<double> blocks;  // mean square of each whole 400 ms block
  for (size_t b = 0; b + 4 <= count / hop; ++b) {
    blocks.push_back((power[b] + power[b + 1] + power[b + 2] + power[b + 3]) / (4.0 * hop));
  }
  auto loudness = [](double ms) { return -0.691 + 10 * std::log10(std::max(ms, 1e-30)); };
  auto gated_mean = [&](double gate) {
    double sum = 0;
    size_t n = 0;
    for (double ms : blocks) {
      if (loudness(ms) > gate) {
        sum += ms;
        ++n;
      }
    }
    return n == 0 ? 0.0 : sum / static_cast<double>(n);
  };
  const double absolute = gated_mean(-70);
  if (absolute <= 0) return -70;
  return loudness(gated_mean(loudness(absolute) - 10));
}

}  // namespace zk::assetgen
