#include "GameHelper/CFGHelper.h"

#include "CFG/GlobalConfig.h"
#include "Fluid/MPM/FluidPropertyStrings.h"
#include "Util/StrToNum.h"

namespace GameHelper {

void CFGHelper::setLiquidProperties(const std::string& prefix, Fluid::MPM::Liquid* const liquid,
                                    const Fluid::MPM::Liquid::Handle& handle) {
    const auto& names = Fluid::MPM::FluidPropertyStrings::instance().mapping();
    for (int id = 0; id < Fluid::MPM::NUM_PROPERTIES; ++id) {
        const std::string text = CFG::get(prefix + "_" + names.findB(id));
        if (!text.empty()) {
            liquid->setProperty(handle, id, Util::strToNum<float>(text, 10));
        }
    }
}

} // namespace GameHelper
