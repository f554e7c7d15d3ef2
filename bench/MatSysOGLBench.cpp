// The material system on OpenGL (Mesa's llvmpipe under Xvfb): a texture from a 1024 × 1024
// TGA file, split into decoding and uploading, with default options (compressed on the CPU,
// mipmapped) and with "NCMP" and "NMIP"; 1 and 100 materials read from one definition file
// that also defines their shared program and its shaders; and a facade with an empty path.
#include "BenchSizes.h"
#include "MatSys/Facade/MaterialSystemFacade.h"
#include "MatSys/I_Texture.h"
#include "MatSys/OGL/TextureMaker.h"
#include "Media/TGA.h"
#include "Support/GLWindow.h"
#include "Support/ScratchDir.h"

#include <GL/glew.h>
#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <utime.h>

#include <cstddef>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr unsigned int side = 1024;

// One hidden window for the whole run, and a folder for the files read.
class Setting {
public:
    Setting() : m_window(64, 64) {
        m_pixels.resize(std::size_t{side} * side * 4);
        for (std::size_t i = 0; i < m_pixels.size(); ++i) {
            m_pixels[i] = static_cast<unsigned char>((i * 7919) >> 5);
        }
        for (const char* name : {"image.tga", "image.NCMP.tga", "image.NCMP.NMIP.tga"}) {
            Media::TGA::saveToFile(path(name).c_str(), side, side, 32, m_pixels.data());
        }
        writeMaterials();
    }
    std::string path(const std::string& name) const { return m_folder.path(name); }
    const unsigned char* pixels() const { return m_pixels.data(); }

    // A new time for the definition file, long past, so the next read parses it again.
    void touchDefinitions() {
        const utimbuf times{m_age, m_age};
        utime(path("scene.matdef").c_str(), &times);
        ++m_age;
    }

private:
    void writeMaterials() const {
        std::ofstream file(path("scene.matdef"));
        file << "lit.VS_CODE == \"void main() { gl_Position = ftransform(); }\n\"\n"
                "lit.FS_CODE == \"uniform vec4 tint;\nuniform float gain;\n"
                "void main() { gl_FragColor = tint * gain; }\n\"\n"
                "lit_SHADERS == lit.VS lit.FS\n"
                "lit_PARAMS == \"tint:4f=1,1,1,1\ngain:1f=1\"\n";
        for (int i = 0; i < 100; ++i) {
            const std::string name = "m" + std::to_string(i);
            file << name << "_PROG == lit\n"
                 << name << "_MAT_lit_PARAMS == \"tint:4f=" << i << ",0,0,1\ngain:1f=0.5\"\n";
        }
    }

    TestSupport::GLWindow m_window;
    ScratchDir m_folder;
    std::vector<unsigned char> m_pixels;
    long m_age = 1'000'000'000;
};

Setting& setting() {
    static Setting l_setting;
    return l_setting;
}

void BM_DecodeTGA(benchmark::State& state) {
    const std::string path = setting().path("image.tga");
    for (auto _ : state) {
        unsigned int width = 0;
        unsigned int height = 0;
        unsigned int bpp = 0;
        unsigned char* pixels = nullptr;
        Media::TGA::loadFromFile(path.c_str(), &width, &height, &bpp, &pixels);
        delete[] pixels;
    }
}
BENCHMARK(BM_DecodeTGA)->Unit(benchmark::kMillisecond);

// Uploads from pixels in memory: the GL share of a texture's creation.
void BM_UploadPixels(benchmark::State& state, const std::string& name) {
    MatSys::OGL::TextureMaker maker("");
    for (auto _ : state) {
        delete maker.create(name, setting().pixels(), 32, side, side, 0);
        glFinish();
    }
}
BENCHMARK_CAPTURE(BM_UploadPixels, default, "image")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UploadPixels, NCMP, "image.NCMP")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UploadPixels, NCMP_NMIP, "image.NCMP.NMIP")->Unit(benchmark::kMillisecond);

void BM_TextureFromTGA(benchmark::State& state, const std::string& name) {
    MatSys::OGL::TextureMaker maker(setting().path(""));
    for (auto _ : state) {
        delete maker.create(name);
        glFinish();
    }
}
BENCHMARK_CAPTURE(BM_TextureFromTGA, default, "image.tga")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TextureFromTGA, NCMP, "image.NCMP.tga")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TextureFromTGA, NCMP_NMIP, "image.NCMP.NMIP.tga")
    ->Unit(benchmark::kMillisecond);

// A fresh facade per pass, so the program is compiled and linked every time; the definition
// file is read and parsed again every pass too.
void BM_LoadMaterials(benchmark::State& state) {
    const std::string path = setting().path("scene.matdef");
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        setting().touchDefinitions();
        MatSys::MaterialSystemFacade facade(path, nullptr);
        for (int i = 0; i < count; ++i) {
            if (!facade.addMaterial("m" + std::to_string(i))) {
                state.SkipWithError("material not made");
                return;
            }
        }
        glFinish();
    }
}
BENCHMARK(BM_LoadMaterials)->ArgsProduct({BenchSizes::of({1, 100})})->Unit(benchmark::kMillisecond);

void BM_FacadeWithEmptyPath(benchmark::State& state) {
    setting();
    for (auto _ : state) {
        MatSys::MaterialSystemFacade facade("", nullptr);
        benchmark::DoNotOptimize(facade.getTextureStore());
    }
}
BENCHMARK(BM_FacadeWithEmptyPath)->Unit(benchmark::kMicrosecond);

} // namespace
