#pragma once

#include <string>
#include <vector>

namespace Tool {

// What the configuration says of one level: its board, a tube of two regular polygons seen
// end-on, and how many enemies it sends. Levels past the list repeat its last name with one
// side more each.
struct Level {
    // The grid's byte values tell at most this many enemies of a level apart.
    static constexpr int MAX_ENEMIES = 189;

    // The names LEVELS_LIST gives, in order: comma-separated, trimmed, empty ones dropped.
    static std::vector<std::string> names();
    // The level at the index (from 0) of the named levels. Without names every key is read
    // under the empty name.
    static Level read(const std::vector<std::string>& names, int index);

    std::string name;
    int numSides = 0;
    float innerRadius = 0.0f;
    float outerRadius = 0.0f;
    // Degrees; 0 past the list.
    float rotation = 0.0f;
    // The name's enemy total plus the index, within 0 to MAX_ENEMIES.
    int enemies = 0;
};

} // namespace Tool
