// Row kernels of the surfaces and the text: fills, gathers and the colour-keyed and masked copies,
// four pixels at a time where the compiler offers vectors.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace zk::rows {

#if defined(__GNUC__) || defined(__clang__)
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
#define ZK_ROW_LANES 1
#endif

// Sets n pixels to `value`.
inline void Fill(uint32_t* out, size_t n, uint32_t value) {
  size_t i = 0;
#ifdef ZK_ROW_LANES
  const Lanes v = Splat(value);
  for (; i + kLanes <= n; i += kLanes) Store(out + i, v);
#endif
  for (; i < n; ++i) out[i] = value;
}

// out[i] = in[columns[i]].
inline void Gather(uint32_t* __restrict out, const uint32_t* __restrict in,
                   const int32_t* __restrict columns, size_t n) {
  for (size_t i = 0; i < n; ++i) out[i] = in[columns[i]];
}

// out[i] = in[columns[i]] where that is not `key`; the others keep what `out` holds. The
// gathered pixels go straight into registers: a line written pixel by pixel and read back four
// at a time would stall on every read.
inline void GatherKeyed(uint32_t* __restrict out, const uint32_t* __restrict in,
                        const int32_t* __restrict columns, size_t n, uint32_t key) {
  size_t i = 0;
#ifdef ZK_ROW_LANES
  const Lanes k = Splat(key);
  for (; i + kLanes <= n; i += kLanes) {
    const Lanes a = {in[columns[i]], in[columns[i + 1]], in[columns[i + 2]], in[columns[i + 3]]};
    const Lanes keep = reinterpret_cast<Lanes>(a == k);
    Store(out + i, (Load(out + i) & keep) | (a & ~keep));
  }
#endif
  for (; i < n; ++i) {
    const uint32_t v = in[columns[i]];
    out[i] = v == key ? out[i] : v;
  }
}

// Copies the pixels of `in` that are not `key`; the others keep what `out` holds.
inline void CopyKeyed(uint32_t* __restrict out, const uint32_t* __restrict in, size_t n,
                      uint32_t key) {
  size_t i = 0;
#ifdef ZK_ROW_LANES
  const Lanes k = Splat(key);
  for (; i + kLanes <= n; i += kLanes) {
    const Lanes a = Load(in + i);
    const Lanes keep = reinterpret_cast<Lanes>(a == k);  // all ones where the key is
    Store(out + i, (Load(out + i) & keep) | (a & ~keep));
  }
#endif
  for (; i < n; ++i) out[i] = in[i] == key ? out[i] : in[i];
}

// Copies in[n - 1 - i] to out[i] where that is not `key` (a mirrored row); the others keep what
// `out` holds.
inline void CopyKeyedReversed(uint32_t* __restrict out, const uint32_t* __restrict in, size_t n,
                              uint32_t key) {
  size_t i = 0;
#ifdef ZK_ROW_LANES
  const Lanes k = Splat(key);
  for (; i + kLanes <= n; i += kLanes) {
    const Lanes a = Reversed(Load(in + n - i - kLanes));
    const Lanes keep = reinterpret_cast<Lanes>(a == k);
    Store(out + i, (Load(out + i) & keep) | (a & ~keep));
  }
#endif
  for (; i < n; ++i) out[i] = in[n - 1 - i] == key ? out[i] : in[n - 1 - i];
}

// Writes `value` where `mask` is all ones and keeps `out` where it is zero.
inline void FillMasked(uint32_t* __restrict out, const uint32_t* __restrict mask, size_t n,
                       uint32_t value) {
  size_t i = 0;
#ifdef ZK_ROW_LANES
  const Lanes v = Splat(value);
  for (; i + kLanes <= n; i += kLanes) {
    const Lanes m = Load(mask + i);
    Store(out + i, (Load(out + i) & ~m) | (v & m));
  }
#endif
  for (; i < n; ++i) out[i] = (out[i] & ~mask[i]) | (value & mask[i]);
}

}  // namespace zk::rows
