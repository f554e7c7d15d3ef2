#pragma once

#include "Devices/Keyboard.h"
#include "Util/Singleton.h"
#include "Util/TwoWayMapping.h"

#include <string>

namespace Devices {

// The process-wide tables between key codes and the key names configuration uses, and
// between modifier sets and their names. Built completely on first use; never changed after.
class KeyboardStrings : public Util::Singleton<KeyboardStrings> {
public:
    using ModifierNames = Util::TwoWayMapping<Keyboard::Modifiers, std::string>;
    using KeyNames = Util::TwoWayMapping<unsigned char, std::string>;

    // An unknown name reads as Keyboard::INVALID, an unknown set as "INVALID".
    const ModifierNames& modMapping() const { return m_modifierNames; }
    // Every code has a name; an unknown name reads as code 0, which no key produces.
    const KeyNames& keyMapping() const { return m_keyNames; }

private:
    friend class Util::Singleton<KeyboardStrings>;
    KeyboardStrings();
    ~KeyboardStrings() = default;

    ModifierNames m_modifierNames;
    KeyNames m_keyNames;
};

} // namespace Devices
