#pragma once

#include "Util/RGBA.h"

namespace MatSys {

// A colour that can make itself the current draw colour. It holds its value itself;
// implementations only send it.
class I_Color {
public:
    // Transparent black.
    I_Color() = default;
    explicit I_Color(const Util::RGBA& rgba) : m_rgba(rgba) {}
    virtual ~I_Color() = default;

    Util::RGBA& RGBA() { return m_rgba; }
    const Util::RGBA& RGBA() const { return m_rgba; }
    // Makes the value the colour of later fixed-function drawing.
    virtual void use() const = 0;

private:
    Util::RGBA m_rgba{0, 0, 0, 0};
};

} // namespace MatSys
