#include "Util/NamedObject.h"

namespace Util {

NamedObject::NamedObject(const std::string& name) : m_name(name) {}

} // namespace Util
