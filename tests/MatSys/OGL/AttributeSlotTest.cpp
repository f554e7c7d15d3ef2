#include "MatSys/OGL/AttributeSlot.h"

#include <gtest/gtest.h>

namespace {

using MatSys::OGL::AttributeSlot;

TEST(AttributeSlotTest, NameSuffixesChooseTheGenericIndex) {
    const struct {
        const char* name;
        int slot;
    } cases[] = {
        {"gl_Vertex", AttributeSlot::BUILT_IN},
        {"pos_vtx", 0},
        {"uv_texcoord", 1},
        {"col_clr", 2},
        {"normal_atr0", 3},
        {"atr3", 6},
        {"data_atr", 3},
        {"w_atr02", 5},
        {"atr_vtx", 0},
        {"weight_atr4", AttributeSlot::REFUSED},
        {"position", AttributeSlot::REFUSED},
        {"x_atrabc", AttributeSlot::REFUSED},
        {"x_atr1x", AttributeSlot::REFUSED},
        {"x_atr99999999999999999999", AttributeSlot::REFUSED},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AttributeSlot::forName(c.name), c.slot) << c.name;
    }
}

} // namespace
