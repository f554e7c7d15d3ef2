#pragma once

namespace MatSys {

// The four switches that decide how a texture is made in OpenGL. New options start from a
// process-wide default; option words in a texture's name change them per texture.
class TextureOptions {
public:
    // A copy of the default as it stands now.
    TextureOptions();
    constexpr TextureOptions(bool is2DTexture, bool linearFilter, bool generateMipmaps,
                             bool compressedStorage)
        : is2D(is2DTexture), linear(linearFilter), mipmaps(generateMipmaps),
          compressed(compressedStorage) {}

    // Options made afterwards start from these; textures made before keep theirs.
    static void setDefault(const TextureOptions& options);

    // Off: a 3D texture when the image allows it.
    bool is2D;
    // Off: nearest filtering.
    bool linear;
    // Mipmaps generated for 2D textures.
    bool mipmaps;
    // Compressed storage for 2D textures of 24 and 32 bits.
    bool compressed;

private:
    static TextureOptions s_defOpts;
};

} // namespace MatSys
