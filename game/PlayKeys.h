#pragma once

#include <string>

namespace Tool {

// The key codes the play reads, from the key names that configuration gives them.
struct PlayKeys {
    // The codes of KEY_MOVE_LEFT, KEY_MOVE_RIGHT and KEY_FIRE, looked up on the first call of
    // the process and kept: later changes of the keys do not reach them.
    static const PlayKeys& cached();
    // The code of the key named by the configuration key's text; 0, which no key produces, for
    // a name the key table does not know.
    static unsigned char codeOf(const std::string& configKey);

    unsigned char left;
    unsigned char right;
    unsigned char fire;
};

} // namespace Tool
