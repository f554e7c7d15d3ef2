#pragma once

namespace Render {
class I_VertexArray;
}

namespace SprSys {

class SpriteRotation;
class SpriteSheet;
struct Sprite;

// Writes sprites into vertex arrays as textured, coloured quads: four vertices of x, y, z,
// u, v, r, g, b, a each (144 bytes a quad), corners top left, bottom left, bottom right,
// top right, the layout of the render controller's VTC arrays.
class SpriteRender {
public:
    static constexpr int QUAD_BYTES = 144;

    // Writes one quad per frame of the sprite, in order, from the byte offset on, and returns
    // the bytes written. With a rotation table the corners come from its entry for the angle
    // and the frame's pixel size is not used; without one the quad is not turned. The plane
    // flag lays quads in x-z instead of x-y. A frame outside the sheet, and a quad that would
    // pass the array's end, are skipped; the quads written follow each other without gaps.
    static int toVA(const Sprite& sprite, Render::I_VertexArray* array, int offset,
                    const SpriteRotation* rotation, const SpriteSheet* sheet, bool plane);
};

} // namespace SprSys
