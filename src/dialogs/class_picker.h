#pragma once

#include <cstdint>
#include <string_view>

#include "model/level.h"
#include "model/variant.h"
#include "platform/dialog_controls.h"

namespace mapedit {

// The class and name controls the monster and object dialogs share: a
// radio for a fixed class with its symbol list, radios for a random class
// and for an entry of the level's random list, and the names of the class.
struct ClassPicker {
    int fixedRadio, randomRadio, shuffleRadio;
    int symbolList, nameList;
    std::string_view symbols;  // one class character per entry
    int symbolRows;
    // What a class the dialog does not offer becomes.
    char fallbackSymbol;
    const char* fallbackName;
};

// Shows the class and name. A random class becomes the first class and a
// class not offered the fallback, in the record, at once.
void openClassPicker(DialogControls& c, const ClassPicker& p, std::int32_t& symbol, NameText& name,
                     Variant variant);
// The names of the class newly chosen in the symbol list.
void refillNames(DialogControls& c, const ClassPicker& p, Variant variant);
// Stores the class the radios say, and the chosen name when one is chosen
// for a fixed class; otherwise the name stays.
void acceptClassPicker(const DialogControls& c, const ClassPicker& p, std::int32_t& symbol,
                       NameText& name);

}  // namespace mapedit
