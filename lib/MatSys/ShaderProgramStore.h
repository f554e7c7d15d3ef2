#pragma once

#include "MatSys/I_ShaderProgram.h"
#include "MatSys/I_ShaderProgramMaker.h"
#include "MatSys/ResourceStore.h"

#include <string>
#include <vector>

namespace MatSys {

class ShaderParams;

using ShaderProgramStoreIterator = ResourceStore<I_ShaderProgram, I_ShaderProgramMaker>::Iterator;

// The shader programs of the material system by name, made on demand by a program maker;
// get(name, true) makes a missing program with an empty parameter set.
class ShaderProgramStore : public ResourceStore<I_ShaderProgram, I_ShaderProgramMaker> {
public:
    explicit ShaderProgramStore(I_ShaderProgramMaker* maker);

    void setProgramMaker(I_ShaderProgramMaker* maker);
    using ResourceStore::add;
    // A stored program takes a copy of params as its own set and is returned, or null when
    // it refuses them; a missing one is made with them.
    virtual I_ShaderProgram* add(const std::string& name, const ShaderParams& params);
    // The same, a missing program being read from its definition file at path.
    virtual I_ShaderProgram* add(const std::string& name, const ShaderParams& params,
                                 const std::string& path);
    // A stored program is returned untouched; a missing one is linked from the named shaders.
    virtual I_ShaderProgram* add(const std::string& name, const ShaderParams& params,
                                 const std::vector<std::string>& shaderNames);

protected:
    I_ShaderProgram* makeMissing(I_ShaderProgramMaker& maker, const std::string& name) override;

private:
    template <typename Make>
    I_ShaderProgram* setParamsOrMake(const std::string& name, const ShaderParams& params,
                                     const Make& make);
};

} // namespace MatSys
