// Open and Save must leave a level meaning what it meant to the game. Each
// level of tests/data/meaning shows one way a save used to change that; the
// saved text must hold the lines that keep the meaning, in their order,
// none of the lines that would change it, and the map rows as they were
// read; and it must save again to the same bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/editor.h"
#include "platform/headless_shell.h"
#include "support/run_program.h"
#include "writer/writer.h"

namespace mapedit {
namespace {

namespace fs = std::filesystem;

struct SavedMeaning {
    const char* file;
    // Lines the saved text holds, in this order (other lines may come between).
    std::vector<std::string> lines;
    // Text that must not appear anywhere in the saved text.
    std::vector<std::string> forbidden;
};

const std::vector<SavedMeaning>& savedMeanings() {
    static const std::vector<SavedMeaning> cases = {
        // Rock beside paths, pillars and walls: the map rows say it all.
        {"rock_beside_paths.des", {}, {}},
        {"random_lighting_cave.des",
         {"INIT_MAP: '.', ' ', true, true, random, true"},
         {"true, true, lit", "true, true, unlit"}},
        // The list comes before the statements that name its places.
        {"altar_on_random_place.des",
         {"RANDOM_PLACES: (03,02),(07,02),(11,03)", "ALTAR: place[0],noalign,altar",
          "MONSTER: '@',\"aligned priest\",place[0],peaceful,noalign",
          "OBJECT: '(',\"candelabrum\",place[0]"},
         {"ALTAR: (", "FOUNTAIN: (", "MONSTER: '@',\"aligned priest\",(",
          "OBJECT: '(',\"candelabrum\",("}},
        {"altar_on_random_place.des",
         {"RANDOM_PLACES: (03,02),(07,02),(11,03)", "FOUNTAIN: place[1]"},
         {}},
        // Two places on one cell are two places all the same: the crystal
        // ball must not join the teller on hers.
        {"weighted_places.des",
         {"RANDOM_PLACES: (04,02),(04,02),(01,01),(07,03)",
          "MONSTER: '@',\"fortune teller\",place[0],peaceful", "MONSTER: 'f',\"kitten\",place[2]",
          "OBJECT: '(',\"crystal ball\",place[1]"},
         {}},
        // An empty doorway: a DOOR line would put a door in it.
        {"doorways.des", {}, {"DOOR"}},
        {"stated_doors.des",
         {"DOOR: locked,(09,06)", "DOOR: closed,(17,04)", "DOOR: closed,(14,02)",
          "DOOR: open,(06,03)", "DOOR: broken,(02,04)"},
         {}},
        {"teleport_exclusions.des",
         {"TELEPORT_REGION: levregion(01,00,24,20),levregion(25,00,79,20),up",
          "TELEPORT_REGION: levregion(55,00,79,20),levregion(01,00,54,20),down",
          "STAIR: levregion(01,03,20,19),(00,00,39,15),up",
          "STAIR: levregion(60,03,77,19),(00,00,50,17),down"},
         {}},
        {"teleport_one_direction.des",
         {"TELEPORT_REGION: (01,01,10,05),(05,03,06,04),down",
          "TELEPORT_REGION: (48,01,57,05),(52,01,53,02),down",
          "TELEPORT_REGION: levregion(01,00,79,20),(0,0,0,0),up"},
         {}},
        {"region_order.des",
         {"REGION: (01,01,10,06),lit,\"ordinary\"", "REGION: (04,03,07,04),unlit,\"ordinary\"",
          "REGION: (12,01,18,03),unlit,\"morgue\"", "REGION: (20,01,25,03),lit,\"ordinary\"",
          "REGION: (30,01,32,03),lit,\"candle shop\"", "REGION: (27,01,32,03),lit,\"tool shop\""},
         {}},
        // Random, not pinned to the cells the editor drew for them.
        {"water_plane.des",
         {"MONSTER: 'e',\"floating eye\",random", "MONSTER: 'e',\"floating eye\",random",
          "OBJECT: '=',random,random"},
         {"\"floating eye\",(", "OBJECT: '=',random,("}},
        // The hut's statements before NOMAP, the cave's after it.
        {"nomap_after_map.des",
         {"ENDMAP", "REGION: (01,01,03,02),lit,\"ordinary\"",
          "MONSTER: '@',\"hermit\",(02,01),peaceful", "OBJECT: '?',random,(01,01)", "NOMAP",
          "STAIR: (05,05),up", "STAIR: (70,15),down", "MONSTER: 'B',\"bat\",random",
          "MONSTER: 'r',random,random", "OBJECT: '*',random,random", "TRAP: \"bear\",random"},
         {}},
        // Regions of the part only, even where they reach past its map.
        {"plain_regions.des",
         {"NON_DIGGABLE: (00,00,14,09)", "NON_DIGGABLE: (03,02,07,04)"},
         {"levregion"}},
        {"plain_regions.des",
         {"NON_PASSWALL: (00,00,10,06)", "REGION: (01,01,09,05),unlit,\"ordinary\"",
          "REGION: (04,03,06,03),lit,\"ordinary\""},
         {"levregion"}},
    };
    return cases;
}

std::string openAndSave(const std::string& text, const fs::path& path) {
    HeadlessShell shell;
    Editor editor(shell, 7, Variant::Vanilla);
    if (!editor.openText(text, path.string())) return {};
    Result<WrittenLevel> saved = writeLevel(editor.level(), Variant::Vanilla);
    return saved ? std::move(saved->text) : std::string();
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The rows between MAP and ENDMAP, every map of the text one after another.
std::vector<std::string> mapRows(const std::string& text) {
    std::vector<std::string> rows;
    bool inMap = false;
    for (const std::string& line : linesOf(text)) {
        if (line == "MAP" || line.rfind("ENDMAP", 0) == 0) {
            inMap = line == "MAP";
        } else if (inMap) {
            rows.push_back(line);
        }
    }
    return rows;
}

// One case; a failed assertion ends the case, not the test.
void checkSaved(const SavedMeaning& c) {
    const fs::path path = fs::path(MAPEDIT_TEST_DATA) / "meaning" / c.file;
    SCOPED_TRACE(path.string());
    const std::string text = test::slurp(path);
    const std::string saved = openAndSave(text, path);
    ASSERT_FALSE(saved.empty()) << "does not open or save";

    const std::vector<std::string> lines = linesOf(saved);
    auto at = lines.begin();
    for (const std::string& wanted : c.lines) {
        at = std::find(at, lines.end(), wanted);
        ASSERT_NE(at, lines.end()) << "missing, or out of order: " << wanted << "\n" << saved;
        ++at;
    }
    for (const std::string& bad : c.forbidden) {
        EXPECT_EQ(saved.find(bad), std::string::npos) << "holds " << bad << "\n" << saved;
    }
    EXPECT_EQ(mapRows(saved), mapRows(text)) << "the map changed";
    EXPECT_EQ(openAndSave(saved, path), saved) << "a second save changes the text";
}

TEST(SavedMeaning, OpenAndSaveKeepTheLinesThatSayWhatTheLevelMeans) {
    for (const SavedMeaning& c : savedMeanings()) checkSaved(c);
}

}  // namespace
}  // namespace mapedit
