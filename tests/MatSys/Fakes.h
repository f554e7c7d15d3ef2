#pragma once

// Counting fakes of the material system's resources and makers: each records what it is
// asked to do in one shared log, so tests can pin calls and their order.

#include "MatSys/I_Shader.h"
#include "MatSys/I_ShaderMaker.h"
#include "MatSys/I_Texture.h"
#include "MatSys/I_TextureMaker.h"

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

} // namespace MatSysFakes
