#include "Util/NamePtrStore.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Names = std::vector<std::string>;
Names s_deleted;

// A resource behind an interface, as the material system stores them; it logs its deletion.
struct I_Resource {
    virtual ~I_Resource() = default;
};

struct Resource : I_Resource {
    explicit Resource(std::string resourceName) : name(std::move(resourceName)) {}
    ~Resource() override { s_deleted.push_back(name); }
    std::string name;
};

class NamePtrStoreTest : public testing::Test {
protected:
    void SetUp() override { s_deleted.clear(); }
    // Stores a new resource under its own name.
    I_Resource* add(const char* const name) { return store.add(name, new Resource(name)); }
    Util::NamePtrStore<I_Resource> store{"ShaderStore"};
};

// Through either add: the base's, reached by a caller holding a plain store, follows the rules.
TEST_F(NamePtrStoreTest, NameKeepsItsFirstObjectAndARefusedOneStaysWithTheCaller) {
    I_Resource* const first = add("stone");
    Resource refused("refused");
    EXPECT_EQ(store.add("stone", &refused), first);
    Util::BasicStore<std::string, I_Resource*>& asBasicStore = store;
    asBasicStore.add("stone", &refused);
    asBasicStore.add("empty", nullptr);
    EXPECT_EQ(store.get("stone"), first);
    auto walk = store.getPairIterator();
    walk->next();
    EXPECT_TRUE(walk->isDone());
    EXPECT_TRUE(s_deleted.empty());
}

TEST_F(NamePtrStoreTest, DestroyDeletesOnceThenReportsTheNameAbsent) {
    add("glow");
    EXPECT_TRUE(store.destroy("glow"));
    EXPECT_FALSE(store.destroy("glow"));
    EXPECT_FALSE(store.exists("glow"));
    EXPECT_EQ(s_deleted, Names{"glow"});
}

TEST_F(NamePtrStoreTest, ClearDeletesItsObjectsInNameOrderButNotOneHandedBack) {
    for (const char* const name : {"c", "taken", "a", "b"}) {
        add(name);
    }
    const std::unique_ptr<I_Resource> taken(store.remove("taken"));
    store.clear();
    EXPECT_EQ(s_deleted, (Names{"a", "b", "c"}));
    EXPECT_FALSE(store.exists("a"));
}

TEST_F(NamePtrStoreTest, PairIteratorGivesNameAndObjectThenEmptyNameAndNull) {
    const std::pair<std::string, I_Resource*> done;
    EXPECT_EQ(store.getPairIterator()->currentItem(), done);
    I_Resource* const glow = add("glow");
    auto walk = store.getPairIterator();
    EXPECT_EQ(walk->currentItem(), std::make_pair(std::string("glow"), glow));
    walk->next();
    EXPECT_EQ(walk->currentItem(), done);
}

TEST_F(NamePtrStoreTest, DefaultObjectStoreNeverStoresOrDeletesItsDefault) {
    struct Frame {};
    static Frame s_defaultFrame;
    Util::NamePtrStore<Frame> frames("AnimFrameStore", &s_defaultFrame);
    Util::BasicStore<std::string, Frame*>& asBasicStore = frames;
    EXPECT_EQ(frames.get("missing"), &s_defaultFrame);
    EXPECT_EQ(frames.add("missing", &s_defaultFrame), &s_defaultFrame);
    EXPECT_EQ(frames.add("missing", nullptr), &s_defaultFrame);
    asBasicStore.add("missing", nullptr);
    EXPECT_TRUE(frames.getPairIterator()->isDone());
    EXPECT_FALSE(frames.destroy("missing"));

    frames.add("walk0", new Frame);
    auto walk = frames.getPairIterator();
    walk->next();
    EXPECT_EQ(walk->currentItem(), std::make_pair(std::string(), &s_defaultFrame));
    frames.clear();
    EXPECT_EQ(frames.get("walk0"), &s_defaultFrame);
}

} // namespace
