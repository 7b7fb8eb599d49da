#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "model/variant.h"

namespace mapedit::cli {

struct PlayRequest {
    std::string script;
    std::string logPath;  // empty: standard output
    std::uint32_t seed = 1;
    Variant variant = Variant::Vanilla;
};

// Runs the script line by line; the log goes out as it grows. Exit 0 when
// the script ran to its end, 1 when it or the log cannot be read or
// written, 2 at the first line that cannot be parsed or run (reported as
// SCRIPT:LINE: reason).
int runPlay(const PlayRequest& request, std::FILE* out, std::FILE* err);

}  // namespace mapedit::cli
