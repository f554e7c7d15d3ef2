#include "Util/Debug.h"

#include <iostream>

namespace Util {

Debug::Debug() : m_out(&std::cout), m_err(&std::cerr) {}

} // namespace Util
