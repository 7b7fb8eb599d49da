#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace mapedit {

// Flag bits of a terrain kind.
enum TerrainFlag : std::uint8_t {
    kWalkable = 1,     // a random placement may land on it
    kLiquid = 2,       // water-like; random ';' monsters go only here
    kFeature = 4,      // a dungeon feature; some random placements avoid it
    kRockLike = 8,     // stone, corridor, secret corridor: joins walls like a wall
    kWall = 16,        // wall, door or bars
    kVariantOnly = 32  // offered by the palette only in the Tavrel variant
};

struct TerrainKind {
    std::uint8_t glyph;      // code page 437 character drawn for the kind
    std::uint8_t mapSymbol;  // character in a MAP row; 0 = none
    std::uint8_t color;      // colour index 0-18
    std::uint8_t flags;      // TerrainFlag bits
    const char* name;
};

// Terrain kind numbers used by name in the code.
enum Terrain : int {
    kNone = 0,
    kStone = 1,
    kFloor = 2,
    kHorizontalWall = 3,
    kVerticalWall = 4,
    kDoorway = 5,
    kCorridor = 6,
    kSecretDoor = 7,
    kSecretCorridor = 8,
    kIce = 9,
    kMoat = 10,
    kPool = 11,
    kBog = 12,
    kLava = 13,
    kOpenAir = 17,
    kCloudyAir = 18,
    kMazewalkStone = 21,
    kMonsterKind = 22,
    kObjectKind = 23,
    kTrapKind = 24,
    kFountain = 25,
    kThrone = 26,
    kKitchenSink = 27,
    kAltar = 28,
    kUpstairs = 29,
    kDownstairs = 30,
    kLadderUp = 31,
    kLadderDown = 32,
    kDrawbridgeKind = 33,
    kMazewalkKind = 34,
    kRandomPlaceKind = 35,
    kTerrainKindCount = 36
};

extern const std::array<TerrainKind, kTerrainKindCount> terrainKinds;

// Kind of a terrain number; out-of-range numbers answer as "none".
const TerrainKind& terrainKind(int kind);

// The terrain whose map symbol is ch (rows 1..35, first match), or 0.
int kindOfSymbol(unsigned char ch);
// The terrain a map character gives a cell: kindOfSymbol, and the fountain
// and sink, which maps may draw though no terrain kind is written so.
int kindOfMapChar(unsigned char ch);

}  // namespace mapedit
