// Feeds arbitrary bytes to the level reader; when a read succeeds, the level
// goes through the writer and back through the reader, twice, and the reader
// must accept whatever the writer wrote. The first trips may normalise the
// text (a part's stone written as walls once a maze walk is on the map, say); after that,
// when nothing in the level was placed at random, writing must be stable: a
// level that changes again on its second trip loses or changes data.
// Crashes, sanitizer reports and aborts are bugs.
//
// A first byte of 1 to 8 selects the variants and is not part of the text:
// the level is opened in one variant and saved (and read back) in another,
// as after a change in the Variant menu. Any other input stays vanilla.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/grid.h"
#include "reader/reader.h"
#include "writer/writer.h"

namespace {

using namespace mapedit;

struct FuzzInput {
    Variant readVariant = Variant::Vanilla;   // the first read
    Variant writeVariant = Variant::Vanilla;  // every write and read after it
    std::string_view text;
};

struct VariantPair {
    Variant read, write;
};

// Indexed by the selector byte less one.
constexpr VariantPair kSelectors[] = {
    {Variant::Tavrel, Variant::Tavrel},    {Variant::Orvandel, Variant::Orvandel},
    {Variant::Tavrel, Variant::Vanilla},   {Variant::Vanilla, Variant::Tavrel},
    {Variant::Tavrel, Variant::Orvandel},  {Variant::Orvandel, Variant::Tavrel},
    {Variant::Vanilla, Variant::Orvandel}, {Variant::Orvandel, Variant::Vanilla},
};

FuzzInput split(const std::uint8_t* data, std::size_t size) {
    FuzzInput in;
    in.text = std::string_view(reinterpret_cast<const char*>(data), size);
    if (size > 0 && data[0] >= 1 && data[0] <= std::size(kSelectors)) {
        const VariantPair& pair = kSelectors[data[0] - 1];
        in.readVariant = pair.read;
        in.writeVariant = pair.write;
        in.text.remove_prefix(1);
    }
    return in;
}

// Reads text into `level`, which the level read replaces; false when the
// reader refused the text.
bool readInto(Level& level, std::string_view text, Variant variant) {
    Random random(12345);
    auto read = readLevel(text, random, variant);
    level = std::move(readSoFar(read).level);
    return read.has_value();
}

// Random placements and random stairs land on new cells at every read, so
// only levels without them must come back exactly.
bool hasRandomPositions(const Level& level) {
    const LevelSettings& s = level.settings;
    for (const StairSpot* spot : {&s.stairUp, &s.stairDown, &s.ladderUp, &s.ladderDown}) {
        if (spot->state == kStairPlacedRandom) return true;
    }
    for (int x = 0; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) {
            const MapCell& c = level.cell(x, y);
            if (c.monster && c.monster->placement == kPlacedRandom) return true;
            if (c.trap && c.trap->placement == kPlacedRandom) return true;
            for (const ObjectSpec& object : c.objects) {
                if (object.placement == kPlacedRandom) return true;
            }
        }
    }
    return false;
}

bool isExclusion(int kind) {
    return kind == kPortalExclusion || kind == kBranchExclusion || kind == kTeleportExclusion ||
           kind == kStairExclusion;
}

