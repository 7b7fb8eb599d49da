// Feeds arbitrary bytes to the level reader; when a read succeeds, the level
// goes through the writer and back through the reader, twice, and the reader
// must accept whatever the writer wrote. The first trip may normalise the
// text (a byte that is no map symbol comes back as stone, say); after that,
// when nothing in the level was placed at random, writing must be stable: a
// level that changes again on its second trip loses or changes data. Only
// the set of lines counts: areas of equal size swap places at every trip.
// Crashes, sanitizer reports and aborts are bugs.
//
// A first byte of 1 or 2 selects the Tavrel or Orvandel variant and is not
// part of the text; any other input is read as vanilla.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "model/terrain.h"
#include "reader/reader.h"
#include "writer/writer.h"

namespace {

using namespace mapedit;

struct FuzzInput {
    Variant variant = Variant::Vanilla;
    std::string_view text;
};

FuzzInput split(const std::uint8_t* data, std::size_t size) {
    FuzzInput in;
    in.text = std::string_view(reinterpret_cast<const char*>(data), size);
    if (size > 0 && (data[0] == 1 || data[0] == 2)) {
        in.variant = data[0] == 1 ? Variant::Tavrel : Variant::Orvandel;
        in.text.remove_prefix(1);
    }
    return in;
}

// Reads text into a fresh level; false when the reader refused it.
bool readInto(Level& level, std::string_view text, Variant variant) {
    level.freeAreas();
    level.freePlacements();
    level.clearLevel(kStone);
    Random random(12345);
    return readLevel(text, level, random, variant).ok;
}

// Random placements and random stairs land on new cells at every read, so
// only levels without them must come back exactly.
bool hasRandomPositions(const Level& level) {
    const LevelSettings& s = level.settings;
    for (const StairSpot* spot : {&s.stairUp, &s.stairDown, &s.ladderUp, &s.ladderDown}) {
        if (spot->state == -1) return true;
    }
    for (int x = 0; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) {
            const MapCell& c = level.cell(x, y);
            if (c.monster && c.monster->placement == kPlacedRandom) return true;
            if (c.trap && c.trap->placement == kPlacedRandom) return true;
            for (const auto& object : c.objects) {
                if (object->placement == kPlacedRandom) return true;
            }
        }
    }
    return false;
}

std::vector<std::string_view> sortedLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        lines.push_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

[[noreturn]] void fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "reader_fuzz: %s\n--- text ---\n%s\n------------\n", what, text.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput in = split(data, size);
    Level level;
    if (!readInto(level, in.text, in.variant)) return 0;

    std::string first;
    if (!writeLevel(level, in.variant, first)) return 0;  // e.g. NOMAP only: no map part
    const bool exact = !hasRandomPositions(level);
    Level again;
    if (!readInto(again, first, in.variant)) fail("the reader rejects the writer's text", first);
    std::string second;
    if (!writeLevel(again, in.variant, second)) fail("the writer refuses a level it wrote", first);
    Level third;
    if (!readInto(third, second, in.variant)) fail("the reader rejects the writer's text", second);
    std::string last;
    if (!writeLevel(third, in.variant, last)) fail("the writer refuses a level it wrote", second);
    if (exact && sortedLines(last) != sortedLines(second))
        fail("the level changed on its way back", second + "\n" + last);
    return 0;
}
