// Counts the heap for the whole test program; only the upload case reads the count.
#include "MatSys/Material.h"
#include "Support/HeapCounter.h"
#include "Support/MatSysFakes.h"

#include <gtest/gtest.h>

namespace {

using MatSysFakes::Log;
using MatSysFakes::s_log;

TEST(MaterialTest, TexturesBindInFirstBoundOrderAroundTheProgramAndOnlyWithOne) {
    MatSysFakes::Program program("prog");
    MatSysFakes::Texture first("first");
    MatSysFakes::Texture second("second");
    MatSys::ShaderParams params;
    params.add("k:1f=1");
    MatSys::Material material(&program, &params);
    MatSys::Material bare(&program, nullptr);
    MatSys::Material inert;
    for (MatSys::Material* const m : {&material, &inert}) {
        m->bindTexture(1, &first);
        m->bindTexture(0, &first);
        m->bindTexture(1, &second);
    }
    EXPECT_EQ(material.getTextures(),
              (MatSys::Material::TextureBindings{{1, &second}, {0, &first}}));
    s_log.clear();
    for (MatSys::Material* const m : {&material, &inert, &bare}) {
        m->beginUsing();
        m->endUsing();
    }
    EXPECT_EQ(s_log, (Log{"begin second 1", "begin first 0", "begin prog given", "end second 1",
                          "end first 0", "end prog", "begin prog own", "end prog"}));
}

// Under AddressSanitizer a release before the copy shows as a use after free.
TEST(MaterialTest, ParametersAreTheMaterialsOwnCopyEvenOfItsOwnSet) {
    MatSys::ShaderParams params;
    params.add("k:1f=1");
    MatSys::Material material(nullptr, &params);
    params.add("k:1f=2");
    material.setParams(material.getParams());
    EXPECT_EQ(material.getParams()->getIterator()->currentItem().getValue(), "1");
    material.setParams(&params);
    params.add("k:1f=3");
    EXPECT_EQ(material.getParams()->getIterator()->currentItem().getValue(), "2");
    material.setParams(nullptr);
    EXPECT_EQ(material.getParams(), nullptr);
}

TEST(MaterialTest, UsingAMaterialWalksItsSixteenParametersWithoutAllocating) {
    const MatSys::ShaderParams params = MatSysFakes::sixteenParams();
    MatSysFakes::Program program("prog");
    program.quiet = true;
    MatSys::Material material(&program, &params);
    const std::size_t before = HeapCounter::s_allocations;
    material.beginUsing();
    material.endUsing();
    EXPECT_EQ(HeapCounter::s_allocations - before, 0u);
    EXPECT_EQ(program.uploaded, 16);
}

} // namespace
