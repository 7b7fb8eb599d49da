#include "dialogs/class_picker.h"

#include <optional>

#include "dialogs/control_values.h"
#include "dialogs/name_list.h"

namespace mapedit {

namespace {

constexpr int kFirstListSymbol = listSymbol(0);
constexpr int kLastListSymbol = listSymbol(kMaxListEntries - 1);

bool isListSymbol(int symbol) {
    return symbol <= kFirstListSymbol && symbol >= kLastListSymbol;
}

// The symbol's entry in the list, or -1.
int symbolIndex(const ClassPicker& p, int symbol) {
    if (symbol <= 0 || symbol > 255) return -1;
    const auto at = p.symbols.find(static_cast<char>(symbol));
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// The class chosen in the symbol list, if one is.
std::optional<int> chosenSymbol(const DialogControls& c, const ClassPicker& p) {
    const int at = c.selection(p.symbolList);
    if (at < 0 || at >= static_cast<int>(p.symbols.size())) return std::nullopt;
    return static_cast<unsigned char>(p.symbols[static_cast<std::size_t>(at)]);
}

void fillSymbols(DialogControls& c, const ClassPicker& p, int selected) {
    c.clearList(p.symbolList);
    for (const char symbol : p.symbols) c.addEntry(p.symbolList, std::string_view(&symbol, 1));
    c.setDropDownRows(p.symbolList, p.symbolRows);
    c.select(p.symbolList, selected);
}

}  // namespace

void openClassPicker(DialogControls& c, const ClassPicker& p, std::int32_t& symbol, NameText& name,
                     Variant variant) {
    if (symbolIndex(p, symbol) >= 0) {
        c.setChecked(p.fixedRadio, true);
    } else if (isListSymbol(symbol)) {
        c.setChecked(p.shuffleRadio, true);
    } else if (symbol == kRandomSymbol) {
        symbol = static_cast<unsigned char>(p.symbols.front());
        c.setChecked(p.randomRadio, true);
    } else {
        symbol = static_cast<unsigned char>(p.fallbackSymbol);
        name.assign(p.fallbackName);
        c.setChecked(p.fixedRadio, true);
    }
    fillSymbols(c, p, symbolIndex(p, symbol));
    fillNameList(c, p.nameList, symbol > 0 ? symbol : 0, variant);
    const int named = findExactEntry(c, p.nameList, name.view());
    c.select(p.nameList, named >= 0 ? named : 0);
}

void refillNames(DialogControls& c, const ClassPicker& p, Variant variant) {
    fillNameList(c, p.nameList, chosenSymbol(c, p).value_or(0), variant);
}

// A fixed class with no symbol chosen (the dialog opened on a list entry)
// keeps the class the record had.
void acceptClassPicker(const DialogControls& c, const ClassPicker& p, std::int32_t& symbol,
                       NameText& name) {
    if (c.isChecked(p.fixedRadio)) {
        if (const auto chosen = chosenSymbol(c, p)) symbol = *chosen;
    } else if (c.isChecked(p.randomRadio)) {
        symbol = kRandomSymbol;
    } else if (!isListSymbol(symbol)) {
        symbol = kFirstListSymbol;
    }
    const int chosenName = c.selection(p.nameList);
    if (chosenName > 0 && symbol >= 0) name.assign(c.entryText(p.nameList, chosenName));
}

}  // namespace mapedit
