#include "Fakes.h"
#include "MatSys/ShaderStore.h"
#include "MatSys/TextureStore.h"

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
