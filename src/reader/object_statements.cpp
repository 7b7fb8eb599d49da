// OBJECT and CONTAINER: an object record appended to a cell's object list.

#include <string>

#include "model/catalogue.h"
#include "model/format_words.h"
#include "model/level.h"
#include "reader/cell_choice.h"
#include "reader/location_rules.h"
#include "reader/messages.h"
#include "reader/statements.h"

namespace mapedit {

namespace {

constexpr const char* kIllegalBuc = "Illegal BUC type";
constexpr const char* kMissingSpe = "Missing obj->spe field";
constexpr const char* kInvalidSpe = "Invalid obj->spe value";
constexpr const char* kInvalidMaterial = "Invalid material id";
constexpr const char* kCannotPlaceObject = "Cannot place object";

bool readMaterial(ReaderState& s, std::int32_t& material) {
    int m = 0;
    if (!readListedWord(s, words::kMaterials, 16, kInvalidMaterial, m)) return false;
    if (!words::isNamedMaterial(m)) return false;
    material = m;
    return true;
}

// [curse state ','] [monster name ','] spe [',' material] [',' optional name]
// The part after spe is read only when a curse state or a monster name
// came first; the material only in the Tavrel variant.
bool readSpeAndNames(ReaderState& s, ObjectSpec& object) {
    s.message = kInvalidSpe;
    skipBlanks(s);
    if (peekChar(s) == 'r') {
        std::string word;
        if (!readWord(s, word, 16) || word != "random") return false;
        object.spe = -1;
    } else {
        int spe = 0;
        if (!readNumber(s, spe)) return false;
        object.spe = spe;
    }
    skipBlanks(s);
    if (peekChar(s) != ',') return true;
    if (s.variant == Variant::Tavrel) {
        takeComma(s);
        if (!readMaterial(s, object.material)) return false;
        skipBlanks(s);
    }
    if (peekChar(s) == ',') {
        takeComma(s);
        std::string name;
        if (!readString(s, name, 64)) return false;
        object.optionalName.assign(name);
    }
    return true;
}

bool readObjectTail(ReaderState& s, ObjectSpec& object) {
    skipBlanks(s);
    if (peekChar(s) != ',') return true;
    takeComma(s);
    bool hasPrefix = false;

    skipBlanks(s);
    const unsigned char c = peekChar(s);
    if (c == 'b' || c == 'u' || c == 'c' || c == 'r') {
        std::string word;
        readWord(s, word, 16);
        const int buc = words::indexOfWord(words::kCurseStates, word);
        if (buc <= 0) {
            s.message = kIllegalBuc;
            return false;
        }
        object.buc = buc;
        hasPrefix = true;
        s.message = kMissingSpe;
        if (!expect(s, ',')) return false;
    }

    skipBlanks(s);
    if (peekChar(s) == '"') {
        std::string name;
        if (!readString(s, name, 64)) return false;
        if (name != "random") object.monsterName.assign(name);
        hasPrefix = true;
        s.message = kMissingSpe;
        if (!expect(s, ',')) return false;
    }

    return !hasPrefix || readSpeAndNames(s, object);
}

bool readObjectOrContainer(ReaderState& s, bool isContainer) {
    ObjectSpec object;
    object.isContainer = isContainer ? 1 : 0;

    PlacementHead head;
    if (!readPlacementHead(s, "object", head)) return false;
    object.chance = head.chance;
    object.symbol = head.symbol;
    object.name.assign(head.name);
    const StatementLocation& where = head.where;

    if (!readObjectTail(s, object)) return false;
    if (!endOfStatement(s, msg::kSyntaxError)) return false;

    int x = 0, y = 0, placement = 0;
    const PlacementRule rule{kOnGround | kNoObject, kCannotPlaceObject, true};
    if (!resolvePlacement(s, where, rule, x, y, placement)) return false;
    object.placement = placement;
    noteReadPart(s, object, where);
    object.color =
        catalogueColor(s.variant, object.name.view(), object.symbol < 0 ? 0 : object.symbol);

    // Appended, so that the objects of a cell keep the order of the file.
    s.level.cell(x, y).objects.push_back(object);
    s.lastObjectX = x;
    s.lastObjectY = y;
    return true;
}

}  // namespace

bool readObjectStatement(ReaderState& s) {
    return readObjectOrContainer(s, false);
}

bool readContainerStatement(ReaderState& s) {
    return readObjectOrContainer(s, true);
}

}  // namespace mapedit
