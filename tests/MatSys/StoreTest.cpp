#include "MatSys/MaterialStore.h"
#include "MatSys/ShaderProgramStore.h"
#include "MatSys/TextureStore.h"
#include "Support/MatSysFakes.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using MatSysFakes::Log;
using MatSysFakes::s_log;

// The names of a set's parameters with their values.
std::string texts(const MatSys::ShaderParams* const params) {
    std::string text = params == nullptr ? "none" : "";
    if (params != nullptr) {
        params->forEach([&text](const auto& p) { text += p.getName() + "=" + p.getValue(); });
    }
    return text;
}

TEST(StoreTest, MissingObjectsAreMadeOnceOnlyWhenAskedAndWhatIsHandedOutIsHeld) {
    s_log.clear();
    MatSysFakes::TextureMaker maker;
    MatSys::TextureStore store(&maker);
    const unsigned char pixels[4] = {};
    EXPECT_EQ(store.get("a", false), nullptr);
    MatSys::I_Texture* const a = store.get("a", true);
    EXPECT_EQ(store.add("a"), a);
    EXPECT_EQ(store.add("a", "x.tga"), a);
    // Under a taken name the new texture is made but not stored: it is the caller's.
    const std::unique_ptr<MatSys::I_Texture> unstored(store.create("a", pixels, 32, 1, 1, 0));
    EXPECT_TRUE(unstored != nullptr && unstored.get() != a);
    EXPECT_EQ(store.create("", pixels, 32, 1, 1, 0), nullptr);
    MatSys::I_Texture* const b = store.create("b", pixels, 32, 1, 1, 0);
    store.add("c", "rock.NEAR.tga");
    EXPECT_EQ(store.add("bad"), nullptr);
    EXPECT_EQ(s_log, (Log{"a", "pixels a", "pixels b", "rock.NEAR.tga", "bad"}));
    MatSysFakes::Texture offered("offered");
    EXPECT_EQ(store.add("b", &offered), b);
    store.setTextureMaker(nullptr);
    EXPECT_EQ(store.add("e"), nullptr);
    EXPECT_EQ(store.create("e", pixels, 32, 1, 1, 0), nullptr);

    const auto walk = store.getIterator();
    EXPECT_EQ(walk->currentItem(), std::make_pair(std::string("a"), a));
    const MatSys::TextureStoreIterator::Item done;
    for (int step = 0; step < 4; ++step) {
        walk->next();
    }
    EXPECT_TRUE(walk->isDone() && walk->currentItem() == done);
}

// A maker whose making stores the name first: the store deletes what it made and could not
// keep, and hands out the stored texture.
TEST(StoreTest, AMadeObjectTheStoreCannotKeepIsDeleted) {
    struct Reentrant : MatSysFakes::TextureMaker {
        MatSys::I_Texture* create(const std::string& name) override {
            store->add(name, new MatSysFakes::Texture("first"));
            return new MatSysFakes::Texture("second");
        }
        MatSys::TextureStore* store = nullptr;
    } maker;
    MatSys::TextureStore store(&maker);
    maker.store = &store;
    s_log.clear();
    EXPECT_EQ(static_cast<MatSysFakes::Texture*>(store.add("t"))->name, "first");
    EXPECT_EQ(s_log, Log{"delete second"});
}

TEST(StoreTest, StoredProgramsAndMaterialsTakeNewParametersByTheirOwnRules) {
    s_log.clear();
    MatSysFakes::ProgramMaker programMaker;
    MatSys::ShaderProgramStore programs(&programMaker);
    MatSys::ShaderParams k1;
    k1.add("k:1f=1");
    MatSys::ShaderParams k2;
    k2.add("k:1f=2");
    auto* const lit = static_cast<MatSysFakes::Program*>(programs.get("lit", true));
    EXPECT_EQ(programs.add("lit", k1), lit);
    EXPECT_EQ(programs.add("lit", k2, std::vector<std::string>{"a.VS"}), lit);
    EXPECT_EQ(texts(&lit->getParams()), "k=1");
    EXPECT_EQ(programs.add("lit", k2, "x.prg"), lit);
    EXPECT_EQ(texts(&lit->getParams()), "k=2");
    lit->refusesParams = true;
    EXPECT_EQ(programs.add("lit", k1), nullptr);
    EXPECT_EQ(programs.get("lit", false), lit);
    EXPECT_EQ(texts(&programs.add("sky", k1, "x.prg")->getParams()), "k=1");

    MatSysFakes::MaterialMaker materialMaker;
    MatSys::MaterialStore materials(&materialMaker);
    const MatSys::ShaderParams* const none = nullptr;
    MatSys::Material* const stone = materials.get("stone", true);
    EXPECT_EQ(texts(stone->getParams()), "none");
    EXPECT_EQ(materials.add("stone", &k1), stone);
    EXPECT_EQ(materials.add("stone", none, "x.matdef"), stone);
    EXPECT_EQ(texts(stone->getParams()), "k=1");
    materials.add("stone", none);
    EXPECT_EQ(texts(stone->getParams()), "none");
    materials.add("stone", &k2, "x.matdef");
    EXPECT_EQ(texts(stone->getParams()), "k=2");
    EXPECT_EQ(texts(materials.add("wood", &k1, "x.matdef")->getParams()), "k=1");
    EXPECT_EQ(s_log, (Log{"lit", "sky from x.prg", "stone", "wood from x.matdef"}));
    EXPECT_EQ(materials.getMatdefExt(), ".matdef");
    materials.setMaterialMaker(nullptr);
    EXPECT_EQ(materials.getMatdefExt(), "WTH!!");
}

} // namespace
