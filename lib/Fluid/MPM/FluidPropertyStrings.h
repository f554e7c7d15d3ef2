#pragma once

#include "Util/Singleton.h"
#include "Util/TwoWayMapping.h"

#include <string>

namespace Fluid::MPM {

// The process-wide table between the ids of a liquid's properties and the names configuration
// uses for them. Filled completely on first use; never changed after.
class FluidPropertyStrings : public Util::Singleton<FluidPropertyStrings> {
public:
    using Mapping = Util::TwoWayMapping<int, std::string>;

    virtual ~FluidPropertyStrings() = default;

    // An unknown id reads as "INVALID", an unknown name as NUM_PROPERTIES (12).
    const Mapping& mapping() const { return m_mapping; }

private:
    friend class Util::Singleton<FluidPropertyStrings>;
    FluidPropertyStrings();

    Mapping m_mapping;
};

} // namespace Fluid::MPM
