#include "MatSys/MaterialStore.h"
#include "MatSys/ShaderProgramStore.h"
#include "MatSys/ShaderStore.h"
#include "MatSys/TextureStore.h"
#include "Support/MatSysFakes.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using MatSysFakes::Log;
using MatSysFakes::s_log;

class StoreTest : public testing::Test {
protected:
    void SetUp() override { s_log.clear(); }
    MatSysFakes::ShaderMaker shaderMaker;
    MatSysFakes::TextureMaker textureMaker;
    MatSys::ShaderStore shaders{&shaderMaker};
    MatSys::TextureStore textures{&textureMaker};
    MatSysFakes::ProgramMaker programMaker;
    MatSys::ShaderProgramStore programs{&programMaker};
    MatSysFakes::MaterialMaker materialMaker;
    MatSys::MaterialStore materials{&materialMaker};
};

TEST_F(StoreTest, LookupsMakeAMissingObjectOnceAndOnlyWhenAskedTo) {
    EXPECT_EQ(shaders.get("a.VS", false), nullptr);
    EXPECT_TRUE(s_log.empty());
    MatSys::I_Shader* const made = shaders.get("a.VS", true);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(shaders.add("a.VS"), made);
    EXPECT_EQ(shaders.add("a.VS", "x.shader"), made);
    EXPECT_EQ(shaders.get("a.VS", false), made);
    MatSys::I_Shader* const fromFile = shaders.add("b.VS", "x.shader");
    EXPECT_EQ(shaders.get("b.VS", false), fromFile);
    shaderMaker.refused = {"bad"};
    EXPECT_EQ(shaders.add("bad"), nullptr);
    EXPECT_FALSE(shaders.exists("bad"));
    EXPECT_EQ(s_log, (Log{"create a.VS", "create b.VS x.shader", "create bad"}));

    shaders.setShaderMaker(nullptr);
    EXPECT_EQ(shaders.get("c.VS", true), nullptr);
    EXPECT_EQ(shaders.add("c.VS", "x.shader"), nullptr);
    std::vector<std::string> types{"old"};
    shaders.getTypeStrings(types);
    shaders.setShaderMaker(&shaderMaker);
    shaders.getTypeStrings(types);
    EXPECT_EQ(types, (std::vector<std::string>{"old", ".VS"}));
}

// The parameters a stored program holds as its own, as "name=value" texts.
std::vector<std::string> ownParams(MatSys::I_ShaderProgram* const program) {
    std::vector<std::string> texts;
    program->getParams().forEach([&texts](const MatSys::ShaderParam& param) {
        texts.push_back(param.getName() + "=" + param.getValue());
    });
    return texts;
}

TEST_F(StoreTest, StoredProgramsTakeNewParametersExceptThroughShaderNames) {
    MatSys::ShaderParams params;
    params.add("k:1f=1");
    auto* const lit = static_cast<MatSysFakes::Program*>(programs.get("lit", true));
    ASSERT_NE(lit, nullptr);
    EXPECT_TRUE(ownParams(lit).empty());
    EXPECT_EQ(programs.add("lit", params), lit);
    params.add("k:1f=2");
    EXPECT_EQ(ownParams(lit), std::vector<std::string>{"k=1"});
    EXPECT_EQ(programs.add("lit", params, std::vector<std::string>{"a.VS"}), lit);
    EXPECT_EQ(ownParams(lit), std::vector<std::string>{"k=1"});
    EXPECT_EQ(programs.add("lit", params, "x.prg"), lit);
    EXPECT_EQ(ownParams(lit), std::vector<std::string>{"k=2"});
    lit->refusesParams = true;
    EXPECT_EQ(programs.add("lit", params), nullptr);
    EXPECT_EQ(programs.get("lit", false), lit);

    MatSys::I_ShaderProgram* const sky = programs.add("sky", params, "x.prg");
    EXPECT_EQ(ownParams(sky), std::vector<std::string>{"k=2"});
    programs.add("sun", params, std::vector<std::string>{"sun.FS"});
    programs.add("moon", params);
    EXPECT_EQ(s_log,
              (Log{"create lit", "create sky x.prg", "create sun shaders sun.FS", "create moon"}));
}

// The names of a material's parameters, or "none" when it has no set.
std::string paramNames(const MatSys::Material* const material) {
    if (material->getParams() == nullptr) {
        return "none";
    }
    std::string names;
    material->getParams()->forEach(
        [&names](const MatSys::ShaderParam& param) { names += param.getName(); });
    return names;
}

