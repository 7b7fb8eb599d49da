#include "generate/random.h"

namespace mapedit {

int Random::randomBelow(int n) {
    // A range below 1 has no valid answer; draw anyway so that the sequence
    // stays aligned, and answer 0.
    const std::uint64_t range = n < 1 ? 1u : static_cast<std::uint64_t>(n);
    const std::uint64_t r = nextRandom32();
    return static_cast<int>((r * range) >> 32);
}

}  // namespace mapedit
