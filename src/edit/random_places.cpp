#include "edit/random_places.h"

#include <cstddef>
#include <cstdint>

namespace mapedit {

void appendRandomPlace(LevelSettings& s, int x, int y) {
    if (s.randomPlaceCount < 0 || s.randomPlaceCount >= kMaxListEntries) return;
    moveRandomPlace(s, s.randomPlaceCount, x, y);
    ++s.randomPlaceCount;
}

void moveRandomPlace(LevelSettings& s, int index, int x, int y) {
    if (index < 0 || index >= kMaxListEntries) return;
    s.randomPlaces[static_cast<std::size_t>(index)] = {static_cast<std::int8_t>(x),
                                                       static_cast<std::int8_t>(y)};
}

void removeRandomPlace(LevelSettings& s, int index) {
    const int last = s.randomPlaceCount - 1;
    if (index != last) {
        s.randomPlaces[static_cast<std::size_t>(index)] =
            s.randomPlaces[static_cast<std::size_t>(last)];
    }
    s.randomPlaceCount = last;
}

}  // namespace mapedit
