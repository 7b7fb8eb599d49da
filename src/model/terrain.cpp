#include "model/terrain.h"

namespace mapedit {

namespace {
constexpr std::uint8_t W = kWalkable, L = kLiquid, F = kFeature, R = kRockLike, X = kWall,
                       V = kVariantOnly;
}

const std::array<TerrainKind, kTerrainKindCount> terrainKinds = {{
    {32, ' ', 8, 0, "none"},
    {32, ' ', 8, R, "stone"},
    {250, '.', 7, W, "floor"},
    {'-', '-', 7, X, "horizontal wall"},
    {'|', '|', 7, X, "vertical wall"},
    {'+', '+', 3, X, "doorway"},
    {176, '#', 7, W | R, "corridor"},
    {'S', 'S', 3, X, "secret door"},
    {'H', 'H', 7, R, "secret corridor"},
    {250, 'I', 6, W, "ice"},
    {247, '}', 4, W | L, "moat"},
    {'}', 'P', 4, W | L, "pool"},
    {247, 'M', 2, W | L | V, "bog"},
    {247, 'L', 1, 0, "lava"},
    {241, 'T', 2, 0, "tree"},
    {241, 't', 8, V, "dead tree"},
    {240, 'F', 6, X, "iron bars"},
    {32, 'A', 8, W, "open air"},
    {'#', 'C', 7, W, "cloudy air"},
    {236, 'B', 5, 0, "room boundary"},
    {'/', '/', 6, V, "(transparent)"},
    {10, ' ', 8, 0, "mazewalk stone"},
    {'a', 'a', 18, 0, "monster"},
    {'!', '!', 18, 0, "object"},
    {'^', '^', 18, 0, "trap"},
    {244, 0, 4, W | F, "fountain"},
    {'\\', '\\', 11, W | F, "throne"},
    {'#', 0, 7, W | F, "kitchen sink"},
    {'_', 0, 7, W | F, "altar"},
    {'<', 0, 7, W | F, "upstairs"},
    {'>', 0, 7, W | F, "downstairs"},
    {'<', 0, 3, W | F, "ladder up"},
    {'>', 0, 3, W | F, "ladder down"},
    {'#', 0, 3, F, "drawbridge"},
    {26, 0, 15, W | F, "mazewalk"},
    {8, 0, 17, 0, "shuffled position"},
}};

const TerrainKind& terrainKind(int kind) {
    if (kind < 0 || kind >= kTerrainKindCount) return terrainKinds[0];
    return terrainKinds[static_cast<std::size_t>(kind)];
}

int kindOfMapChar(unsigned char ch) {
    if (ch == '{') return kFountain;
    if (ch == 'K') return kKitchenSink;
    return kindOfSymbol(ch);
}

int kindOfSymbol(unsigned char ch) {
    if (ch == 0) return 0;  // 0 marks kinds without a map symbol
    for (int k = 1; k < kTerrainKindCount; ++k) {
        if (terrainKinds[static_cast<std::size_t>(k)].mapSymbol == ch) return k;
    }
    return 0;
}

}  // namespace mapedit
