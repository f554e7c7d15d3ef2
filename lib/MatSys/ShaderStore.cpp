#include "MatSys/ShaderStore.h"

namespace MatSys {

ShaderStore::ShaderStore(I_ShaderMaker* const maker) : ResourceStore("ShaderStore", maker) {}

void ShaderStore::setShaderMaker(I_ShaderMaker* const maker) {
    setMaker(maker);
}

I_Shader* ShaderStore::add(const std::string& name) {
    return get(name, true);
}

I_Shader* ShaderStore::add(const std::string& name, const std::string& path) {
    return findOrMake(name,
                      [&](I_ShaderMaker& shaderMaker) { return shaderMaker.create(name, path); });
}

void ShaderStore::getTypeStrings(std::vector<std::string>& list) const {
    if (maker() != nullptr) {
        maker()->getTypeStrings(list);
    }
}

I_Shader* ShaderStore::makeMissing(I_ShaderMaker& shaderMaker, const std::string& name) {
    return shaderMaker.create(name);
}

} // namespace MatSys
