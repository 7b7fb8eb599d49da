// Splits arbitrary bytes into levels and checks what Save relies on: the
// levels cover the readable text in order without gaps; putting a level's
// own text back gives the file unchanged; writing another text into a level
// leaves every other byte alone, and the moved spans agree with a fresh
// split of the new file. Every maze level is read too. Crashes, sanitizer
// reports and aborts are bugs.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "reader/level_file.h"
#include "reader/reader.h"

namespace {

using namespace mapedit;

[[noreturn]] void fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "level_file_fuzz: %s\n--- text ---\n%s\n------------\n", what,
                 text.c_str());
    std::abort();
}

void checkCover(const LevelFile& file, const std::string& text) {
    std::size_t at = 0;
    for (const LevelSpan& span : file.levels()) {
        if (span.begin != at || span.end < span.begin || span.firstLine > span.statementLine) {
            fail("levels leave a gap or overlap", text);
        }
        at = span.end;
    }
    if (at > text.size()) fail("a level runs past the text", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const LevelFile file(text);
    checkCover(file, text);
    const std::string written = "MAZE: \"new\", ' '\nGEOMETRY: center, center\n\n";
    for (std::size_t i = 0; i < file.levels().size(); ++i) {
        const int index = static_cast<int>(i);
        if (file.withLevel(index, file.levelText(index)) != text) {
            fail("a level's own text does not give the file back", text);
        }
        if (file.levels()[i].style == LevelStyle::Maze) {
            Random random(1);
            (void)readLevel(file.levelText(index), random, Variant::Vanilla,
                            file.levelFirstLine(index));
        }
        if (file.isSingleLevel()) continue;
        LevelFile changed = file;
        changed.replaceLevel(index, written);
        if (changed.text() != file.withLevel(index, written)) fail("replaced text differs", text);
        if (!std::ranges::equal(changed.levels(), LevelFile(changed.text()).levels())) {
            fail("moved levels differ from a fresh split", text);
        }
    }
    return 0;
}
