#pragma once

#include <string>

namespace MatSys::OGL {

// The generic vertex attribute index a program binds an active attribute to, chosen by the
// end of its name so that it matches the slots of the attribute vertex arrays: "_vtx" 0,
// "_texcoord" 1, "_clr" 2, and a last part "atr" + N (N from 0 to 3, decimal digits, none
// meaning 0) 3 + N. Built-ins ("gl_...") are not bound.
class AttributeSlot {
public:
    static constexpr int BUILT_IN = -1;
    // A name no rule accepts, or an "atr" suffix that is not a number from 0 to 3.
    static constexpr int REFUSED = -2;

    static int forName(const std::string& name);
};

} // namespace MatSys::OGL
