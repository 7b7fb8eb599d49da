#include "dialogs/name_list.h"

#include <algorithm>
#include <cstdint>

#include "model/catalogue.h"

namespace mapedit {

namespace {

constexpr int kMostRows = 10;

}  // namespace

void fillNameList(DialogControls& controls, int id, int classSymbol, Variant variant) {
    controls.clearList(id);
    controls.addEntry(id, "(random)");
    if (classSymbol > 0 && classSymbol < 256) {
        auto wanted = static_cast<std::uint8_t>(classSymbol);
        CatalogueCursor cursor;
        const CatalogueQuery query{{}, &wanted, nullptr};
        for (const CatalogueEntry* e = findFirstEntry(cursor, variant, query); e != nullptr;
             e = findNextEntry(cursor, variant, query)) {
            controls.addEntry(id, e->name);
        }
    }
    controls.setDropDownRows(id, std::min(controls.entryCount(id), kMostRows));
    controls.select(id, 0);
}

}  // namespace mapedit
