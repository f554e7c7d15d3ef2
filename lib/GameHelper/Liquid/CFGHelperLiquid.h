#pragma once

#include "Fluid/MPM/Liquid.h"

#include <string>

namespace GameHelper {

// Fills a liquid's properties from configuration.
class CFGHelperLiquid {
public:
    CFGHelperLiquid() = delete;

    // Sets each property of the liquid whose key in the process-wide configuration, the
    // prefix, "_" and the property's name, holds text; the liquid holds each number to its
    // property's range. Text that does not begin with a number throws the conversion error,
    // leaving the properties of lower ids set.
    static void setLiquidProperties(const std::string& prefix, Fluid::MPM::Liquid* liquid,
                                    const Fluid::MPM::Liquid::Handle& handle);
};

} // namespace GameHelper
