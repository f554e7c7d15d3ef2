#include "MatSys/TextureOptionsMaker.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using Flags = std::tuple<bool, bool, bool, bool>;

Flags flagsOf(const std::string& name) {
    const MatSys::TextureOptions options = MatSys::TextureOptionsMaker().make(name);
    return {options.is2D, options.linear, options.mipmaps, options.compressed};
}

TEST(TextureOptionsTest, OptionWordsSwitchTheDefaultAndTheLastWordWins) {
    const struct {
        const char* name;
        Flags flags;
    } cases[] = {
        {"font.tga", {true, true, true, true}},
        {"font.NEAR.NMIP.tga", {true, false, false, true}},
        {"cube.3D.tga", {false, true, true, true}},
        {"x.3D.2D.tga", {true, true, true, true}},
        {"x.NCMP.CMP.NEAR.LINR.NMIP.tga", {true, true, false, true}},
        {"x.near.Near.3d.tga", {true, true, true, true}},
        {"x. NEAR\t.. NCMP.tga", {true, false, true, false}},
        {"x.NEARER.NEAR_.tga", {true, true, true, true}},
        {"NEAR", {true, false, true, true}},
        {"", {true, true, true, true}},
    };
    for (const auto& [name, flags] : cases) {
        EXPECT_EQ(flagsOf(name), flags) << name;
    }
}

TEST(TextureOptionsTest, NewDefaultAppliesToOptionsMadeAfterwardsOnly) {
    const MatSys::TextureOptions before;
    MatSys::TextureOptions::setDefault({false, false, false, false});
    EXPECT_EQ(flagsOf("x.tga"), Flags(false, false, false, false));
    EXPECT_EQ(flagsOf("x.MIP.tga"), Flags(false, false, true, false));
    EXPECT_TRUE(before.is2D && before.linear && before.mipmaps && before.compressed);
    MatSys::TextureOptions::setDefault({true, true, true, true});
}

} // namespace
