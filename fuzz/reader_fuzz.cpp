// Feeds arbitrary bytes to the level reader; when a read succeeds, the level
// goes through the writer and back through the reader, which must accept
// whatever the writer wrote. Crashes, sanitizer reports and aborts are bugs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/terrain.h"
#include "reader/reader.h"
#include "writer/writer.h"

namespace {

using namespace mapedit;

Variant variantOf(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return Variant::Vanilla;
    switch (data[0] % 3) {
        case 0:
            return Variant::Vanilla;
        case 1:
            return Variant::Tavrel;
        default:
            return Variant::Orvandel;
    }
}

// Reads text into a fresh level; false when the reader refused it.
bool readInto(Level& level, std::string_view text, Variant variant) {
    level.freeAreas();
    level.freePlacements();
    level.clearLevel(kStone);
    Random random(12345);
    return readLevel(text, level, random, variant).ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Variant variant = variantOf(data, size);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Level level;
    if (!readInto(level, text, variant)) return 0;

    std::string first;
    if (!writeLevel(level, variant, first)) return 0;  // e.g. NOMAP only: no map part
    Level again;
    if (!readInto(again, first, variant)) std::abort();  // the writer wrote what the reader rejects
    std::string second;
    if (!writeLevel(again, variant, second)) std::abort();
    // Random placements may land on other cells when read again, so the
    // texts need not match; each must still be one the reader accepts.
    Level third;
    if (!readInto(third, second, variant)) std::abort();
    return 0;
}