// What a level holds, as text: settings, map parts, every cell with its
// placements, and the areas as a sorted list, since areas of equal size
// swap places at every trip and may then be written with another part.
// Exclusion areas are left out: they are not linked to their areas, and
// the writer pairs each area with the first exclusion in list order that
// touches it, so when one exclusion touches two areas the pairs may change
// at every trip as the list order swaps.
std::string digest(const Level& level) {
    std::string out;
    const auto add = [&out](std::initializer_list<long long> values) {
        for (long long v : values) out += std::to_string(v) + ' ';
        out += '\n';
    };
    const auto text = [&out](std::string_view t) {
        out.append(t);
        out += '|';
    };
    const LevelSettings& s = level.settings;
    text(s.mazeName.view());
    add({s.filling, s.initForeground, s.initBackground, s.fillMode, s.partCount, s.levelFlags,
         s.levelFlags2, mazewalkMarkerCount(level), s.randomObjectCount, s.randomMonsterCount,
         s.randomPlaceCount});
    for (const StairSpot* spot : {&s.stairUp, &s.stairDown, &s.ladderUp, &s.ladderDown}) {
        add({spot->state, spot->x, spot->y, spot->readPart, spot->underTerrain});
    }
    for (const MessageText& m : level.messages) text(m.view());
    for (const Engraving& e : level.engravings) {
        text(e.text.view());
        add({e.x, e.y, e.placement, e.readPart, e.type});
    }
    for (std::size_t i = 0; i < s.randomObjects.size(); ++i) {
        add({s.randomObjects[i], s.randomMonsters[i], s.randomPlaces[i].x, s.randomPlaces[i].y});
    }
    std::vector<std::string> parts;
    for (int i = 0; i < s.partCount && i < kMaxMapParts; ++i) {
        const MapPart& p = level.mapParts[static_cast<std::size_t>(i)];
        add({static_cast<long long>(p.alignment.horizontal),
             static_cast<long long>(p.alignment.vertical), p.width, p.height, p.x1, p.y1, p.x2,
             p.y2, p.form, p.wallified});
    }
    for (int x = 0; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) {
            const MapCell& c = level.cell(x, y);
            add({x, y, c.terrain, c.detail, c.overlay, c.glyph, c.keptSymbol});
            if (const MonsterSpec* m = recordIn(c.monster)) {
                text(m->name.view());
                text(m->appearName.view());
                add({m->symbol, m->attitude, m->sleep, m->placement, m->alignment, m->appearKind,
                     m->chance, m->color});
            }
            for (const ObjectSpec& o : c.objects) {
                text(o.name.view());
                text(o.monsterName.view());
                text(o.optionalName.view());
                add({o.symbol, o.spe, o.buc, o.placement, o.material, o.isContainer, o.chance,
                     o.color});
            }
            if (const TrapSpec* t = recordIn(c.trap)) {
                text(t->trapName.view());
                add({t->placement, t->chance, t->color, t->trapType});
            }
        }
    }
    std::vector<std::string> areas;
    for (const auto& a : level.areas()) {
        if (isExclusion(a->kind)) continue;
        std::string line;
        for (long long v : {a->x1, a->y1, a->x2, a->y2, a->kind, a->color, a->param,
                            static_cast<int>(a->filled), static_cast<int>(a->irregular)}) {
            line += std::to_string(v) + ' ';
        }
        line.append(a->label.view());
        line += '|';
        line.append(a->destination.view());
        areas.push_back(std::move(line));
    }
    std::sort(areas.begin(), areas.end());
    for (const std::string& a : areas) out += a + '\n';
    return out;
}

// The first line in which two digests differ, from each, for the report.
std::string firstDifference(const std::string& a, const std::string& b) {
    std::size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
    const std::size_t start = a.rfind('\n', at) == std::string::npos ? 0 : a.rfind('\n', at) + 1;
    const auto lineFrom = [start](const std::string& s) {
        return s.substr(start, s.find('\n', start) - start);
    };
    return "was: " + lineFrom(a) + "\nnow: " + lineFrom(b) + "\n";
}

[[noreturn]] void fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "reader_fuzz: %s\n--- text ---\n%s\n------------\n", what, text.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput in = split(data, size);
    Level level;
    if (!readInto(level, in.text, in.readVariant)) return 0;

    // Four trips: the first two may normalise the level (stone in a part
    // comes back as a wall once a level has maze walks, a second MAP of one
    // part is written as one); the third must then change nothing.
    const bool exact = !hasRandomPositions(level);
    std::string text;
    std::string before;
    for (int trip = 1; trip <= 4; ++trip) {
        Result<WrittenLevel> written = writeLevel(level, in.writeVariant);
        if (!written) {
            if (trip == 1) return 0;  // e.g. NOMAP only: no map part
            fail("the writer refuses a level it wrote", text);
        }
        text = std::move(written->text);
        if (trip == 3) before = digest(level);
        if (!readInto(level, text, in.writeVariant))
            fail("the reader rejects the writer's text", text);
    }
    // Hashes are compared, not the texts, so that libFuzzer does not take
    // the digests' bytes for tokens worth trying in its inputs.
    const std::hash<std::string> hash;
    if (exact && hash(digest(level)) != hash(before)) {
        fail("the level changed on its way back", firstDifference(before, digest(level)) + text);
    }
    return 0;
}
