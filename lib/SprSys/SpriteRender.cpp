#include "SprSys/SpriteRender.h"

#include "Render/I_VertexArray.h"
#include "SprSys/Sprite.h"
#include "SprSys/SpriteRotation.h"
#include "SprSys/SpriteSheet.h"

#include <cmath>
#include <cstddef>

namespace SprSys {

namespace {

constexpr double RADIANS_PER_DEGREE = 0.017453292519943295;
constexpr int FLOATS_PER_QUAD = 36;

struct Corner {
    float x;
    float y;
};

// The four corners of a quad relative to its centre, before the plane is chosen.
void cornersOf(const AnimFrame& frame, const SpriteRotation* rotation, const SpriteSheet& sheet,
               int angle, float sx, float sy, Corner (&corners)[4]) {
    if (rotation != nullptr) {
        const RotationBox& box = rotation->getRotationBox(angle);
        corners[0] = {box.x0 * sx, box.y0 * sy};
        corners[1] = {box.x1 * sx, box.y1 * sy};
        corners[2] = {box.x2 * sx, box.y2 * sy};
        corners[3] = {box.x3 * sx, box.y3 * sy};
        return;
    }
    const float hw = static_cast<float>(sheet.getFrameWidth(frame.frameIndex)) * 0.5f * sx;
    const float hh = static_cast<float>(sheet.getFrameHeight(frame.frameIndex)) * 0.5f * sy;
    corners[0] = {-hw, hh};
    corners[1] = {-hw, -hh};
    corners[2] = {hw, -hh};
    corners[3] = {hw, hh};
}

} // namespace

int SpriteRender::toVA(const Sprite& sprite, Render::I_VertexArray* array, int offset,
                       const SpriteRotation* rotation, const SpriteSheet* sheet, bool plane) {
    const float colour[4] = {
        static_cast<float>(sprite.color.r) / 255.0f, static_cast<float>(sprite.color.g) / 255.0f,
        static_cast<float>(sprite.color.b) / 255.0f, static_cast<float>(sprite.color.a) / 255.0f};
    // Halves round to the even integer.
    const float baseX = std::nearbyint(sprite.position.x);
    const float baseY = std::nearbyint(sprite.position.y);
    const float baseZ = std::nearbyint(sprite.position.z);
    const int capacity = array->getBufferSize();
    int written = 0;
    for (const AnimFrame* frame : *sprite.frames) {
        if (frame->frameIndex >= sheet->getNumFrames() ||
            offset + written + QUAD_BYTES > capacity) {
            continue;
        }
        const int angle = sprite.position.angle + frame->angle;
        const auto radians = static_cast<float>(angle * RADIANS_PER_DEGREE);
        const auto s = static_cast<float>(std::sin(static_cast<double>(radians)));
        const auto c = static_cast<float>(std::cos(static_cast<double>(radians)));
        const float sx = sprite.scaleX * frame->scaleX;
        const float sy = sprite.scaleY * frame->scaleY;
        const float ox = static_cast<float>(frame->offsetX) * sx;
        const float oy = static_cast<float>(frame->offsetY) * sy;
        const float cx = baseX + c * ox - s * oy;
        const float cy = baseY + s * ox + c * oy;

        Corner corners[4];
        cornersOf(*frame, rotation, *sheet, angle, sx, sy, corners);
        const SpriteBox& box = sheet->getSpriteBox(frame->frameIndex, frame->orientation);
        const float u[4] = {box.u0, box.u0, box.u1, box.u1};
        const float v[4] = {box.v1, box.v0, box.v0, box.v1};

        float quad[FLOATS_PER_QUAD];
        for (std::size_t k = 0; k < 4; ++k) {
            float* vertex = quad + 9 * k;
            vertex[0] = cx + corners[k].x;
            vertex[1] = plane ? cy : cy + corners[k].y;
            vertex[2] = plane ? baseZ + corners[k].y : baseZ;
            vertex[3] = u[k];
            vertex[4] = v[k];
            vertex[5] = colour[0];
            vertex[6] = colour[1];
            vertex[7] = colour[2];
            vertex[8] = colour[3];
        }
        array->putData(quad, QUAD_BYTES, offset + written);
        written += QUAD_BYTES;
    }
    return written;
}

} // namespace SprSys
