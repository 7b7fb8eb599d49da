#include "support/game_meaning.h"

#include <fmt/core.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>
#include <tuple>

#include "model/format_words.h"
#include "model/grid.h"
#include "model/terrain.h"

namespace mapedit::test {

namespace {

// The statements of a part by kind. The game takes each kind in a pass of
// its own, so only the order within a kind counts.
enum Section : int {
    kTeleportSection,
    kBranchSection,
    kPortalSection,
    kStairRegionSection,
    kStairSection,
    kLadderSection,
    kNonPasswallSection,
    kNonDiggableSection,
    kRegionSection,
    kFountainSection,
    kSinkSection,
    kAltarSection,
    kDoorSection,
    kDrawbridgeSection,
    kMazewalkSection,
    kMonsterSection,
    kObjectSection,
    kTrapSection,
    kEngravingSection,
};

struct Fact {
    int part;
    int section;
    int order;
    std::string text;
    // Areas only, whose order counts for some pairs alone (orderCounts).
    const AreaRecord* area = nullptr;
};

std::string cellText(int x, int y) {
    return fmt::format("({},{})", x, y);
}

// A kind in a map row: its map character when that character reads back
// as the kind, else its name in brackets.
std::string kindText(int kind, std::uint8_t keptSymbol) {
    if (kind == kNone && keptSymbol != 0) return std::string(1, static_cast<char>(keptSymbol));
    const std::uint8_t symbol = terrainKind(kind).mapSymbol;
    if (symbol != 0 && kindOfMapChar(symbol) == kind) {
        return std::string(1, static_cast<char>(symbol));
    }
    return fmt::format("[{}]", terrainKind(kind).name);
}

std::string_view wordOr(std::span<const std::string_view> list, int index) {
    return words::wordAt(list, index, "?");
}

// What a cell holds beyond its kind: a door's state, an altar's alignment
// and type, a drawbridge or mazewalk marker; empty for none.
std::string cellDetail(const MapCell& cell) {
    std::string detail;
    if (cell.terrain == kDoorway || cell.terrain == kSecretDoor) {
        detail = fmt::format(" door {}", wordOr(words::kDoorStates, cell.detail));
    } else if (cell.terrain == kAltar) {
        detail = fmt::format(" altar {} {}", wordOr(words::kAlignments, cell.detail & 15),
                             wordOr(words::kAltarTypes, cell.detail >> 4));
    }
    if (markerType(cell.overlay) == MarkerType::Drawbridge) {
        detail += fmt::format(" drawbridge {} {}",
                              wordOr(words::kDirections, markerDirection(cell.overlay)),
                              isDrawbridgeClosed(cell.overlay) ? "closed" : "open");
    } else if (markerType(cell.overlay) == MarkerType::Mazewalk) {
        detail +=
            fmt::format(" mazewalk {}", wordOr(words::kDirections, markerDirection(cell.overlay)));
    }
    return detail;
}

void addHeader(const Level& level, std::vector<std::string>& out) {
    const LevelSettings& s = level.settings;
    out.push_back(
        fmt::format("MAZE filling {} fill mode {}", static_cast<int>(s.filling), s.fillMode));
    if (s.fillMode == kCaveFill) {
        const bool random = (s.levelFlags2 & kRandomLighting) != 0;
        out.push_back(fmt::format("INIT_MAP '{}' '{}' smoothed {} joined {} walled {} lighting {}",
                                  static_cast<char>(s.initForeground),
                                  static_cast<char>(s.initBackground),
                                  (s.levelFlags & kSmoothed) != 0, (s.levelFlags & kJoined) != 0,
                                  (s.levelFlags & kWalled) != 0,
                                  random                       ? "random"
                                  : (s.levelFlags & kLit) != 0 ? "lit"
                                                               : "unlit"));
    }
    const int flags = s.levelFlags & ~(kSmoothed | kJoined | kLit | kWalled);
    const int flags2 = s.levelFlags2 & ~(kBackgroundGenerated | kRandomLighting);
    out.push_back(fmt::format("FLAGS {} {}", flags, flags2));
    for (const MessageText& m : level.messages) out.push_back(fmt::format("MESSAGE {}", m.view()));
    auto list = [&out](std::string_view keyword, int count, const auto& entry) {
        std::string line(keyword);
        for (int i = 0; i < std::clamp(count, 0, kMaxListEntries); ++i) {
            line += " " + entry(static_cast<std::size_t>(i));
        }
        out.push_back(line);
    };
    list("RANDOM_MONSTERS", s.randomMonsterCount, [&s](std::size_t i) {
        return fmt::format("'{}'", static_cast<char>(s.randomMonsters[i]));
    });
    list("RANDOM_OBJECTS", s.randomObjectCount, [&s](std::size_t i) {
        return fmt::format("'{}'", static_cast<char>(s.randomObjects[i]));
    });
    list("RANDOM_PLACES", s.randomPlaceCount,
         [&s](std::size_t i) { return cellText(s.randomPlaces[i].x, s.randomPlaces[i].y); });
}

// Every cell of the part's map, row by row, with the details of its cells;
// then the part's own map under the parts laid later, which its statements
// found there.
void addPartCells(const Level& level, int index, std::vector<std::string>& out) {
    // The cells where a feature placed at random landed show the ground the
    // map gave them: the statement says where the feature goes.
    std::vector<std::pair<int, int>> landed;
    for (const CellStatement& c : level.cellStatements) {
        if (c.placement == kPlacedRandom) landed.emplace_back(c.x, c.y);
    }
    auto isLanded = [&landed](int x, int y) {
        return std::find(landed.begin(), landed.end(), std::pair{x, y}) != landed.end();
    };
    const std::span<const MapPart> parts = level.usedParts();
    const MapPart& part = parts[static_cast<std::size_t>(index)];
    out.push_back(fmt::format("part {}: {} ({},{})-({},{}) wallified {}", index,
                              part.hasMapText() ? "map" : "no map", part.x1, part.y1, part.x2,
                              part.y2, part.wallified));
    if (!part.hasMapText()) return;
    std::vector<std::string> details;
    for (int y = std::max(part.y1, 0); y <= std::min(part.y2, kMapHeight - 1); ++y) {
        std::string row = fmt::format("part {} row {}: ", index, y);
        for (int x = std::max(part.x1, 0); x <= std::min(part.x2, kMapWidth - 1); ++x) {
            const MapCell& cell = level.cell(x, y);
            if (isLanded(x, y)) {
                const int ground = kindOfMapChar(cell.readSymbol);
                row += kindText(ground, ground == kNone ? cell.readSymbol : 0);
                continue;
            }
            row += kindText(cell.terrain, cell.keptSymbol);
            const std::string detail = cellDetail(cell);
            if (!detail.empty())
                details.push_back(fmt::format("part {} {}:{}", index, cellText(x, y), detail));
        }
        out.push_back(row);
    }
    out.insert(out.end(), details.begin(), details.end());
    for (int y = part.y1; y <= part.y2; ++y) {
        for (int x = part.x1; x <= part.x2; ++x) {
            const bool covered =
                std::any_of(parts.begin() + index + 1, parts.end(), [x, y](const MapPart& later) {
                    return later.hasMapText() && later.contains(x, y);
                });
            const std::uint8_t own = part.readCharAt(x, y);
            if (!covered || own == 0) continue;
            const int kind = kindOfMapChar(own);
            out.push_back(fmt::format("part {} under a later map {}: {}", index, cellText(x, y),
                                      kindText(kind, kind == kNone ? own : 0)));
        }
    }
}

// A record placed at random shows no cell. The reader draws the cells in
// the order of the text, over all kinds, where the game draws them in each
// kind's pass: a file that mixes random monsters and objects lands them
// elsewhere once saved by kind, though the game would not. Their order
// within their kind is compared instead.
std::string placementText(int placement, int x, int y) {
    switch (placement) {
        case kPlacedRandom:
            return "random";
        case kAtRandomPlace:
            return "at the random place " + cellText(x, y);
        case kContained:
            return "contained at " + cellText(x, y);
        default:
            return "at " + cellText(x, y);
    }
}

int cellStatementSection(int kind) {
    switch (kind) {
        case kDoorway:
            return kDoorSection;
        case kUpstairs:
        case kDownstairs:
            return kStairSection;
        case kLadderUp:
        case kLadderDown:
            return kLadderSection;
        case kAltar:
            return kAltarSection;
        case kFountain:
            return kFountainSection;
        case kKitchenSink:
            return kSinkSection;
        case kDrawbridgeKind:
            return kDrawbridgeSection;
        default:
            return kMazewalkSection;
    }
}

void addCellStatements(const Level& level, std::vector<Fact>& facts) {
    for (const CellStatement& c : level.cellStatements) {
        std::string where = c.placement == kAtRandomPlace
                                ? fmt::format("place[{}] {}", c.place, cellText(c.x, c.y))
                                : placementText(c.placement, c.x, c.y);
        std::string text = fmt::format("{} {}", terrainKind(c.kind).name, where);
        if (isOnGrid(c.x, c.y)) {
            const MapCell& cell = level.cell(c.x, c.y);
            text += fmt::format(" ({}{})", terrainKind(cell.terrain).name, cellDetail(cell));
        }
        facts.push_back({c.readPart, cellStatementSection(c.kind), c.readOrder, text});
    }
}

int areaSection(int kind) {
    switch (kind) {
        case kTeleportArea:
            return kTeleportSection;
        case kBranchArea:
            return kBranchSection;
        case kPortalArea:
            return kPortalSection;
        case kStairArea:
            return kStairRegionSection;
        case kNonPasswallArea:
            return kNonPasswallSection;
        case kNonDiggableArea:
            return kNonDiggableSection;
        default:
            return kRegionSection;
    }
}

bool hasExclusion(int kind) {
    return kind == kTeleportArea || kind == kBranchArea || kind == kPortalArea ||
           kind == kStairArea;
}

bool isExclusion(int kind) {
    return kind == kTeleportExclusion || kind == kBranchExclusion || kind == kPortalExclusion ||
           kind == kStairExclusion;
}

std::string_view areaKeyword(int kind) {
    switch (kind) {
        case kTeleportArea:
            return "TELEPORT_REGION";
        case kStairArea:
            return "STAIR";
        case kBranchArea:
            return "BRANCH";
        default:
            return "PORTAL";
    }
}

std::string rectText(const AreaRecord& a) {
    return fmt::format("({},{})-({},{})", a.x1, a.y1, a.x2, a.y2);
}

// An area with its own exclusion: the one read from the same statement.
void addAreas(const Level& level, std::vector<Fact>& facts) {
    for (const auto& owned : level.areas()) {
        const AreaRecord& a = *owned;
        if (a.kind == kMapPartArea || isExclusion(a.kind)) continue;
        std::string text;
        if (a.kind < kMapPartArea) {
            // Only the plain form is a region of the part; the game reads
            // no levregion there.
            text = fmt::format("REGION {} {} {} filled {} irregular {}{}", rectText(a),
                               words::wordOf(words::kLighting, a.param, "?"),
                               wordOr(words::kRoomTypes, a.kind), a.filled, a.irregular,
                               a.levelRegion != 0 ? " levregion" : "");
        } else if (!hasExclusion(a.kind)) {
            text =
                fmt::format("{} {}{}", a.kind == kNonDiggableArea ? "NON_DIGGABLE" : "NON_PASSWALL",
                            rectText(a), a.levelRegion != 0 ? " levregion" : "");
        } else {
            const auto own =
                std::find_if(level.areas().begin(), level.areas().end(), [&a](const auto& e) {
                    return e->kind == a.kind + 1 && e->readOrder == a.readOrder &&
                           e->readPart == a.readPart;
                });
            text = fmt::format(
                "{} {} excluding {} param {}{}", areaKeyword(a.kind), rectText(a),
                own != level.areas().end() ? rectText(**own) : "nothing", a.param,
                a.kind == kPortalArea ? " to " + std::string(a.destination.view()) : "");
        }
        facts.push_back({a.readPart, areaSection(a.kind), a.readOrder, text, &a});
    }
}

void addRecords(const Level& level, std::vector<Fact>& facts) {
    for (int y = 0; y < kMapHeight; ++y) {
        for (int x = 0; x < kMapWidth; ++x) {
            const MapCell& cell = level.cell(x, y);
            if (const MonsterSpec* m = recordIn(cell.monster)) {
                facts.push_back(
                    {m->readPart, kMonsterSection, m->readOrder,
                     fmt::format("MONSTER {} \"{}\" {} chance {} attitude {} sleep {} align {} "
                                 "appear {} \"{}\"",
                                 m->symbol, m->name.view(), placementText(m->placement, x, y),
                                 m->chance, m->attitude, m->sleep, m->alignment, m->appearKind,
                                 m->appearName.view())});
            }
            // Objects contained in one placed at random go where it went.
            bool inRandom = false;
            for (const ObjectSpec& o : cell.objects) {
                if (o.placement != kContained) inRandom = o.placement == kPlacedRandom;
                const bool landed = o.placement == kContained && inRandom;
                facts.push_back(
                    {o.readPart, kObjectSection, o.readOrder,
                     fmt::format(
                         "{} {} \"{}\" {} chance {} spe {} buc {} material {} \"{}\" \"{}\"",
                         o.isContainer != 0 ? "CONTAINER" : "OBJECT", o.symbol, o.name.view(),
                         landed ? "contained" : placementText(o.placement, x, y), o.chance, o.spe,
                         o.buc, o.material, o.monsterName.view(), o.optionalName.view())});
            }
            if (const TrapSpec* t = recordIn(cell.trap)) {
                facts.push_back({t->readPart, kTrapSection, t->readOrder,
                                 fmt::format("TRAP {} {} chance {}", t->trapType,
                                             placementText(t->placement, x, y), t->chance)});
            }
        }
    }
    int order = 0;
    for (const Engraving& e : level.engravings) {
        facts.push_back(
            {e.readPart, kEngravingSection, order++,
             fmt::format("ENGRAVING {} \"{}\" {}", e.type, e.text.view(),
                         e.placement == kPlacedRandom ? std::string("random")
                                                      : placementText(e.placement, e.x, e.y))});
    }
}

// Whether the order of two areas of one kind counts: regions of arrival and
// of stairs of one direction (or of both) replace one another; rooms and
// wall areas only where they or the walls around them overlap (a wall two
// rooms share belongs to one of them).
bool orderCounts(const AreaRecord& a, const AreaRecord& b) {
    if (hasExclusion(a.kind)) return a.param == b.param || a.param < 0 || b.param < 0;
    return a.x1 <= b.x2 + 2 && b.x1 <= a.x2 + 2 && a.y1 <= b.y2 + 2 && b.y1 <= a.y2 + 2;
}

// The areas of one part and kind, given in reading order, in an order that
// keeps only what counts: among those free to go next (no earlier area
// whose order counts with them is left), the smallest text goes first.
void orderAreas(std::vector<Fact>::iterator first, std::vector<Fact>::iterator last) {
    std::vector<Fact> left(std::make_move_iterator(first), std::make_move_iterator(last));
    for (auto out = first; out != last; ++out) {
        auto best = left.end();
        for (auto i = left.begin(); i != left.end(); ++i) {
            const bool free = std::none_of(left.begin(), i, [&i](const Fact& earlier) {
                return orderCounts(*earlier.area, *i->area);
            });
            if (free && (best == left.end() || i->text < best->text)) best = i;
        }
        *out = std::move(*best);
        left.erase(best);
    }
}

}  // namespace

std::vector<std::string> gameMeaning(const Level& level) {
    std::vector<std::string> out;
    addHeader(level, out);
    std::vector<Fact> facts;
    addCellStatements(level, facts);
    addAreas(level, facts);
    addRecords(level, facts);
    std::stable_sort(facts.begin(), facts.end(), [](const Fact& a, const Fact& b) {
        return std::tie(a.part, a.section, a.order) < std::tie(b.part, b.section, b.order);
    });
    for (auto run = facts.begin(); run != facts.end();) {
        const auto end = std::find_if(run, facts.end(), [&run](const Fact& f) {
            return f.part != run->part || f.section != run->section;
        });
        if (run->area != nullptr) orderAreas(run, end);
        run = end;
    }
    const int parts = static_cast<int>(level.usedParts().size());
    auto fact = facts.begin();
    for (int part = -1; part < parts; ++part) {
        if (part >= 0) addPartCells(level, part, out);
        for (; fact != facts.end() && fact->part <= part; ++fact) {
            out.push_back(fmt::format("part {} {}", fact->part, fact->text));
        }
    }
    for (; fact != facts.end(); ++fact) {
        out.push_back(fmt::format("part {} {}", fact->part, fact->text));
    }
    return out;
}

std::string meaningDiff(const std::vector<std::string>& before,
                        const std::vector<std::string>& after) {
    // Common head and tail aside, the middle is compared line by line with
    // a longest common subsequence, which is small for what tests meet.
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    if (head == before.size() && head == after.size()) return {};
    const std::size_t n = before.size() - head - tail;
    const std::size_t m = after.size() - head - tail;
    constexpr std::size_t kLimit = 2000;
    std::string diff;
    constexpr std::size_t kContext = 2;
    for (std::size_t i = head >= kContext ? head - kContext : 0; i < head; ++i) {
        diff += "  " + before[i] + "\n";
    }
    std::size_t lines = 0;
    auto add = [&diff, &lines](char mark, const std::string& line) {
        if (++lines > 60) return;
        diff += std::string(1, mark) + " " + line + "\n";
    };
    if (n > kLimit || m > kLimit) {
        for (std::size_t i = 0; i < n; ++i) add('-', before[head + i]);
        for (std::size_t j = 0; j < m; ++j) add('+', after[head + j]);
    } else {
        // lcs[i][j]: the common length of before[head+i..] and after[head+j..].
        std::vector<std::vector<int>> lcs(n + 1, std::vector<int>(m + 1, 0));
        for (std::size_t i = n; i-- > 0;) {
            for (std::size_t j = m; j-- > 0;) {
                lcs[i][j] = before[head + i] == after[head + j]
                                ? lcs[i + 1][j + 1] + 1
                                : std::max(lcs[i + 1][j], lcs[i][j + 1]);
            }
        }
        std::size_t i = 0, j = 0;
        while (i < n || j < m) {
            if (i < n && j < m && before[head + i] == after[head + j]) {
                add(' ', before[head + i]);
                ++i;
                ++j;
            } else if (j < m && (i == n || lcs[i][j + 1] >= lcs[i + 1][j])) {
                add('+', after[head + j++]);
            } else {
                add('-', before[head + i++]);
            }
        }
    }
    if (lines > 60) diff += fmt::format("... and {} lines more\n", lines - 60);
    for (std::size_t k = 0; k < std::min(tail, kContext); ++k) {
        diff += "  " + before[before.size() - tail + k] + "\n";
    }
    return diff;
}

}  // namespace mapedit::test
