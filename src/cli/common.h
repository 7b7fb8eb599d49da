#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>

#include "cli/options.h"

namespace mapedit::cli {

// The seed given with --seed, or the clock as the editor uses it.
inline std::uint32_t seedOf(const Options& o) {
    return o.seed ? *o.seed : static_cast<std::uint32_t>(std::time(nullptr));
}

// The whole file, or nothing after telling `err` why it could not be read.
std::optional<std::string> loadOrReport(const std::string& path, std::FILE* err);

}  // namespace mapedit::cli
