#pragma once

#include <cstdint>
#include <ctime>

#include "cli/options.h"

namespace mapedit::cli {

// The seed given with --seed, or the clock as the editor uses it.
inline std::uint32_t seedOf(const Options& o) {
    return o.seed ? *o.seed : static_cast<std::uint32_t>(std::time(nullptr));
}

}  // namespace mapedit::cli
