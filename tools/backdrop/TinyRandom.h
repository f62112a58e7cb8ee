#pragma once

#include <cstdint>

// SplitMix64: a few lines of fixed integer arithmetic, so a given seed yields
// the same numbers with every compiler and C library, unlike rand().
class TTinyRandom {
 public:
  explicit TTinyRandom(std::uint64_t seed) : State(seed) {}

  std::uint32_t Next() {
    std::uint64_t z = (State += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
  }

  // A number in [0, bound), without the bias of Next() % bound.
  std::uint32_t Below(std::uint32_t bound) {
    return static_cast<std::uint32_t>((std::uint64_t{Next()} * bound) >> 32);
  }

 private:
  std::uint64_t State;
};
