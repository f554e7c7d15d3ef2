// Counts the heap for the whole test program; only this case reads the count.
#include "MatSys/Material.h"
#include "Support/HeapCounter.h"
#include "Support/MatSysFakes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(MaterialUploadTest, UsingAMaterialWalksItsParametersWithoutAllocating) {
    MatSys::ShaderParams params;
    for (int i = 0; i < 16; ++i) {
        params.add("parameter" + std::to_string(i) + ":4f=1, 0.5, 0.25, 1");
    }
    MatSysFakes::Program program("prog");
    program.quiet = true;
    MatSysFakes::Texture texture("tex");
    MatSys::Material material(&program, &params);
    const std::size_t before = HeapCounter::s_allocations;
    material.beginUsing();
    material.endUsing();
    EXPECT_EQ(HeapCounter::s_allocations - before, 0u);
    EXPECT_EQ(program.uploaded, 16);
}

} // namespace
