// Runs without a display: the abort comes before any GL call.
#include "Render/OGL/VertexArray.h"
#include "Support/AbortReport.h"

#include <gtest/gtest.h>

namespace {

TEST(ClientVertexArrayDeathTest, UnknownDataTypeEndsWithTheAbortReport) {
    OGL::VertexArray array(16);
    EXPECT_ABORT_REPORT(array.defineColorInfo(4, static_cast<Render::I_VertexArray::DataType>(7)),
                        "OGL::VertexArray::setDataInfo(", "UNKNOWN VertexArrayDataType 7");
}

} // namespace
