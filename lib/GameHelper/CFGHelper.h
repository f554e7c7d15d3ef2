#pragma once

#include "Fluid/MPM/Liquid.h"

#include <string>

namespace GameHelper {

// Static loaders that fill engine objects from the process-wide configuration.
class CFGHelper {
public:
    // Sets each property of the liquid whose key, the prefix, "_" and the property's name,
    // holds text; the liquid holds each number to its property's range. Text that does not
    // begin with a number throws std::domain_error, leaving the properties before it set.
    static void setLiquidProperties(const std::string& prefix, Fluid::MPM::Liquid* liquid,
                                    const Fluid::MPM::Liquid::Handle& handle);
};

} // namespace GameHelper
