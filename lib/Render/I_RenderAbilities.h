#pragma once

namespace Render {

// Ids of the render abilities: flags (1 present, 0 absent) and size limits.
enum RenderAbility : int {
    HAVE_SHADERS = 0,
    HAVE_NPOT_TEXTURES = 1,
    HAVE_RTT = 2,
    HAVE_FBOS = 3,
    HAVE_VBOS = 4,
    HAVE_PBOS = 5,
    HAVE_FRAME_BLIT = 6,
    HAVE_FLOAT_TEX = 7,
    MAX_TEXTURE_SIZE_2D = 8,
    MAX_TEXTURE_SIZE_3D = 9,
    MAX_RTT_SIZE = 10,
    MAX_FBO_SIZE = 11,
    MAX_PBO_SIZE = 12,
    RENDER_ABILITY_COUNT = 13
};

// What the graphics context can do, probed on every query and overridable per ability.
class I_RenderAbilities {
public:
    virtual ~I_RenderAbilities() = default;

    // The value of an ability id (RenderAbility), or -1 for an unknown id.
    virtual int getAbility(int id) const = 0;
    // Forces the value that getAbility returns from now on; unknown ids are ignored.
    virtual void setAbility(int id, int value) = 0;
};

} // namespace Render
