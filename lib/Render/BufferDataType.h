#pragma once

namespace Render {

// Usage of a pixel buffer.
enum BufferDataType : int {
    BDT_STATIC_DRAW = 0,
    BDT_DYNAMIC_DRAW = 1,
    BDT_DYNAMIC_READ = 2,
    BDT_DYNAMIC_COPY = 3
};

} // namespace Render
