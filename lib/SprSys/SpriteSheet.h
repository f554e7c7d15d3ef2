#pragma once

#include "SprSys/AnimFrame.h"
#include "SprSys/SpriteBox.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace MatSys {
class I_Texture;
class TextureStore;
} // namespace MatSys

namespace SprSys {

// One texture cut into numbered rectangular frames, each kept as its texture box in all four
// mirrorings and its size in pixels, so drawing any frame in any orientation is a look-up.
// A sheet whose texture is missing has no frames and binds nothing; one whose texture is
// empty (no width or no height) has no frames either.
class SpriteSheet {
public:
    // Cuts a grid over the whole texture, which stays with its owner and must outlive the sheet.
    SpriteSheet(MatSys::I_Texture* texture, int frameWidth, int frameHeight, int spacing,
                bool adjust);
    // Reads the sheet file: IMAGE_NAME from the store, then a grid (NUM_FRAMES 0) or the
    // explicit FRAME_<i> rectangles "x, y, w, h", i below NUM_FRAMES, each of four numbers a
    // frame even where it leaves the image. Reading stops at the last FRAME_<i> key that the
    // file or the overrides hold, since every later entry is missing.
    SpriteSheet(MatSys::TextureStore* store, const std::string& path);

    void beginUsing(int unit) const;
    void endUsing(int unit) const;

    // The index must be below getNumFrames().
    const SpriteBox& getSpriteBox(unsigned int index, AnimFrame::Orientation orientation) const;
    unsigned int getNumFrames() const;
    int getFrameWidth(unsigned int index) const;
    int getFrameHeight(unsigned int index) const;

    // Appends one frame's box to the four tables; the caller appends its size.
    void addBox(SpriteBox& box);
    // Appends the frames of a grid, row by row: a frame must leave room for the spacing after
    // it. With adjust on, boxes grow by half a texel per side when there is spacing and shrink
    // by half a texel when there is none. A step of 0 or less cuts nothing.
    void initGridSheet(int frameWidth, int frameHeight, int spacing, bool adjust);

private:
    void addFrameRectangle(const std::string& text, int width, int height);

    MatSys::I_Texture* m_texture;
    std::array<std::vector<SpriteBox>, 4> m_boxes;
    std::vector<std::pair<int, int>> m_frameSizes;
};

} // namespace SprSys
