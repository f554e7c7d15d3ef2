#pragma once

#include "MatSys/I_MaterialMaker.h"
#include "MatSys/Material.h"
#include "MatSys/ResourceStore.h"

#include <string>

namespace MatSys {

class ShaderParams;

using MaterialStoreIterator = ResourceStore<Material, I_MaterialMaker>::Iterator;

// The materials of the material system by name, made on demand by a material maker;
// get(name, true) makes a missing material without parameters.
class MaterialStore : public ResourceStore<Material, I_MaterialMaker> {
public:
    explicit MaterialStore(I_MaterialMaker* maker);

    // The maker's definition extension; "WTH!!" without a maker.
    virtual const std::string& getMatdefExt() const;
    void setMaterialMaker(I_MaterialMaker* maker);
    using ResourceStore::add;
    // A stored material takes a copy of params (none when null) and is returned; a missing
    // one is made with them.
    virtual Material* add(const std::string& name, const ShaderParams* params);
    // A stored material takes a copy of params when they are given and is returned; a
    // missing one is read from its definition file at path.
    virtual Material* add(const std::string& name, const ShaderParams* params,
                          const std::string& path);

protected:
    Material* makeMissing(I_MaterialMaker& maker, const std::string& name) override;
};

} // namespace MatSys
