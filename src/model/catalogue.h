#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "model/variant.h"

namespace mapedit {

// One monster, object or trap name of the game with its class and colour.
struct CatalogueEntry {
    const char* name;
    std::uint8_t classSymbol;  // monster letter, object class character, '^' for traps
    std::uint8_t color;        // colour index 1-15
    std::uint8_t variantMask;  // 0 every variant, else the variantBit values it is present in
};

struct ClassIndexRow {
    std::uint8_t classSymbol;
    int firstRow;
    int rowCount;
};

// The 855 rows, grouped by class in the order of classIndex().
std::span<const CatalogueEntry> catalogue();
// The 72 classes.
std::span<const ClassIndexRow> classIndex();

// The caller's position in a walk over the catalogue.
struct CatalogueCursor {
    int row = 0;
};

// What a search looks for and what it reports back. `classSymbol` is read
// (start class, or the class to list when no name is given) and, on
// success, overwritten with the found row's class; `color` is written on
// success. Either may be null.
struct CatalogueQuery {
    std::string_view name;  // empty: list the rows of *classSymbol
    std::uint8_t* classSymbol = nullptr;
    int* color = nullptr;
};

// Start at the first row of the query's class (row 0 for a class without
// an index row), then findEntryFrom. Returns the found row or null.
const CatalogueEntry* findFirstEntry(CatalogueCursor& cursor, Variant variant,
                                     const CatalogueQuery& query);
// Step past the current row, then findEntryFrom.
const CatalogueEntry* findNextEntry(CatalogueCursor& cursor, Variant variant,
                                    const CatalogueQuery& query);
// Walk from the cursor to the first matching row present in the variant:
// a case-insensitive (ASCII) name match in any later class, or, without a
// name, the next row of the class. Leaves the cursor on the found row.
const CatalogueEntry* findEntryFrom(CatalogueCursor& cursor, Variant variant,
                                    const CatalogueQuery& query);

// Colour of a named entry searched from the class (or row 0 when the class
// is negative or 0), or the default colour 18 when not found or empty.
int catalogueColor(Variant variant, std::string_view name, int classSymbol);

}  // namespace mapedit
