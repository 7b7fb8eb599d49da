#pragma once

// Small complete level descriptions for the statement tests: one map part
// placed left and top, so that the relative cell (0, 0) is absolute (3, 3).

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/level.h"
#include "model/terrain.h"
#include "read_fresh.h"
#include "reader/reader.h"

namespace mapedit::statement_test {

constexpr int kPartX = 3, kPartY = 3;
constexpr std::uint32_t kSeed = 20240611;

using MapRows = std::vector<std::string>;

// Floor, a secret door at (5, 3) and two pools at (2, 4) and (3, 4).
inline const MapRows kRoom = {
    "-----------", "|.........|", "|.........|", "|....S....|",
    "|.PP......|", "|.........|", "-----------",
};
// One floor cell at (1, 1).
inline const MapRows kCloset = {"---", "|.|", "---"};
// Nothing walkable.
inline const MapRows kSolid = {"-----", "-----"};

inline std::string levelText(const MapRows& rows, const std::string& statements) {
    std::string text = "MAZE: \"test\", ' '\nGEOMETRY: left, top\nMAP\n";
    for (const std::string& row : rows) text += row + "\n";
    return text + "ENDMAP\n" + statements + "\n";
}

// The report of a statement that fails on line `line` of `statements`.
inline std::string reportAt(const MapRows& rows, int line, const std::string& message) {
    const int header = 4 + static_cast<int>(rows.size());
    return std::to_string(header + line) + ": " + message;
}

// Reads the level of the rows and statements as the Open command does.
inline Status readStatements(Level& level, const MapRows& rows, const std::string& statements,
                             Variant variant = Variant::Vanilla) {
    return test::readFresh(level, levelText(rows, statements), variant, kSeed);
}

// A statement text that must fail on line `line` (within the statements)
// with `message`.
struct FailureCase {
    const char* statements;
    int line;
    const char* message;
    const MapRows* rows = &kRoom;
    Variant variant = Variant::Vanilla;
};

inline void expectFailure(const FailureCase& c) {
    SCOPED_TRACE(c.statements);
    Level level;
    const Status r = readStatements(level, *c.rows, c.statements, c.variant);
    EXPECT_FALSE(r);
    EXPECT_EQ(r.error_or(""), reportAt(*c.rows, c.line, c.message));
}

struct Cell {
    int x = -1, y = -1;
};

// The first cell (column by column) that satisfies `pred`, or (-1, -1).
inline Cell findCell(const Level& level, const std::function<bool(const MapCell&)>& pred) {
    for (int x = 0; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) {
            if (pred(level.cell(x, y))) return Cell{x, y};
        }
    }
    return Cell{};
}

inline int countCells(const Level& level, const std::function<bool(const MapCell&)>& pred) {
    int n = 0;
    for (int x = 0; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) n += pred(level.cell(x, y)) ? 1 : 0;
    }
    return n;
}

// A statement coordinate for an absolute cell.
inline std::string at(Cell c) {
    return "(" + std::to_string(c.x - kPartX) + "," + std::to_string(c.y - kPartY) + ")";
}

}  // namespace mapedit::statement_test
