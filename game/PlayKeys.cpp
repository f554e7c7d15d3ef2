#include "game/PlayKeys.h"

#include "CFG/GlobalConfig.h"
#include "Devices/KeyboardStrings.h"

namespace Tool {

const PlayKeys& PlayKeys::cached() {
    static const PlayKeys s_keys{codeOf("KEY_MOVE_LEFT"), codeOf("KEY_MOVE_RIGHT"),
                                 codeOf("KEY_FIRE")};
    return s_keys;
}

unsigned char PlayKeys::codeOf(const std::string& configKey) {
    return Devices::KeyboardStrings::instance().keyMapping().findA(CFG::get(configKey));
}

} // namespace Tool
