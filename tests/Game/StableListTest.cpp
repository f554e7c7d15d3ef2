#include "Game/StableList.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

struct Item {
    char name;
    std::size_t place = 0;
};

using List = Game::StableList<Item, &Item::place>;

std::string names(List& list) {
    std::string out;
    list.forEach([&out](const Item& item) { out += item.name; });
    return out;
}

TEST(StableListTest, ItemKeepingItsPlaceIsFoundAfterHolesCloseAndListedAgainAfterRemoval) {
    std::array<Item, 4> items{{{'a'}, {'b'}, {'c'}, {'d'}}};
    List list;
    for (Item& item : items) {
        list.add(&item);
    }
    list.remove(&items[1]);
    EXPECT_EQ(names(list), "acd");
    list.remove(&items[2]);
    list.add(&items[2]);
    EXPECT_EQ(names(list), "adc");
}

} // namespace
