#include "model/catalogue.h"

#include "model/ascii_case.h"
#include "model/level.h"

namespace mapedit {

namespace {

bool presentIn(const CatalogueEntry& entry, Variant variant) {
    return entry.variantMask == 0 || (entry.variantMask & variantBit(variant)) != 0;
}

int firstRowOfClass(std::uint8_t classSymbol) {
    if (classSymbol == 0) return 0;
    for (const ClassIndexRow& c : classIndex()) {
        if (c.classSymbol == classSymbol) return c.firstRow;
    }
    return 0;
}

const CatalogueEntry* report(const CatalogueEntry& entry, const CatalogueQuery& query) {
    if (query.classSymbol != nullptr) *query.classSymbol = entry.classSymbol;
    if (query.color != nullptr) *query.color = entry.color;
    return &entry;
}

}  // namespace

const CatalogueEntry* findFirstEntry(CatalogueCursor& cursor, Variant variant,
                                     const CatalogueQuery& query) {
    cursor.row = query.classSymbol != nullptr ? firstRowOfClass(*query.classSymbol) : 0;
    return findEntryFrom(cursor, variant, query);
}

const CatalogueEntry* findNextEntry(CatalogueCursor& cursor, Variant variant,
                                    const CatalogueQuery& query) {
    cursor.row += 1;
    return findEntryFrom(cursor, variant, query);
}

const CatalogueEntry* findEntryFrom(CatalogueCursor& cursor, Variant variant,
                                    const CatalogueQuery& query) {
    const std::span<const CatalogueEntry> rows = catalogue();
    const int end = static_cast<int>(rows.size());
    const bool byName = !query.name.empty();
    const std::uint8_t wantedClass = query.classSymbol != nullptr ? *query.classSymbol : 0;
    if (!byName && wantedClass == 0) return nullptr;

    if (cursor.row < 0) cursor.row = 0;
    for (; cursor.row < end; ++cursor.row) {
        const CatalogueEntry& entry = rows[static_cast<std::size_t>(cursor.row)];
        if (!presentIn(entry, variant)) continue;
        const bool matches = byName ? equalsIgnoringAsciiCase(entry.name, query.name)
                                    : entry.classSymbol == wantedClass;
        if (matches) return report(entry, query);
    }
    cursor.row = end;
    return nullptr;
}

int catalogueColor(Variant variant, std::string_view name, int classSymbol) {
    if (name.empty()) return kDefaultColor;
    std::uint8_t start =
        classSymbol > 0 && classSymbol < 256 ? static_cast<std::uint8_t>(classSymbol) : 0;
    int color = kDefaultColor;
    CatalogueCursor cursor;
    const CatalogueQuery query{name, &start, &color};
    return findFirstEntry(cursor, variant, query) != nullptr ? color : kDefaultColor;
}

}  // namespace mapedit
