#include "Util/BasicHashTable.h"
#include "Util/HashedItem.h"

#include <gtest/gtest.h>

namespace {

using Item = Util::HashedItem<unsigned long>;
using Table = Util::BasicHashTable<Item>;

// Counts its destructions, so tests can tell which items a table deleted. Larger than a
// plain item, it is deleted through the item's destructor with a different size.
struct CountedItem : Item {
    explicit CountedItem(const unsigned long key) : Item(key) {}
    ~CountedItem() override { ++s_destroyed; }
    unsigned long extra = 0;
    static int s_destroyed;
};
int CountedItem::s_destroyed = 0;

TEST(BasicHashTableTest, KeysOneBucketCountApartShareAChainNewestFirst) {
    Table table(1009);
    Item older(5);
    Item newer(5 + 1009);
    table.insert(&older);
    table.insert(&newer);

    EXPECT_EQ(table.itemBucket(&older), 5u);
    EXPECT_EQ(table.itemBucket(&newer), 5u);
    const Table::Link* const head = table.chainHead(&older);
    EXPECT_EQ(head->item, nullptr);
    ASSERT_NE(head->next, nullptr);
    EXPECT_EQ(head->next->item, &newer);
    ASSERT_NE(head->next->next, nullptr);
    EXPECT_EQ(head->next->next->item, &older);
    EXPECT_EQ(head->next->next->next, nullptr);
}

TEST(BasicHashTableTest, RemovedLinkIsTakenByTheNextInsert) {
    Table table(1009);
    Item first(1);
    Item second(2);
    Item third(3);
    table.insert(&first);
    table.insert(&second);
    const Table::Link* const firstLink = table.chainHead(&first)->next;

    const Item probe(1);
    EXPECT_EQ(table.remove(&probe), &first);
    EXPECT_EQ(table.entries(), 1u);
    EXPECT_EQ(table.find(&probe), nullptr);

    table.insert(&third);
    EXPECT_EQ(table.chainHead(&third)->next, firstLink);
    EXPECT_EQ(table.entries(), 2u);
}

TEST(BasicHashTableTest, EqualItemsAreBothKeptAndMetNewestFirst) {
    Table table(7);
    Item older(40);
    Item newer(40);
    table.insert(&older);
    table.insert(&newer);
    EXPECT_EQ(table.entries(), 2u);

    const Item probe(40);
    EXPECT_EQ(table.find(&probe), &newer);
    EXPECT_EQ(table.remove(&probe), &newer);
    EXPECT_EQ(table.remove(&probe), &older);
    EXPECT_EQ(table.remove(&probe), nullptr);
    EXPECT_EQ(table.entries(), 0u);
}

TEST(BasicHashTableTest, RemovingAnItemLeavesTheRestOfItsChain) {
    Table table(7);
    Item chain[] = {Item(3), Item(10), Item(17)};
    for (Item& item : chain) {
        table.insert(&item);
    }

    EXPECT_EQ(table.remove(&chain[1]), &chain[1]);
    EXPECT_EQ(table.find(&chain[1]), nullptr);
    EXPECT_EQ(table.find(&chain[0]), &chain[0]);
    EXPECT_EQ(table.find(&chain[2]), &chain[2]);
}

TEST(BasicHashTableTest, ClearKeepsItemsAndClearAndDestroyDeletesThem) {
    Table table(7);
    CountedItem kept(1);
    table.insert(&kept);
    table.insert(&kept);
    CountedItem::s_destroyed = 0;
    table.clear();
    EXPECT_EQ(table.entries(), 0u);
    EXPECT_EQ(CountedItem::s_destroyed, 0);

    table.insert(new CountedItem(1));
    table.insert(new CountedItem(8));
    table.insert(new Item(2));
    table.clearAndDestroy();
    EXPECT_EQ(table.entries(), 0u);
    EXPECT_EQ(CountedItem::s_destroyed, 2);
    const Item probe(1);
    EXPECT_EQ(table.find(&probe), nullptr);
}

} // namespace
