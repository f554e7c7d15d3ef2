#include "AllocationCounter.h"
#include "Util/HashedID.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <optional>

namespace {

using ID = Util::HashedID<unsigned long>;
using Holders = std::array<std::optional<ID>, 1000>;

void createAndDestroy(Holders& holders) {
    for (auto& holder : holders) {
        holder.emplace();
    }
    for (auto& holder : holders) {
        holder.reset();
    }
}

TEST(HashedIDAllocationTest, SteadyCreationAndDestructionAllocatesNothing) {
    Holders holders;
    createAndDestroy(holders);

    const std::size_t before = AllocationCounter::s_allocations;
    createAndDestroy(holders);
    createAndDestroy(holders);
    EXPECT_EQ(AllocationCounter::s_allocations - before, 0u);
}

} // namespace
