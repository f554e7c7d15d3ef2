#include "MatSys/MaterialStore.h"

namespace MatSys {
namespace {

const std::string NO_MAKER_EXT = "WTH!!";

} // namespace

MaterialStore::MaterialStore(I_MaterialMaker* const maker)
    : ResourceStore("MaterialStore", maker) {}

const std::string& MaterialStore::getMatdefExt() const {
    return maker() != nullptr ? maker()->getMatdefExt() : NO_MAKER_EXT;
}

void MaterialStore::setMaterialMaker(I_MaterialMaker* const maker) {
    setMaker(maker);
}

Material* MaterialStore::add(const std::string& name, const ShaderParams* const params) {
    if (Material* const stored = get(name, false)) {
        stored->setParams(params);
        return stored;
    }
    return findOrMake(
        name, [&](I_MaterialMaker& materialMaker) { return materialMaker.create(name, params); });
}

Material* MaterialStore::add(const std::string& name, const ShaderParams* const params,
                             const std::string& path) {
    if (Material* const stored = get(name, false)) {
        if (params != nullptr) {
            stored->setParams(params);
        }
        return stored;
    }
    return findOrMake(name, [&](I_MaterialMaker& materialMaker) {
        return materialMaker.create(name, params, path);
    });
}

Material* MaterialStore::makeMissing(I_MaterialMaker& materialMaker, const std::string& name) {
    return materialMaker.create(name, nullptr);
}

} // namespace MatSys
