// Row kernels of the surfaces and the text: fills, gathers and the colour-keyed and masked copies,
// four pixels at a time in the vectors GCC and Clang offer on every target.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace zk::rows {

using Lanes = uint32_t __attribute__((vector_size(16)));
constexpr size_t kLanes = 4;

inline Lanes Load(const uint32_t* p) {
  Lanes v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
inline void Store(uint32_t* p, Lanes v) {
  std::memcpy(p, &v, sizeof v);
}
inline Lanes Splat(uint32_t x) {
  return Lanes{x, x, x, x};
}
inline Lanes Reversed(Lanes v) {
#if defined(__clang__)
  return __builtin_shufflevector(v, v, 3, 2, 1, 0);
#else
  return __builtin_shuffle(v, Lanes{3, 2, 1, 0});
#endif
}

// Sets n pixels to `value`.
inline void Fill(uint32_t* out, size_t n, uint32_t value) {
  size_t i = 0;
  for (const Lanes v = Splat(value); i + kLanes <= n; i += kLanes) Store(out + i, v);
  for (; i < n; ++i) out[i] = value;
}

// Writes the n pixels that `four` (pixels i to i + 3) and `one` (pixel i) give, except those
// equal to `key`, where `out` keeps what it holds.
template <typename Four, typename One>
inline void Keyed(uint32_t* __restrict out, size_t n, uint32_t key, Four four, One one) {
  size_t i = 0;
  for (const Lanes k = Splat(key); i + kLanes <= n; i += kLanes) {
    const Lanes a = four(i);
    const Lanes keep = reinterpret_cast<Lanes>(a == k);  // all ones where the key is
    Store(out + i, (Load(out + i) & keep) | (a & ~keep));
  }
  for (; i < n; ++i) {
    const uint32_t v = one(i);
    out[i] = v == key ? out[i] : v;
  }
}

// Copies the pixels of `in` that are not `key`.
inline void CopyKeyed(uint32_t* __restrict out, const uint32_t* __restrict in, size_t n,
                      uint32_t key) {
  Keyed(
      out, n, key, [in](size_t i) { return Load(in + i); }, [in](size_t i) { return in[i]; });
}

// The same for a mirrored row: out[i] takes in[n - 1 - i].
inline void CopyKeyedReversed(uint32_t* __restrict out, const uint32_t* __restrict in, size_t n,
                              uint32_t key) {
  Keyed(
      out, n, key, [in, n](size_t i) { return Reversed(Load(in + n - i - kLanes)); },
      [in, n](size_t i) { return in[n - 1 - i]; });
}

// out[i] = in[columns[i]].
inline void Gather(uint32_t* __restrict out, const uint32_t* __restrict in,
                   const int32_t* __restrict columns, size_t n) {
  for (size_t i = 0; i < n; ++i) out[i] = in[columns[i]];
}

// The same, keyed. The gathered pixels go straight into registers: a line written pixel by pixel
// and read back four at a time would stall on every read.
inline void GatherKeyed(uint32_t* __restrict out, const uint32_t* __restrict in,
                        const int32_t* __restrict columns, size_t n, uint32_t key) {
  Keyed(
      out, n, key,
      [in, columns](size_t i) {
        return Lanes{in[columns[i]], in[columns[i + 1]], in[columns[i + 2]], in[columns[i + 3]]};
      },
      [in, columns](size_t i) { return in[columns[i]]; });
}

// Writes `value` where `mask` is all ones and keeps `out` where it is zero.
inline void FillMasked(uint32_t* __restrict out, const uint32_t* __restrict mask, size_t n,
                       uint32_t value) {
  size_t i = 0;
  for (const Lanes v = Splat(value); i + kLanes <= n; i += kLanes) {
    const Lanes m = Load(mask + i);
    Store(out + i, (Load(out + i) & ~m) | (v & m));
  }
  for (; i < n; ++i) out[i] = (out[i] & ~mask[i]) | (value & mask[i]);
}

}  // namespace zk::rows
