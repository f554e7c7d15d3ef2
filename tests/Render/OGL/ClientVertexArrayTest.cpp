// Runs without a display: the abort comes before any GL call.
#include "Render/OGL/VertexArray.h"

#include <gtest/gtest.h>

namespace {

TEST(ClientVertexArrayDeathTest, UnknownDataTypeEndsWithTheAbortReport) {
    OGL::VertexArray array(16);
    EXPECT_DEATH(array.defineColorInfo(4, static_cast<Render::I_VertexArray::DataType>(7)),
                 "^ABORT: Func:void OGL::VertexArray::setDataInfo\\(int, int, "
                 "Render::I_VertexArray::DataType\\) File:[^ ]*VertexArray\\.cpp Line: [0-9]+\n"
                 "ABORT: UNKNOWN VertexArrayDataType 7\n$");
}

} // namespace
