#include "Util/Singleton.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

namespace {

struct Counted : Util::Singleton<Counted> {
    Counted() { ++s_constructions; }
    static int s_constructions;
};
int Counted::s_constructions = 0;

// Fails on its first construction only.
struct FailsOnce : Util::Singleton<FailsOnce> {
    FailsOnce() {
        if (s_attempts++ == 0) {
            throw std::runtime_error("not yet");
        }
    }
    static int s_attempts;
};
int FailsOnce::s_attempts = 0;

// Stands in for the liquid property names: built without arguments, released through a
// virtual destructor.
struct PropertyNames : Util::Singleton<PropertyNames> {
    PropertyNames() : names(12, "PROPERTY") {}
    virtual ~PropertyNames() { std::cerr << names.size() << " property names released\n"; }
    std::vector<std::string> names;
};

struct EventBusStandIn : Util::Singleton<EventBusStandIn> {
    ~EventBusStandIn() { std::cerr << "bus released\n"; }
};

static_assert(!std::is_copy_constructible_v<PropertyNames>);
static_assert(!std::is_copy_assignable_v<PropertyNames>);

TEST(SingletonTest, InstanceIsBuiltOnceAndShared) {
    Counted& first = Counted::instance();
    Counted& second = Counted::instance();
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(Counted::s_constructions, 1);
}

TEST(SingletonTest, ThrowingConstructorLeavesNoInstanceAndIsTriedAgain) {
    EXPECT_THROW(FailsOnce::instance(), std::runtime_error);
    FailsOnce& instance = FailsOnce::instance();
    EXPECT_EQ(&instance, &FailsOnce::instance());
    EXPECT_EQ(FailsOnce::s_attempts, 2);
}

TEST(SingletonTest, InstancesAreDestroyedAtExitInReverseOrderOfConstruction) {
    EXPECT_EXIT(
        {
            PropertyNames::instance();
            EventBusStandIn::instance();
            std::exit(0);
        },
        testing::ExitedWithCode(0),
        testing::Matcher<const std::string&>("bus released\n12 property names released\n"));
}

} // namespace
