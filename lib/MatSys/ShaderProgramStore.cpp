#include "MatSys/ShaderProgramStore.h"

#include "MatSys/ShaderParams.h"

namespace MatSys {

ShaderProgramStore::ShaderProgramStore(I_ShaderProgramMaker* const maker)
    : ResourceStore("ShaderProgramStore", maker) {}

void ShaderProgramStore::setProgramMaker(I_ShaderProgramMaker* const maker) {
    setMaker(maker);
}

template <typename Make>
I_ShaderProgram* ShaderProgramStore::setParamsOrMake(const std::string& name,
                                                     const ShaderParams& params, const Make& make) {
    if (I_ShaderProgram* const stored = get(name, false)) {
        return stored->setParams(params) ? stored : nullptr;
    }
    return findOrMake(name, make);
}

I_ShaderProgram* ShaderProgramStore::add(const std::string& name, const ShaderParams& params) {
    return setParamsOrMake(name, params, [&](I_ShaderProgramMaker& programMaker) {
        return programMaker.create(name, params);
    });
}

I_ShaderProgram* ShaderProgramStore::add(const std::string& name, const ShaderParams& params,
                                         const std::string& path) {
    return setParamsOrMake(name, params, [&](I_ShaderProgramMaker& programMaker) {
        return programMaker.create(name, params, path);
    });
}

I_ShaderProgram* ShaderProgramStore::add(const std::string& name, const ShaderParams& params,
                                         const std::vector<std::string>& shaderNames) {
    return findOrMake(name, [&](I_ShaderProgramMaker& programMaker) {
        return programMaker.create(name, params, shaderNames);
    });
}

I_ShaderProgram* ShaderProgramStore::makeMissing(I_ShaderProgramMaker& programMaker,
                                                 const std::string& name) {
    return programMaker.create(name, ShaderParams());
}

} // namespace MatSys
