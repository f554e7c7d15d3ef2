#pragma once

#include "MatSys/ShaderParam.h"
#include "Util/BasicStore.h"
#include "Util/BasicStoreIterator.h"
#include "Util/WalkIterator.h"

#include <memory>
#include <string>
#include <vector>

namespace MatSys {

// Yields copies of a set's parameters in name order; once done, the default parameter.
using ShaderParamsIterator =
    Util::WalkIterator<ShaderParam, Util::BasicStoreIterator<std::string, ShaderParam>>;

// A set of shader parameters keyed by name, each name held once: the defaults a program
// owns, or the values a material applies whenever it is used. Copies share nothing.
class ShaderParams {
public:
    ShaderParams();
    ShaderParams(const ShaderParams& other) = default;
    ShaderParams& operator=(const ShaderParams&) = delete;
    virtual ~ShaderParams() = default;

    // Replaces a parameter of the same name. A parameter whose value lists more numbers than
    // it can hold is refused, so no parameter of zeroed words passes for a good one.
    virtual void add(const ShaderParam& param);
    // A line name:type=value, where ':' and '=' are interchangeable, a run of them counts as
    // one, and each part is trimmed; a line that does not give exactly three parts is ignored.
    virtual void add(const std::string& line);
    // The lines in order, so a later line for a name wins.
    virtual void add(const std::vector<std::string>& lines);
    // Adds every parameter of other, which wins over one of the same name here.
    virtual void merge(const ShaderParams& other);
    virtual std::unique_ptr<ShaderParamsIterator> getIterator() const;

    // Calls visit with each parameter by reference, in name order, copying and allocating
    // nothing: the walk of every upload.
    template <typename Visit>
    void forEach(const Visit& visit) const {
        for (Util::BasicStoreIterator<std::string, ShaderParam> walk(&m_params); !walk.isDone();
             walk.next()) {
            visit(walk.currentRef());
        }
    }

private:
    Util::BasicStore<std::string, ShaderParam> m_params;
};

} // namespace MatSys
