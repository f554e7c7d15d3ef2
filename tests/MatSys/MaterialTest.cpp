#include "MatSys/Material.h"
#include "Support/MatSysFakes.h"

#include <gtest/gtest.h>

namespace {

using MatSysFakes::Log;
using MatSysFakes::s_log;

class MaterialTest : public testing::Test {
protected:
    void SetUp() override { s_log.clear(); }
    MatSysFakes::Program program{"prog"};
    MatSysFakes::Texture first{"first"};
    MatSysFakes::Texture second{"second"};
};

TEST_F(MaterialTest, TexturesBindInFirstBoundOrderAroundTheProgramWithTheOwnSet) {
    MatSys::ShaderParams params;
    params.add("k:1f=1");
    MatSys::Material material(&program, &params);
    material.bindTexture(1, &first);
    material.bindTexture(0, &first);
    material.bindTexture(1, &second);
    EXPECT_EQ(material.getTextures(),
              (MatSys::Material::TextureBindings{{1, &second}, {0, &first}}));
    material.beginUsing();
    material.endUsing();
    EXPECT_EQ(s_log, (Log{"begin second 1", "begin first 0", "begin prog given", "end second 1",
                          "end first 0", "end prog"}));
    EXPECT_EQ(program.uploaded, 1);
    EXPECT_EQ(material.getProgram(), &program);
}

TEST_F(MaterialTest, WithoutAProgramNothingIsBoundAndWithoutASetTheProgramGetsNull) {
    MatSys::Material inert;
    inert.bindTexture(0, &first);
    inert.beginUsing();
    inert.endUsing();
    EXPECT_TRUE(s_log.empty());
    MatSys::Material bare(&program, nullptr);
    bare.beginUsing();
    EXPECT_EQ(s_log, Log{"begin prog own"});
    EXPECT_EQ(bare.getParams(), nullptr);
}

// Run under AddressSanitizer, a release before the copy shows as a use after free.
TEST_F(MaterialTest, ParametersAreTheMaterialsOwnCopyEvenOfItsOwnSet) {
    MatSys::ShaderParams params;
    params.add("k:1f=1");
    MatSys::Material material(&program, &params);
    params.add("k:1f=2");
    material.setParams(material.getParams());
    ASSERT_NE(material.getParams(), nullptr);
    EXPECT_EQ(material.getParams()->getIterator()->currentItem().getValue(), "1");
    material.setParams(&params);
    params.add("j:1f=3");
    material.setParams(material.getParams());
    EXPECT_EQ(material.getParams()->getIterator()->currentItem().getValue(), "2");
    material.setParams(nullptr);
    EXPECT_EQ(material.getParams(), nullptr);
}

} // namespace
