// A small seeded random source whose sequence is the same on every platform (the
// standard distributions are not), so a seed always gives the same samples.
#pragma once

#include <cmath>
#include <cstdint>

class BenchRng {
 public:
  explicit BenchRng(uint64_t seed) : state_(seed) {}

  // SplitMix64.
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }

  double Uniform(double lo, double hi) { return lo + (hi - lo) * Unit(); }

  // Standard normal (Box-Muller), clipped to +-3 so that no sample is absurd.
  double Normal() {
    const double u = 1.0 - Unit(), v = Unit();
    const double n = std::sqrt(-2.0 * std::log(u)) * std::cos(6.283185307179586 * v);
    return n > 3 ? 3 : (n < -3 ? -3 : n);
  }

  bool Chance(double p) { return Unit() < p; }

 private:
  uint64_t state_;
};

// Mixes numbers into one seed (for a seed per character and sample).
inline uint64_t MixSeed(uint64_t a, uint64_t b) {
  BenchRng r(a * 0x100000001B3ull ^ (b + 0x632BE59BD9B4E019ull));
  return r.Next();
}
