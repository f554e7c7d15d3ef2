#pragma once

#include "MatSys/I_Shader.h"
#include "MatSys/I_ShaderMaker.h"
#include "MatSys/ResourceStore.h"

#include <string>
#include <vector>

namespace MatSys {

using ShaderStoreIterator = ResourceStore<I_Shader, I_ShaderMaker>::Iterator;

// The shaders of the material system by name, made on demand by a shader maker.
class ShaderStore : public ResourceStore<I_Shader, I_ShaderMaker> {
public:
    explicit ShaderStore(I_ShaderMaker* maker);

    void setShaderMaker(I_ShaderMaker* maker);
    using ResourceStore::add;
    // get(name, true).
    virtual I_Shader* add(const std::string& name);
    // A stored shader of that name, or the one its definition file at path describes.
    virtual I_Shader* add(const std::string& name, const std::string& path);
    // Asks the maker for its kind suffixes; without a maker the list stays as it is.
    virtual void getTypeStrings(std::vector<std::string>& list) const;

protected:
    I_Shader* makeMissing(I_ShaderMaker& maker, const std::string& name) override;
};

} // namespace MatSys
