#include "MatSys/TextureOptionsMaker.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The four flags as "2D linear mipmaps compressed" digits.
std::string flagsOf(const std::string& name) {
    const MatSys::TextureOptions o = MatSys::TextureOptionsMaker().make(name);
    return {char('0' + o.is2D), char('0' + o.linear), char('0' + o.mipmaps),
            char('0' + o.compressed)};
}

TEST(TextureOptionsTest, OptionWordsSwitchTheDefaultAndTheLastWordWins) {
    const char* const cases[][2] = {
        {"font.tga", "1111"},
        {"font.NEAR.NMIP.tga", "1001"},
        {"cube.3D.tga", "0111"},
        {"x.3D.2D.tga", "1111"},
        {"x.NCMP.CMP.NEAR.LINR.NMIP", "1101"},
        {"x.near.Near.3d.NEARER.tga", "1111"},
        {"x. NEAR\t.. NCMP.tga", "1010"},
        {"NEAR", "1011"},
    };
    for (const auto& [name, flags] : cases) {
        EXPECT_EQ(flagsOf(name), flags) << name;
    }
    MatSys::TextureOptions::setDefault({false, false, false, false});
    EXPECT_EQ(flagsOf("x.tga"), "0000");
    EXPECT_EQ(flagsOf("x.MIP.tga"), "0010");
    MatSys::TextureOptions::setDefault({true, true, true, true});
}

} // namespace