TEST_F(StoreTest, StoredMaterialsTakeNewParametersAndNullRemovesThemOnlyWithoutAPath) {
    MatSys::ShaderParams params;
    params.add("k:1f=1");
    const MatSys::ShaderParams* const none = nullptr;
    MatSys::Material* const stone = materials.get("stone", true);
    EXPECT_EQ(paramNames(stone), "none");
    EXPECT_EQ(materials.add("stone", &params), stone);
    EXPECT_EQ(paramNames(stone), "k");
    EXPECT_EQ(materials.add("stone", none, "x.matdef"), stone);
    EXPECT_EQ(paramNames(stone), "k");
    EXPECT_EQ(materials.add("stone", none), stone);
    EXPECT_EQ(paramNames(stone), "none");
    EXPECT_EQ(materials.add("stone", &params, "x.matdef"), stone);
    EXPECT_EQ(paramNames(stone), "k");
    EXPECT_EQ(paramNames(materials.add("wood", &params, "x.matdef")), "k");
    EXPECT_EQ(paramNames(materials.add("moss", &params)), "k");
    EXPECT_EQ(s_log, (Log{"create stone", "create wood x.matdef", "create moss"}));

    materialMaker.setMatdefExt(".mat");
    EXPECT_EQ(materials.getMatdefExt(), ".mat");
    materials.setMaterialMaker(nullptr);
    EXPECT_EQ(materials.getMatdefExt(), "WTH!!");
    EXPECT_EQ(materials.add("bare", &params), nullptr);
}

TEST_F(StoreTest, ARefusedObjectStaysWithItsOfferer) {
    MatSys::I_Shader* const stored = shaders.add("a", new MatSysFakes::Shader("a"));
    MatSysFakes::Shader offered("offered");
    EXPECT_EQ(shaders.add("a", &offered), stored);
    EXPECT_EQ(shaders.add("b", nullptr), nullptr);
    EXPECT_FALSE(shaders.exists("b"));
    EXPECT_TRUE(s_log.empty());
    EXPECT_TRUE(shaders.destroy("a"));
    EXPECT_FALSE(shaders.destroy("a"));
    EXPECT_EQ(s_log, Log{"delete a"});
}

// A maker whose making stores the name first: the store deletes the object it made and
// could not keep, and hands out the stored one.
TEST_F(StoreTest, AMadeObjectTheStoreCannotKeepIsDeleted) {
    struct Reentrant : MatSysFakes::TextureMaker {
        MatSys::I_Texture* create(const std::string& name) override {
            store->add(name, new MatSysFakes::Texture("first"));
            return new MatSysFakes::Texture("second");
        }
        MatSys::TextureStore* store = nullptr;
    } maker;
    maker.store = &textures;
    textures.setTextureMaker(&maker);
    MatSys::I_Texture* const texture = textures.add("t.tga");
    EXPECT_EQ(static_cast<MatSysFakes::Texture*>(texture)->name, "first");
    EXPECT_EQ(s_log, Log{"delete second"});
}

TEST_F(StoreTest, TextureCreateKeepsANewNameAndMakesNothingForAnEmptyOrTakenOne) {
    const unsigned char pixels[4] = {};
    MatSys::I_Texture* const made = textures.create("px", pixels, 32, 1, 1, 0);
    EXPECT_EQ(textures.get("px", false), made);
    EXPECT_EQ(textures.create("px", pixels, 32, 1, 1, 0), nullptr);
    EXPECT_EQ(textures.create("", pixels, 32, 1, 1, 0), nullptr);
    MatSys::I_Texture* const fromPath = textures.add("stone", "rock.NEAR.tga");
    EXPECT_EQ(textures.get("stone", false), fromPath);
    EXPECT_EQ(s_log, (Log{"create px 32", "create rock.NEAR.tga"}));
    EXPECT_EQ(textures.getTextureMaker(), &textureMaker);
    textures.setTextureMaker(nullptr);
    EXPECT_EQ(textures.create("other", pixels, 32, 1, 1, 0), nullptr);
    EXPECT_EQ(textures.add("other"), nullptr);
}

TEST_F(StoreTest, IteratorWalksNamesByteWiseAndStaysFinished) {
    for (const char* const name : {"b", "a", "C"}) {
        textures.add(name);
    }
    const auto walk = textures.getIterator();
    std::string names;
    for (; !walk->isDone(); walk->next()) {
        const auto [name, texture] = walk->currentItem();
        EXPECT_EQ(textures.get(name, false), texture);
        names += name;
    }
    EXPECT_EQ(names, "Cab");
    const MatSys::TextureStoreIterator::Item done;
    EXPECT_EQ(walk->currentItem(), done);
    walk->next();
    EXPECT_TRUE(walk->isDone());
    EXPECT_EQ(walk->currentItem(), done);
    walk->first();
    EXPECT_EQ(walk->currentItem().first, "C");
    s_log.clear();
    textures.clear();
    EXPECT_EQ(s_log, (Log{"delete C", "delete a", "delete b"}));
    EXPECT_EQ(textures.getIterator()->currentItem(), done);
}

} // namespace
