#include "Util/NamePtrStore.h"
#include "Util/BasicStore.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// A resource behind an interface, as the material system stores them; it logs its deletion.
struct I_Resource {
    virtual ~I_Resource() = default;
};

std::vector<std::string> s_deleted;

struct Resource : I_Resource {
    explicit Resource(std::string name) : name(std::move(name)) {}
    ~Resource() override { s_deleted.push_back(name); }
    std::string name;
};

using ResourceStore = Util::NamePtrStore<I_Resource>;

// Stand-ins for the sprite subsystem's stored types: a plain frame record, a sequence that
// is a vector of entries whose first member is a list, and a mapping store whose destructor
// (not virtual) deletes its own table.
struct Frame {
    int x = 0;
};

struct SeqEntry {
    std::vector<const Frame*> frames;
    int delay = 0;
};
using Sequence = std::vector<SeqEntry>;

struct SeqMapStore {
    using Table = Util::BasicStore<std::pair<const Sequence*, int>, Sequence*>;
    SeqMapStore() : table(new Table(nullptr)) {}
    SeqMapStore(const SeqMapStore&) = delete;
    SeqMapStore& operator=(const SeqMapStore&) = delete;
    ~SeqMapStore() {
        delete table;
        ++s_destroyed;
    }
    Table* table;
    static int s_destroyed;
};
int SeqMapStore::s_destroyed = 0;

class NamePtrStoreTest : public testing::Test {
protected:
    void SetUp() override { s_deleted.clear(); }
};

TEST_F(NamePtrStoreTest, NameKeepsItsFirstObjectAndARefusedOneStaysWithTheCaller) {
    ResourceStore store("ShaderStore", nullptr);
    Resource* const first = new Resource("first");
    Resource* const second = new Resource("second");
    EXPECT_EQ(store.add("flat", first), first);
    EXPECT_EQ(store.add("flat", second), first);
    EXPECT_EQ(store.get("flat"), first);
    EXPECT_TRUE(s_deleted.empty());

    delete second;
    EXPECT_EQ(s_deleted, std::vector<std::string>{"second"});
}

TEST_F(NamePtrStoreTest, NullObjectIsNotStored) {
    ResourceStore store("TextureStore", nullptr);
    EXPECT_EQ(store.add("font.tga", nullptr), nullptr);
    EXPECT_FALSE(store.exists("font.tga"));
}

TEST_F(NamePtrStoreTest, BasicStoreAddFollowsTheOwningRules) {
    ResourceStore store("MaterialStore", nullptr);
    Resource* const first = new Resource("first");
    Resource* const second = new Resource("second");
    store.add("stone", first);

    Util::BasicStore<std::string, I_Resource*>& asBasicStore = store;
    asBasicStore.add("stone", second);
    asBasicStore.add("empty", nullptr);
    EXPECT_EQ(store.get("stone"), first);
    EXPECT_FALSE(store.exists("empty"));

    asBasicStore.add("wood", second);
    EXPECT_EQ(store.get("wood"), second);
}

TEST_F(NamePtrStoreTest, DestroyDeletesOnceThenReportsTheNameAbsent) {
    ResourceStore store("ShaderProgramStore", nullptr);
    store.add("glow", new Resource("glow"));
    EXPECT_TRUE(store.destroy("glow"));
    EXPECT_EQ(s_deleted, std::vector<std::string>{"glow"});
    EXPECT_FALSE(store.destroy("glow"));
    EXPECT_FALSE(store.exists("glow"));
    EXPECT_EQ(s_deleted.size(), 1u);
}

TEST_F(NamePtrStoreTest, StoreDeletesItsObjectsInNameOrderButNotOneHandedBack) {
    I_Resource* taken = nullptr;
    {
        ResourceStore store("ShaderStore", nullptr);
        for (const char* const name : {"c", "taken", "a", "b"}) {
            store.add(name, new Resource(name));
        }
        taken = store.remove("taken");
    }
    EXPECT_EQ(s_deleted, (std::vector<std::string>{"a", "b", "c"}));
    delete taken;
}

TEST_F(NamePtrStoreTest, ClearDeletesEveryObjectAndEmptiesTheStore) {
    ResourceStore store("TextureStore", nullptr);
    store.add("b", new Resource("b"));
    store.add("a", new Resource("a"));
    store.clear();
    EXPECT_EQ(s_deleted, (std::vector<std::string>{"a", "b"}));
    EXPECT_FALSE(store.exists("a"));
    EXPECT_TRUE(store.getPairIterator()->isDone());
}

TEST_F(NamePtrStoreTest, PairIteratorWalksNamesInOrderThenGivesEmptyNameAndNull) {
    ResourceStore store("MaterialStore", nullptr);
    Resource* const b = new Resource("b");
    Resource* const a = new Resource("a");
    store.add("b", b);
    store.add("a", a);

    auto walk = store.getPairIterator();
    EXPECT_EQ(walk->currentItem(), std::make_pair(std::string("a"), static_cast<I_Resource*>(a)));
    walk->next();
    EXPECT_EQ(walk->currentItem(), std::make_pair(std::string("b"), static_cast<I_Resource*>(b)));
    walk->next();
    EXPECT_TRUE(walk->isDone());
    EXPECT_EQ(walk->currentItem(),
              std::make_pair(std::string(), static_cast<I_Resource*>(nullptr)));
    walk->first();
    EXPECT_EQ(walk->currentItem().first, "a");
}

TEST_F(NamePtrStoreTest, DefaultObjectStoreNeverStoresOrDeletesItsDefault) {
    static Frame s_defaultFrame;
    Util::NamePtrStore<Frame> frames("AnimFrameStore", &s_defaultFrame);
    EXPECT_EQ(frames.get("missing"), &s_defaultFrame);
    EXPECT_EQ(frames.add("missing", &s_defaultFrame), &s_defaultFrame);
    EXPECT_EQ(frames.add("missing", nullptr), &s_defaultFrame);
    EXPECT_FALSE(frames.exists("missing"));
    EXPECT_FALSE(frames.destroy("missing"));

    frames.add("walk0", new Frame);
    auto walk = frames.getPairIterator();
    walk->next();
    EXPECT_EQ(walk->currentItem(), std::make_pair(std::string(), &s_defaultFrame));
    frames.clear();
    EXPECT_EQ(frames.get("walk0"), &s_defaultFrame);
}

TEST_F(NamePtrStoreTest, SequencesAndMappingStoresAreReleasedWithWhatTheyOwn) {
    static Frame s_frame;
    {
        Util::NamePtrStore<Sequence> sequences("AnimSequenceStore", nullptr);
        sequences.add("run", new Sequence{{{&s_frame, &s_frame}, 40}, {{&s_frame}, 60}});
        sequences.add("idle", new Sequence{{{&s_frame}, 100}});
        EXPECT_TRUE(sequences.destroy("idle"));
    }

    SeqMapStore::s_destroyed = 0;
    Sequence target;
    {
        Util::NamePtrStore<SeqMapStore> mappings("AnimSeqMappingStores", nullptr);
        for (const char* const name : {"hero", "ghost", "bat"}) {
            SeqMapStore* const mapping = mappings.add(name, new SeqMapStore);
            mapping->table->add({&target, 1}, &target);
        }
        EXPECT_TRUE(mappings.destroy("ghost"));
        EXPECT_EQ(SeqMapStore::s_destroyed, 1);
    }
    EXPECT_EQ(SeqMapStore::s_destroyed, 3);
    EXPECT_TRUE(target.empty());
}

} // namespace
