#include "Util/BasicHashTable.h"
#include "Util/HashedItem.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Item = Util::HashedItem<unsigned long>;
using Table = Util::BasicHashTable<Item>;

// Counts its destructions. Larger than a plain item, it is deleted through the item's
// destructor with a different size.
struct CountedItem : Item {
    explicit CountedItem(const unsigned long key) : Item(key) {}
    ~CountedItem() override { ++s_destroyed; }
    unsigned long extra = 0;
    static inline int s_destroyed = 0;
};

// The items of the item's chain, first to last.
std::vector<const Item*> chainOf(const Table& table, const Item& item) {
    std::vector<const Item*> items;
    for (const Table::Link* link = table.chainHead(&item)->next; link; link = link->next) {
        items.push_back(link->item);
    }
    return items;
}

TEST(BasicHashTableTest, ChainHoldsItsItemsNewestFirstEqualOnesIncluded) {
    Table table(1009);
    Item older(5);
    Item sameBucket(5 + 1009);
    Item newer(5);
    for (Item* const item : {&older, &sameBucket, &newer}) {
        table.insert(item);
    }
    EXPECT_EQ(chainOf(table, older), (std::vector<const Item*>{&newer, &sameBucket, &older}));
    const Item probe(5);
    EXPECT_EQ(table.find(&probe), &newer);
    EXPECT_EQ(table.remove(&sameBucket), &sameBucket);
    EXPECT_EQ(table.remove(&probe), &newer);
    EXPECT_EQ(table.remove(&probe), &older);
    EXPECT_EQ(table.remove(&probe), nullptr);
    EXPECT_EQ(table.entries(), 0u);
}

TEST(BasicHashTableTest, ClearKeepsItemsAndClearAndDestroyDeletesThem) {
    Table table(7);
    CountedItem kept(1);
    table.insert(&kept);
    table.insert(&kept);
    table.clear();
    EXPECT_EQ(table.entries(), 0u);
    EXPECT_EQ(CountedItem::s_destroyed, 0);

    table.insert(new CountedItem(1));
    table.insert(new CountedItem(8));
    table.insert(new Item(2));
    table.clearAndDestroy();
    EXPECT_EQ(table.entries(), 0u);
    EXPECT_EQ(CountedItem::s_destroyed, 2);
    EXPECT_EQ(table.find(&kept), nullptr);
}

} // namespace
