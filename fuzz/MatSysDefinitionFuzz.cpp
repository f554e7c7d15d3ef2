// Material, program and shader definition text read through the real makers, with the GL
// work faked: shaders and programs are made without compiling or linking and textures without
// uploading. Every line of the input is read as a shader parameter line as well. A malformed
// number ends the process by design (the conversion error); it is caught here instead.
#include "CFG/Info.h"
#include "MatSys/DefinitionFiles.h"
#include "MatSys/I_Shader.h"
#include "MatSys/Material.h"
#include "MatSys/MaterialMaker.h"
#include "MatSys/MaterialStore.h"
#include "MatSys/OGL/ShaderMaker.h"
#include "MatSys/OGL/ShaderProgramMaker.h"
#include "MatSys/OGL/TextureMaker.h"
#include "MatSys/ShaderParams.h"
#include "MatSys/ShaderProgramStore.h"
#include "MatSys/ShaderStore.h"
#include "MatSys/TextureOptionsMaker.h"
#include "MatSys/TextureStore.h"
#include "ScratchFile.h"
#include "Util/StringUtils.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct FakeShader : MatSys::I_Shader {
    unsigned int getID() const override { return 1; }
};

class FakeProgram : public MatSys::I_ShaderProgram {
public:
    explicit FakeProgram(const MatSys::ShaderParams& params) : m_params(params) {}
    unsigned int getID() const override { return 1; }
    bool beginUsing(const MatSys::ShaderParams*) override { return true; }
    void endUsing() override {}
    const MatSys::ShaderParams& getParams() const override { return m_params; }
    bool setParams(const MatSys::ShaderParams&) override { return true; }

private:
    MatSys::ShaderParams m_params;
};

struct FakeTexture : MatSys::I_Texture {
    explicit FakeTexture(const std::string& name)
        : options(MatSys::TextureOptionsMaker().make(name)) {}
    const unsigned int& getID() const override { return id; }
    void getSize(int& width, int& height, int& depth) const override { width = height = depth = 1; }
    void beginUsing(int) const override {}
    void endUsing(int) const override {}
    void update(unsigned char*, int, int, int, int, bool) override {}
    const MatSys::TextureOptions& getOptions() const override { return options; }
    void setOptions(const MatSys::TextureOptions& given) override { options = given; }
    unsigned int getImageSize(bool) const override { return 0; }
    void getImage(unsigned char*, bool) const override {}
    unsigned int id = 1;
    MatSys::TextureOptions options;
};

// The makers' own reading of names and definitions, up to the GL work.
class ShaderMaker : public MatSys::OGL::ShaderMaker {
public:
    using MatSys::OGL::ShaderMaker::create;
    using MatSys::OGL::ShaderMaker::ShaderMaker;
    MatSys::I_Shader* create(const std::string& name, const std::string& code,
                             const std::vector<std::string>& files) override {
        return nameToType(name) != 0 && !(code.empty() && files.empty()) ? new FakeShader : nullptr;
    }
};

class ProgramMaker : public MatSys::OGL::ShaderProgramMaker {
public:
    ProgramMaker(MatSys::ShaderStore* shaders, const std::string& loadDir,
                 MatSys::DefinitionFiles& files)
        : MatSys::OGL::ShaderProgramMaker(shaders, loadDir, files), m_shaders(shaders) {}
    using MatSys::OGL::ShaderProgramMaker::create;
    MatSys::I_ShaderProgram* create(const std::string&, const MatSys::ShaderParams& params,
                                    const std::vector<std::string>& shaderNames) override {
        bool any = false;
        for (const std::string& name : shaderNames) {
            any = m_shaders->get(name, true) != nullptr || any;
        }
        return any ? new FakeProgram(params) : nullptr;
    }

private:
    MatSys::ShaderStore* m_shaders;
};

class TextureMaker : public MatSys::OGL::TextureMaker {
public:
    using MatSys::OGL::TextureMaker::TextureMaker;
    MatSys::I_Texture* createFromTGA(const std::string& name) override {
        return new FakeTexture(name);
    }
};

// Material names the text may define: what comes before "_PROG" or "_MAT_" in its keys.
std::vector<std::string> materialNames(MatSys::DefinitionFiles& files, const std::string& path) {
    std::vector<std::string> keys;
    files.open(path)->keys(keys);
    std::vector<std::string> names{"m", "m.matdef"};
    for (const std::string& key : keys) {
        for (const char* marker : {"_PROG", "_MAT_"}) {
            const std::size_t at = key.find(marker);
            if (at != std::string::npos && names.size() < 12) {
                names.push_back(key.substr(0, at));
            }
        }
    }
    return names;
}

const ScratchFile s_input("m.matdef");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* const data, const std::size_t size) {
    const std::string& path = s_input.write(data, size);
    const std::string folder = path.substr(0, path.rfind('/'));

    std::vector<std::string> lines;
    Util::splitString(std::string(reinterpret_cast<const char*>(data), size), "\n", lines, false,
                      false);
    try {
        MatSys::ShaderParams params;
        params.add(lines);
    } catch (const std::domain_error&) {
    }

    // One for the whole run, as every input rewrites the file it watches: closing the kernel's
    // watch takes milliseconds.
    static MatSys::DefinitionFiles files;
    ShaderMaker shaderMaker(folder, files);
    MatSys::ShaderStore shaders(&shaderMaker);
    ProgramMaker programMaker(&shaders, folder, files);
    MatSys::ShaderProgramStore programs(&programMaker);
    TextureMaker textureMaker(folder);
    MatSys::TextureStore textures(&textureMaker);
    MatSys::MaterialMaker materialMaker(&programs, &textures, folder, files);
    MatSys::MaterialStore materials(&materialMaker);
    for (const std::string& name : materialNames(files, path)) {
        try {
            materials.add(name, nullptr, path);
            materials.get(name, true);
        } catch (const std::domain_error&) {
        }
    }
    return 0;
}
