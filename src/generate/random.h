#pragma once

#include <cstdint>
#include <random>

namespace mapedit {

// The editor's one pseudo-random generator: the reference MT19937, with
// range reduction by multiplication (no modulo bias tricks).
class Random {
  public:
    Random() = default;
    explicit Random(std::uint32_t seed) { seedRandom(seed); }

    void seedRandom(std::uint32_t seed) { engine_.seed(seed); }
    std::uint32_t nextRandom32() { return static_cast<std::uint32_t>(engine_()); }
    // floor(r * n / 2^32), in 0 .. n - 1. n below 1 is treated as 1.
    int randomBelow(int n);
    // randomBelow(n) + 1, in 1 .. n.
    int randomOneTo(int n) { return randomBelow(n) + 1; }

  private:
    std::mt19937 engine_;
};

}  // namespace mapedit
