#include "Util/HashedID.h"
#include "Support/HeapCounter.h"
#include "Util/HashedItem.h"
#include "Util/IDHashTable.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdlib>
#include <iostream>
#include <memory>
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
            std::cerr << ID().getID() << ' ' << ID().getID();
            std::exit(0);
        },
        testing::ExitedWithCode(0), testing::Matcher<const std::string&>("1 2"));
    GTEST_FLAG_SET(death_test_style, style);
}

TEST(HashedIDTest, DestructionRemovesOnlyItsOwnIdFromASharedChainAndTheIdIsNotReused) {
    const unsigned before = Table::instance().entries();
    auto holder = std::make_unique<ID>();
    const unsigned long id = holder->getID();
    EXPECT_TRUE(isRecorded(id));
    EXPECT_EQ(Table::instance().entries(), before + 1);
    Item* const sameChain = Table::instance().insert(new Item(id + 1009));

    holder.reset();
    EXPECT_FALSE(isRecorded(id));
    EXPECT_TRUE(isRecorded(id + 1009));
    EXPECT_EQ(ID().getID(), id + 1);
    EXPECT_EQ(Table::instance().remove(sameChain), sameChain);
    EXPECT_EQ(Table::instance().entries(), before);
    delete sameChain;
}

TEST(HashedIDTest, CopyRecordsAnIdOfItsOwnAndAssignmentKeepsTheTargetsId) {
    const ID original;
    auto copy = std::make_unique<ID>(original);
    const unsigned long copyID = copy->getID();
    EXPECT_NE(copyID, original.getID());
    EXPECT_TRUE(isRecorded(copyID));

    *copy = original;
    EXPECT_EQ(copy->getID(), copyID);
    copy.reset();
    EXPECT_FALSE(isRecorded(copyID));
    EXPECT_TRUE(isRecorded(original.getID()));
}

TEST(HashedIDTest, SteadyCreationAndDestructionAllocatesNothing) {
    const auto createAndDestroy = [] {
        std::array<std::optional<ID>, 1000> holders;
        for (auto& holder : holders) {
            holder.emplace();
        }
    };
    createAndDestroy();
    const std::size_t before = HeapCounter::s_allocations;
    createAndDestroy();
    EXPECT_EQ(HeapCounter::s_allocations - before, 0u);
}

} // namespace
