#include "MatSys/TextureOptions.h"

namespace MatSys {

// Constant-initialised, so options made during static initialisation see it too.
TextureOptions TextureOptions::s_defOpts{true, true, true, true};

TextureOptions::TextureOptions() : TextureOptions(s_defOpts) {}

void TextureOptions::setDefault(const TextureOptions& options) {
    s_defOpts = options;
}

} // namespace MatSys
