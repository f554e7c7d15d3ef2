#include "Util/HashedID.h"
#include "Util/HashedItem.h"
#include "Util/IDHashTable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>

namespace {

using ID = Util::HashedID<unsigned long>;
using Item = Util::HashedItem<unsigned long>;
using Table = Util::IDHashTable<unsigned long>;

bool isRecorded(const unsigned long id) {
    const Item probe(id);
    return Table::instance().find(&probe) != nullptr;
}

TEST(HashedIDTest, FirstIdsOfAProcessAreOneThenTwo) {
    // A fresh process is needed, since every id taken earlier in this one counts.
    const std::string style = GTEST_FLAG_GET(death_test_style);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            {
                const ID first;
                const ID second;
                std::cerr << first.getID() << ' ' << second.getID();
            }
            std::exit(0);
        },
        testing::ExitedWithCode(0), testing::Matcher<const std::string&>("1 2"));
    GTEST_FLAG_SET(death_test_style, style);
}

TEST(HashedIDTest, IdIsRecordedWhileItsHolderLivesAndNeverReused) {
    const unsigned before = Table::instance().entries();
    std::optional<ID> holder(std::in_place);
    const unsigned long id = holder->getID();
    EXPECT_TRUE(isRecorded(id));
    EXPECT_EQ(Table::instance().entries(), before + 1);

    holder.reset();
    EXPECT_FALSE(isRecorded(id));
    EXPECT_EQ(Table::instance().entries(), before);
    EXPECT_EQ(ID().getID(), id + 1);
}

TEST(HashedIDTest, CopyRecordsAnIdOfItsOwnAndAssignmentKeepsTheTargetsId) {
    const ID original;
    std::optional<ID> copy(original);
    const unsigned long copyID = copy->getID();
    EXPECT_NE(copyID, original.getID());
    EXPECT_TRUE(isRecorded(copyID));

    *copy = original;
    EXPECT_EQ(copy->getID(), copyID);
    copy.reset();
    EXPECT_FALSE(isRecorded(copyID));
    EXPECT_TRUE(isRecorded(original.getID()));
}

TEST(HashedIDTest, DestructionRemovesOnlyItsOwnItemFromASharedChain) {
    std::optional<ID> holder(std::in_place);
    const unsigned long id = holder->getID();
    Item* const sameBucket = Table::instance().insert(new Item(id + 1009));

    holder.reset();
    EXPECT_FALSE(isRecorded(id));
    EXPECT_TRUE(isRecorded(id + 1009));

    const Item probe(id + 1009);
    EXPECT_EQ(Table::instance().remove(&probe), sameBucket);
    delete sameBucket;
}

} // namespace
