#pragma once

// Counting fakes of the material system's textures, programs and makers: each logs what it
// is asked to do in one shared log, so tests can pin calls and their order. Makers make
// nothing for names that begin with "bad".

#include "MatSys/I_MaterialMaker.h"
#include "MatSys/I_ShaderProgram.h"
#include "MatSys/I_ShaderProgramMaker.h"
#include "MatSys/I_Texture.h"
#include "MatSys/I_TextureMaker.h"
#include "MatSys/Material.h"
#include "MatSys/ShaderParams.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace MatSysFakes {

using Log = std::vector<std::string>;
inline Log s_log;

// A set of the parameters the lines give.
inline MatSys::ShaderParams paramsOf(const std::vector<std::string>& lines) {
    MatSys::ShaderParams params;
    params.add(lines);
    return params;
}

// Sixteen parameters of four floats: the load of one material use.
inline MatSys::ShaderParams sixteenParams() {
    MatSys::ShaderParams params;
    for (int i = 0; i < 16; ++i) {
        params.add("parameter" + std::to_string(i) + ":4f=1, 0.5, 0.25, 1");
    }
    return params;
}

template <typename T>
T* make(const std::string& call, const std::string& name) {
    s_log.push_back(call);
    return name.rfind("bad", 0) == 0 ? nullptr : new T(name);
}

struct Texture : MatSys::I_Texture {
    explicit Texture(std::string textureName) : name(std::move(textureName)) {}
    ~Texture() override { s_log.push_back("delete " + name); }
    const unsigned int& getID() const override { return id; }
    void getSize(int&, int&, int&) const override {}
    void beginUsing(int unit) const override {
        s_log.push_back("begin " + name + " " + std::to_string(unit));
    }
    void endUsing(int unit) const override {
        s_log.push_back("end " + name + " " + std::to_string(unit));
    }
    void update(unsigned char*, int, int, int, int, bool) override {}
    const MatSys::TextureOptions& getOptions() const override { return options; }
    void setOptions(const MatSys::TextureOptions&) override {}
    unsigned int getImageSize(bool) const override { return 0; }
    void getImage(unsigned char*, bool) const override {}
    std::string name;
    unsigned int id = 0;
    MatSys::TextureOptions options;
};

// Walks the set it is given, or else its own, by reference as an upload does, and counts
// the parameters; it logs its calls unless it is quiet.
struct Program : MatSys::I_ShaderProgram {
    explicit Program(std::string programName) : name(std::move(programName)) {}
    unsigned int getID() const override { return 0; }
    bool beginUsing(const MatSys::ShaderParams* const params) override {
        if (!quiet) {
            s_log.push_back("begin " + name + (params != nullptr ? " given" : " own"));
        }
        (params != nullptr ? *params : *own).forEach([this](const MatSys::ShaderParam&) {
            ++uploaded;
        });
        return true;
    }
    void endUsing() override {
        if (!quiet) {
            s_log.push_back("end " + name);
        }
    }
    const MatSys::ShaderParams& getParams() const override { return *own; }
    bool setParams(const MatSys::ShaderParams& params) override {
        own = std::make_unique<MatSys::ShaderParams>(params);
        return !refusesParams;
    }
    std::string name;
    std::unique_ptr<MatSys::ShaderParams> own = std::make_unique<MatSys::ShaderParams>();
    int uploaded = 0;
    bool quiet = false;
    bool refusesParams = false;
};

struct TextureMaker : MatSys::I_TextureMaker {
    MatSys::I_Texture* create(const std::string& name, const unsigned char*, unsigned int,
                              unsigned int, unsigned int, unsigned int) override {
        return make<Texture>("pixels " + name, name);
    }
    MatSys::I_Texture* create(const std::string& name) override {
        return make<Texture>(name, name);
    }
};

// Programs take a copy of the parameters they are made with.
struct ProgramMaker : MatSys::I_ShaderProgramMaker {
    MatSys::I_ShaderProgram* create(const std::string& name, const MatSys::ShaderParams& params,
                                    const std::vector<std::string>& shaders) override {
        return withParams(make<Program>(name + " of " + shaders.at(0), name), params);
    }
    MatSys::I_ShaderProgram* create(const std::string& name,
                                    const MatSys::ShaderParams& params) override {
        return withParams(make<Program>(name, name), params);
    }
    MatSys::I_ShaderProgram* create(const std::string& name, const MatSys::ShaderParams& params,
                                    const std::string& path) override {
        return withParams(make<Program>(name + " from " + path, name), params);
    }
    static Program* withParams(Program* const program, const MatSys::ShaderParams& params) {
        program->setParams(params);
        return program;
    }
};

// Materials without a program, from the name and parameters alone.
struct MaterialMaker : MatSys::I_MaterialMaker {
    void setTextureStore(MatSys::TextureStore*) override {}
    MatSys::TextureStore* getTextureStore() const override { return nullptr; }
    void setLoadDir(const std::string&) override {}
    void setMatdefExt(const std::string& ext) override { matdefExt = ext; }
    const std::string& getMatdefExt() const override { return matdefExt; }
    MatSys::Material* create(const std::string&, MatSys::I_ShaderProgram*,
                             const MatSys::ShaderParams*) override {
        return nullptr;
    }
    MatSys::Material* create(const std::string&, const std::string&,
                             const MatSys::ShaderParams*) override {
        return nullptr;
    }
    MatSys::Material* create(const std::string& name, const MatSys::ShaderParams* params) override {
        s_log.push_back(name);
        return new MatSys::Material(nullptr, params);
    }
    MatSys::Material* create(const std::string& name, const MatSys::ShaderParams* params,
                             const std::string& path) override {
        return create(name + " from " + path, params);
    }
    MatSys::Material* bindTexture(MatSys::Material* material, int, const std::string&) override {
        return material;
    }
    std::string matdefExt = ".matdef";
};

} // namespace MatSysFakes
