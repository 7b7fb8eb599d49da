#pragma once

#include <cstdint>
#include <string_view>
#include <utility>

#include "generate/random.h"
#include "model/level.h"
#include "model/result.h"
#include "reader/reader.h"

namespace mapedit::test {

constexpr std::uint32_t kReadSeed = 4711;

// Reads text as the Open command does: the level read replaces `level`,
// whether the read succeeded or not. Answers the report.
inline Status readFresh(Level& level, std::string_view text, Variant variant = Variant::Vanilla,
                        std::uint32_t seed = kReadSeed) {
    Random random(seed);
    auto read = readLevel(text, random, variant);
    level = std::move(readSoFar(read).level);
    if (!read) return Failure{std::move(read.error().message)};
    return {};
}

}  // namespace mapedit::test
