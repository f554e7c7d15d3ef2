#include "Util/Singleton.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

// Fails on its first construction only.
struct FailsOnce : Util::Singleton<FailsOnce> {
    FailsOnce() {
        if (s_attempts++ == 0) {
            throw std::runtime_error("not yet");
        }
    }
    static inline int s_attempts = 0;
};

template <char Name>
struct Announced : Util::Singleton<Announced<Name>> {
    ~Announced() { std::cerr << Name; }
};

TEST(SingletonTest, ThrowingConstructorIsTriedAgainThenTheInstanceIsBuiltOnceAndShared) {
    EXPECT_THROW(FailsOnce::instance(), std::runtime_error);
    FailsOnce& instance = FailsOnce::instance();
    EXPECT_EQ(&instance, &FailsOnce::instance());
    EXPECT_EQ(FailsOnce::s_attempts, 2);
}

TEST(SingletonTest, InstancesAreDestroyedAtExitInReverseOrderOfConstruction) {
    EXPECT_EXIT(
        {
            Announced<'a'>::instance();
            Announced<'b'>::instance();
            std::exit(0);
        },
        testing::ExitedWithCode(0), testing::Matcher<const std::string&>("ba"));
}

} // namespace
