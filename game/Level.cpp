#include "game/Level.h"

#include "CFG/GlobalConfig.h"
#include "CFG/InfoParser.h"
#include "Util/StringUtils.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace Tool {

std::vector<std::string> Level::names() {
    std::vector<std::string> list;
    Util::splitString(CFG::get("LEVELS_LIST"), ",", list, false, true);
    return list;
}

Level Level::read(const std::vector<std::string>& names, const int index) {
    const int count = static_cast<int>(names.size());
    const bool listed = index < count;
    Level level;
    if (listed) {
        level.name = names[static_cast<std::size_t>(index)];
    } else if (!names.empty()) {
        level.name = names.back();
    }
    const CFG::InfoParser& config = CFG::parser();
    // Past the list the sides grow by one a level, summed in 64 bits: a sum beyond the int
    // range stays the most sides an int holds, which the board draws as its most sides.
    const std::int64_t sides = config.getNumber<int>(level.name + "_NUM_SIDES") +
                               (listed ? 0 : std::int64_t{index} + 1 - count);
    level.numSides =
        static_cast<int>(std::min<std::int64_t>(sides, std::numeric_limits<int>::max()));
    level.innerRadius = config.getNumber<float>(level.name + "_INNER_RADIUS");
    level.rotation = listed ? config.getNumber<float>(level.name + "_ROTATION") : 0.0f;
    level.outerRadius = config.getNumber<float>(level.name + "_OUTER_RADIUS");
    const std::int64_t enemies =
        config.getNumber<int>(level.name + "_ENEMY_TOTAL") + std::int64_t{index};
    level.enemies = static_cast<int>(std::clamp<std::int64_t>(enemies, 0, MAX_ENEMIES));
    return level;
}

} // namespace Tool
