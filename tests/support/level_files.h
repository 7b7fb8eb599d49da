#pragma once

// The level files the tests hold and the samples, for the tests that take
// every one through Open and Save. Include from a test target that defines
// MAPEDIT_TEST_DATA and MAPEDIT_SOURCE_DIR.

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "model/variant.h"

namespace mapedit::test {

inline std::vector<std::filesystem::path> everyLevelFile() {
    std::vector<std::filesystem::path> files;
    for (const char* root : {MAPEDIT_TEST_DATA, MAPEDIT_SOURCE_DIR "/samples"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            const std::filesystem::path& p = entry.path();
            if (entry.is_regular_file() && (p.extension() == ".des" || p.extension() == ".txt")) {
                files.push_back(p);
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The variant a test file is written for: Tavrel when its name says so.
inline Variant variantOfFile(const std::filesystem::path& p) {
    return p.filename().string().find("tavrel") != std::string::npos ? Variant::Tavrel
                                                                     : Variant::Vanilla;
}

}  // namespace mapedit::test
