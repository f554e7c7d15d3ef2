#pragma once

#include <string>

namespace Util {

// Polymorphic base of objects that carry their own name.
class NamedObject {
public:
    explicit NamedObject(const std::string& name);
    virtual ~NamedObject() = default;

    const std::string& getName() const { return m_name; }

private:
    std::string m_name;
};

} // namespace Util
