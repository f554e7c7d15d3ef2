#pragma once

// Counting fakes of the material system's resources and makers: each records what it is
// asked to do in one shared log, so tests can pin calls and their order.

#include "MatSys/I_MaterialMaker.h"
#include "MatSys/I_Shader.h"
#include "MatSys/I_ShaderMaker.h"
#include "MatSys/I_ShaderProgram.h"
#include "MatSys/I_ShaderProgramMaker.h"
#include "MatSys/I_Texture.h"
#include "MatSys/I_TextureMaker.h"
#include "MatSys/Material.h"
#include "MatSys/ShaderParams.h"

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace MatSysFakes {

using Log = std::vector<std::string>;
inline Log s_log;

struct Shader : MatSys::I_Shader {
    explicit Shader(std::string shaderName) : name(std::move(shaderName)) {}
    ~Shader() override { s_log.push_back("delete " + name); }
    unsigned int getID() const override { return 0; }
    std::string name;
};

struct Texture : MatSys::I_Texture {
    explicit Texture(std::string textureName) : name(std::move(textureName)) {}
    ~Texture() override { s_log.push_back("delete " + name); }
    const unsigned int& getID() const override { return id; }
    void getSize(int& width, int& height, int& depth) const override { width = height = depth = 0; }
    void beginUsing(int unit) const override {
        s_log.push_back("begin " + name + " " + std::to_string(unit));
    }
    void endUsing(int unit) const override {
        s_log.push_back("end " + name + " " + std::to_string(unit));
    }
    void update(unsigned char*, int, int, int, int, bool) override {}
    const MatSys::TextureOptions& getOptions() const override { return options; }
    void setOptions(const MatSys::TextureOptions& given) override { options = given; }
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
    ~Program() override { s_log.push_back("delete " + name); }
    unsigned int getID() const override { return 0; }
    bool beginUsing(const MatSys::ShaderParams* const params) override {
        if (!quiet) {
            s_log.push_back("begin " + name + (params != nullptr ? " given" : " own"));
        }
        (params != nullptr ? *params : getParams()).forEach([this](const MatSys::ShaderParam&) {
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

// Makers log each call as "create" and its text arguments; names in refused make nothing.
template <typename T>
struct Maker {
    T* make(const std::string& call, const std::string& name) {
        s_log.push_back(call);
        return refused.count(name) != 0 ? nullptr : new T(name);
    }
    std::set<std::string> refused;
};

struct ShaderMaker : MatSys::I_ShaderMaker, Maker<Shader> {
    void getTypeStrings(std::vector<std::string>& list) const override { list.push_back(".VS"); }
    MatSys::I_Shader* create(const std::string& name, const std::string& code,
                             const std::vector<std::string>&) override {
        return make("create " + name + " " + code + " files", name);
    }
    MatSys::I_Shader* create(const std::string& name) override {
        return make("create " + name, name);
    }
    MatSys::I_Shader* create(const std::string& name, const std::string& path) override {
        return make("create " + name + " " + path, name);
    }
};

struct TextureMaker : MatSys::I_TextureMaker, Maker<Texture> {
    MatSys::I_Texture* create(const std::string& name, const unsigned char*, unsigned int bpp,
                              unsigned int, unsigned int, unsigned int) override {
        return make("create " + name + " " + std::to_string(bpp), name);
    }
    MatSys::I_Texture* create(const std::string& name) override {
        return make("create " + name, name);
    }
};

struct ProgramMaker : MatSys::I_ShaderProgramMaker, Maker<Program> {
    MatSys::I_ShaderProgram* create(const std::string& name, const MatSys::ShaderParams& params,
                                    const std::vector<std::string>& shaderNames) override {
        return withParams(make("create " + name + " shaders " + shaderNames.at(0), name), params);
    }
    MatSys::I_ShaderProgram* create(const std::string& name,
                                    const MatSys::ShaderParams& params) override {
        return withParams(make("create " + name, name), params);
    }
    MatSys::I_ShaderProgram* create(const std::string& name, const MatSys::ShaderParams& params,
                                    const std::string& path) override {
        return withParams(make("create " + name + " " + path, name), params);
    }
    static Program* withParams(Program* const program, const MatSys::ShaderParams& params) {
        if (program != nullptr) {
            program->setParams(params);
        }
        return program;
    }
};

// Logs the names and paths of the materials it makes, each without a program.
struct MaterialMaker : MatSys::I_MaterialMaker {
    void setTextureStore(MatSys::TextureStore*) override {}
    MatSys::TextureStore* getTextureStore() const override { return nullptr; }
    void setLoadDir(const std::string&) override {}
    void setMatdefExt(const std::string& ext) override { matdefExt = ext; }
    const std::string& getMatdefExt() const override { return matdefExt; }
    MatSys::Material* create(const std::string& name, MatSys::I_ShaderProgram*,
                             const MatSys::ShaderParams* params) override {
        return create(name, params);
    }
    MatSys::Material* create(const std::string& name, const std::string&,
                             const MatSys::ShaderParams* params) override {
        return create(name, params);
    }
    MatSys::Material* create(const std::string& name, const MatSys::ShaderParams* params) override {
        s_log.push_back("create " + name);
        return new MatSys::Material(nullptr, params);
    }
    MatSys::Material* create(const std::string& name, const MatSys::ShaderParams* params,
                             const std::string& path) override {
        s_log.push_back("create " + name + " " + path);
        return new MatSys::Material(nullptr, params);
    }
    MatSys::Material* bindTexture(MatSys::Material* material, int, const std::string&) override {
        return material;
    }
    std::string matdefExt = ".matdef";
};

} // namespace MatSysFakes
