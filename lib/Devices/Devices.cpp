#include "Devices/Devices.h"

namespace Devices {
namespace {

Keyboard* s_pKeyboard = nullptr;

} // namespace

void setKeyboard(Keyboard* const keyboard) {
    s_pKeyboard = keyboard;
}

Keyboard* getKeyboard() {
    return s_pKeyboard;
}

} // namespace Devices
