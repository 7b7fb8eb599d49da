#include "golden_levels.h"

#include "level_builder.h"

namespace mapedit::test {

namespace {

void setList(std::array<std::int8_t, kMaxListEntries>& list, std::int32_t& count,
             std::string_view symbols) {
    count = static_cast<std::int32_t>(symbols.size());
    for (std::size_t i = 0; i < symbols.size(); ++i) list[i] = static_cast<std::int8_t>(symbols[i]);
}

void setPlace(LevelSettings& s, int index, int x, int y) {
    s.randomPlaces[static_cast<std::size_t>(index)] = {static_cast<std::int8_t>(x),
                                                       static_cast<std::int8_t>(y)};
}

AreaRecord& addRoom(Level& level, int type, int lit, int x1, int y1, int x2, int y2,
                    unsigned filled, unsigned irregular) {
    AreaRecord& room = addArea(level, type, x1, y1, x2, y2, lit);
    room.filled = filled;
    room.irregular = irregular;
    return room;
}

}  // namespace

void buildMinimal(Level& level) {
    level.settings.mazeName.assign("x");
    addPart(level, kTopLeft, 3, 3, 5, 3);
    // Lists that no placement inside a part refers to go with the first
    // part; the placements above the part reach no part and are left out.
    setList(level.settings.randomMonsters, level.settings.randomMonsterCount, "ab");
    setList(level.settings.randomObjects, level.settings.randomObjectCount, "!");
    level.settings.randomPlaceCount = 1;
    setPlace(level.settings, 0, 60, 1);
    putMonster(level, 60, 2, listSymbol(0));
    putObject(level, 61, 2, listSymbol(0));
}

void buildTwoParts(Level& level) {
    LevelSettings& s = level.settings;
    s.mazeName.assign("parts");
    addPart(level, kCentered, 37, 9, 5, 3);  // lies inside the next one
    addPart(level, kCentered, 35, 9, 9, 5);  // the largest
    addPart(level, kTopLeft, 3, 3, 3, 2);
    paintRows(level, 35, 9, {"---------", "|.......|", "|.......|", "|.......|", "---------"});
    level.setTerrain(36, 12, kStone);
    level.setTerrain(37, 12, kMazewalkStone);
    level.setTerrain(42, 12, kUpstairs);
    s.stairUp = StairSpot{kStairAtPosition, 42, 12};
    paintRows(level, 3, 3, {"...", "..."});
    level.setTerrain(4, 3, kDownstairs);
    level.setTerrain(4, 4, kStone);
    level.setTerrain(5, 4, kLadderDown);
    s.stairDown = StairSpot{kStairAtRandomPlace, 4, 3};
    s.ladderDown = StairSpot{kStairPlacedRandom, 5, 4};
    level.cell(3, 4).overlay = mazewalkOverlay(1);

    setList(s.randomMonsters, s.randomMonsterCount, "ab");
    setList(s.randomObjects, s.randomObjectCount, "[)%");
    s.randomPlaceCount = 2;
    setPlace(s, 0, 40, 10);
    setPlace(s, 1, 4, 3);

    putObject(level, 60, 2, listSymbol(0));  // in no part: never written
    putMonster(level, 38, 10, listSymbol(1));
    putTrap(level, 40, 10, 11).placement = kAtRandomPlace;
    putObject(level, 5, 3, listSymbol(0));

    addArea(level, kNonDiggableArea, 35, 9, 43, 13);
    addArea(level, kNonDiggableArea, 60, 1, 65, 2);
    addArea(level, kNonDiggableArea, 38, 9, 40, 10);
    addArea(level, kNonDiggableArea, 3, 3, 4, 4);
}

void buildAreas(Level& level) {
    level.settings.mazeName.assign("areas");
    addPart(level, kTopLeft, 3, 3, 20, 8);
    addArea(level, kTeleportArea, 5, 5, 10, 8, 0);
    addArea(level, kTeleportArea, 4, 4, 5, 5, 0);
    addArea(level, kTeleportArea, 15, 4, 18, 6, 1);
    addArea(level, kTeleportArea, 20, 9, 20, 9, -1);
    addArea(level, kTeleportExclusion, 13, 9, 22, 10);
    addArea(level, kTeleportExclusion, 8, 7, 12, 9);

    addArea(level, kBranchArea, 4, 9, 6, 10);
    addArea(level, kBranchArea, 15, 9, 16, 10);
    addArea(level, kBranchExclusion, 6, 10, 7, 10);
    addArea(level, kPortalArea, 19, 7, 21, 8).destination.assign("town");
    addArea(level, kPortalExclusion, 1, 1, 2, 2);
    addArea(level, kPortalExclusion, 20, 8, 20, 8);

    addArea(level, kStairArea, 17, 9, 22, 10, -1);
    addArea(level, kStairArea, 12, 8, 14, 10, 1);
    addArea(level, kStairArea, 30, 15, 33, 16, 0);
    addArea(level, kStairExclusion, 14, 10, 15, 10, 1);

    addArea(level, kNonPasswallArea, 3, 3, 22, 3);
    addArea(level, kNonDiggableArea, 3, 3, 22, 10);

    addRoom(level, 0, 1, 4, 4, 8, 6, 0, 0);
    addRoom(level, 0, 0, 10, 4, 11, 5, 1, 1);
    addRoom(level, 10, -1, 14, 5, 16, 7, 2, 0);
    addRoom(level, 20, 1, 40, 2, 45, 5, 2, 1);
    addRoom(level, 9, 1, 18, 4, 18, 4, 0, 1);
}

void buildFeatures(Level& level) {
    LevelSettings& s = level.settings;
    s.mazeName.assign("feats");
    addPart(level, {HorizontalAlignment::HalfRight, VerticalAlignment::Bottom}, 53, 15, 8, 5);
    paintRows(level, 53, 15, {"+SS+++++", "........", "....I}PL", "TtFACB/#", "H a!^-|."});
    constexpr std::uint8_t doorStates[] = {1, 1, 2, 0, 3, 4, 5, 9};
    for (int i = 0; i < 8; ++i) level.cell(53 + i, 15).detail = doorStates[i];
    level.setTerrain(53, 16, kFountain);
    level.setTerrain(54, 16, kKitchenSink);
    level.setTerrain(55, 16, kThrone);
    for (int x = 56; x <= 58; ++x) level.setTerrain(x, 16, kAltar);
    level.cell(56, 16).detail = 0x13;
    level.cell(57, 16).detail = 0x28;
    level.cell(58, 16).detail = 0x3A;
    level.cell(59, 16).overlay = drawbridgeOverlay(3, true);
    level.cell(60, 16).overlay = drawbridgeOverlay(0, false);
    level.cell(53, 17).overlay = mazewalkOverlay(2);
    level.setTerrain(54, 17, kUpstairs);
    level.setTerrain(55, 17, kLadderUp);
    level.setTerrain(56, 17, kStone);
    level.setTerrain(54, 19, kNone);  // "none", not stone
    level.setTerrain(60, 19, kDownstairs);
    s.stairUp = StairSpot{kStairAtPosition, 54, 17};
    s.stairDown = StairSpot{kStairAtPosition, 60, 19};
    s.ladderUp = StairSpot{kStairAtPosition, 55, 17};
    s.ladderDown = StairSpot{kStairAtPosition, 10, 10};  // above and left of the part: unwritten

    addArea(level, kTeleportArea, 53, 15, 55, 17, -1);
    addArea(level, kTeleportExclusion, 53, 15, 53, 15);
    addArea(level, kPortalArea, 58, 18, 59, 19);
}

void buildPlacements(Level& level) {
    LevelSettings& s = level.settings;
    s.mazeName.assign("placed");
    addPart(level, {HorizontalAlignment::HalfLeft, VerticalAlignment::Center}, 19, 9, 10, 3);
    setList(s.randomMonsters, s.randomMonsterCount, "abc");
    setList(s.randomObjects, s.randomObjectCount, "!?");
    s.randomPlaceCount = 2;
    setPlace(s, 0, 21, 9);
    setPlace(s, 1, 22, 11);

    MonsterSpec& dragon = putMonster(level, 19, 9, 'D');
    dragon.name.assign("red dragon");
    dragon.attitude = kHostile;
    dragon.sleep = kAsleep;
    dragon.alignment = 1;
    MonsterSpec& anyone = putMonster(level, 20, 9, kRandomSymbol);
    anyone.chance = 50;
    anyone.placement = kPlacedRandom;
    anyone.attitude = kPeaceful;
    anyone.sleep = kAwake;
    anyone.alignment = 4;
    MonsterSpec& listed = putMonster(level, 21, 9, listSymbol(2));
    listed.chance = 0;
    listed.placement = kAtRandomPlace;
    listed.alignment = 5;
    MonsterSpec& piercer = putMonster(level, 22, 9, 'p');
    piercer.name.assign("piercer");
    piercer.chance = 99;
    piercer.alignment = 7;
    piercer.appearKind = 2;
    piercer.appearName.assign("boulder");
    MonsterSpec& priest = putMonster(level, 23, 9, '@');
    priest.name.assign("priest");
    priest.alignment = 3;
    priest.appearName.assign("Fred");
    MonsterSpec& mimic = putMonster(level, 24, 9, 'm');
    mimic.name.assign("giant mimic");
    mimic.chance = 1;
    mimic.alignment = 6;
    mimic.appearKind = 1;
    mimic.appearName.assign("fountain");
    MonsterSpec& unplaced = putMonster(level, 25, 9, 'm');
    unplaced.placement = kAtRandomPlace;  // no place entry on its cell
    unplaced.alignment = 2;
    unplaced.appearKind = 3;
    unplaced.appearName.assign("newt");
    putMonster(level, 26, 9, static_cast<std::int8_t>(0xE0));

    ObjectSpec& dagger = putObject(level, 19, 10, ')');
    dagger.name.assign("dagger");
    dagger.material = 14;
    ObjectSpec& bronze = putObject(level, 19, 10, '[');
    bronze.name.assign("plate mail");
    bronze.material = 13;
    bronze.buc = 1;
    bronze.spe = 2;
    ObjectSpec& crystal = putObject(level, 19, 10, '[');
    crystal.name.assign("plate mail");
    crystal.material = 19;
    crystal.chance = 30;
    ObjectSpec& box = putObject(level, 20, 10, '(');
    box.name.assign("large box");
    box.isContainer = 1;
    box.buc = 3;
    ObjectSpec& inside = putObject(level, 20, 10, '%');
    inside.placement = kContained;
    inside.spe = 3;
    ObjectSpec& statue = putObject(level, 21, 10, '`');
    statue.name.assign("statue");
    statue.monsterName.assign("newt");
    ObjectSpec& sting = putObject(level, 22, 10, listSymbol(1));
    sting.placement = kPlacedRandom;
    sting.buc = 4;
    sting.spe = -1;
    sting.optionalName.assign("Sting");
    ObjectSpec& arrow = putObject(level, 23, 10, kRandomSymbol);
    arrow.name.assign("arrow");
    arrow.material = 14;
    arrow.buc = 2;
    arrow.monsterName.assign("elf");
    arrow.spe = -2;
    arrow.optionalName.assign("x");
    int x = 24;
    for (const char* name : {"spear", "saber", "bow", "elven dagger"}) {
        ObjectSpec& o = putObject(level, x++, 10, ')');
        o.name.assign(name);
        o.material = 14;
    }

    putTrap(level, 19, 11, 0);
    putTrap(level, 20, 11, 7).chance = 75;
    putTrap(level, 21, 11, 9).placement = kPlacedRandom;
    putTrap(level, 22, 11, 22).placement = kAtRandomPlace;
}

void buildTavrel(Level& level) {
    LevelSettings& s = level.settings;
    s.mazeName.assign("tavcave");
    s.fillMode = kCaveFill;
    s.filling = -1;
    s.initForeground = '.';
    s.initBackground = 'T';
    s.levelFlags = 0xF0 | kSmoothed | kLit;
    s.levelFlags2 = kShortSighted | kNoMonGen | kWallify | kBackgroundGenerated;
    addPart(level, {HorizontalAlignment::Right, VerticalAlignment::Bottom}, 71, 17, 6, 2);

    ObjectSpec& dagger = putObject(level, 71, 17, ')');
    dagger.name.assign("dagger");
    dagger.material = 14;
    ObjectSpec& mail = putObject(level, 72, 17, '[');
    mail.name.assign("plate mail");
    mail.material = 13;
    mail.buc = 1;
    mail.spe = 1;
    putObject(level, 73, 17, '!').spe = -1;
    ObjectSpec& paper = putObject(level, 74, 17, '?');
    paper.name.assign("blank paper");
    paper.optionalName.assign("note");
    ObjectSpec& statue = putObject(level, 75, 17, '`');
    statue.name.assign("statue");
    statue.monsterName.assign("newt");
    statue.material = 19;
    putObject(level, 76, 17, ')').name.assign("arrow");
    ObjectSpec& chest = putObject(level, 71, 18, '(');
    chest.name.assign("chest");
    chest.isContainer = 1;
    chest.buc = 2;
    chest.spe = -1;
    chest.material = 21;
    chest.optionalName.assign("loot");
}

}  // namespace mapedit::test
