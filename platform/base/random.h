#pragma once

#include <bit>
#include <cstdint>

namespace rw {

// The process-wide generator: two lagged tables of 17 words, stepped in
// lockstep. Kept in the header so that the random-pixel image, which takes
// one step per pixel, can inline it.
struct RandomState {
  std::uint32_t a[17];
  std::uint32_t b[17];
  int i = 0;
  int j = 10;
  bool seeded = false;
};

inline RandomState g_random;

// Seeds the generator with s (the rule every seeding follows) and marks it
// seeded; tests and the renderer call this to get a repeatable sequence.
void SeedRandom(std::uint32_t s);

// Seeds from the thread identifier XOR the millisecond tick count; called by
// the first Random of a run that was never seeded explicitly.
void SeedRandomFromClock();

// One generator step; returns the new A word in the low half and the new B
// word in the high half.
inline std::uint64_t RandomStep() {
  RandomState& g = g_random;
  const std::uint32_t a = std::rotr(g.b[g.i], 13) + g.b[g.j];
  const std::uint32_t b = std::rotr(g.a[g.i], 5) + g.a[g.j];
  g.a[g.i] = a;
  g.b[g.i] = b;
  g.i = g.i == 0 ? 16 : g.i - 1;
  g.j = g.j == 0 ? 16 : g.j - 1;
  return (std::uint64_t{b} << 32) | a;
}

// Uniform integer from 0 to max inclusive (max at least 0).
inline std::int64_t Random(std::int64_t max) {
  if (!g_random.seeded) SeedRandomFromClock();
  const std::uint64_t step = RandomStep();
  const std::uint64_t a = static_cast<std::uint32_t>(step);
  const std::uint64_t b = step >> 32;
  const std::uint64_t n = static_cast<std::uint64_t>(max) + 1;
  const std::uint64_t n_low = n & 0xFFFFFFFFu;
  const std::uint64_t n_high = n >> 32;
  return static_cast<std::int64_t>(((n_low * a) >> 32) + ((b * n_high) >> 32) + a * n_high);
}

}  // namespace rw
