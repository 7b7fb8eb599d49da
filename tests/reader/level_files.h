#pragma once

// Helpers for tests that run whole level files through the reader and the
// writer.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "read_fresh.h"
#include "reader/reader.h"

namespace mapedit::test {

inline std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A file written for the Tavrel variant says so in its name; every other
// file is read as vanilla.
inline Variant variantOfFile(const std::filesystem::path& p) {
    return p.filename().string().find("tavrel") != std::string::npos ? Variant::Tavrel
                                                                     : Variant::Vanilla;
}

// Files named bad_* hold a deliberate error.
inline bool expectedToFail(const std::filesystem::path& p) {
    return p.filename().string().rfind("bad_", 0) == 0;
}

}  // namespace mapedit::test
