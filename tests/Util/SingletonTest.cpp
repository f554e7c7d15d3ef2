#include "Util/Singleton.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <string>

namespace {

template <char Name>
struct Announced : Util::Singleton<Announced<Name>> {
    ~Announced() { std::cerr << Name; }
};

TEST(SingletonTest, InstancesAreSharedAndDestroyedAtExitInReverseOrderOfConstruction) {
    EXPECT_EXIT(
        {
            Announced<'a'>::instance();
            Announced<'b'>::instance();
            Announced<'a'>::instance();
            std::exit(0);
        },
        testing::ExitedWithCode(0), testing::Matcher<const std::string&>("ba"));
}

} // namespace
