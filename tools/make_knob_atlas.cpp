// kirvo-knob-atlas OUTPUT.png: draws the small-knob atlas and writes it as a 4-bit palette PNG.
#include <png.h>

#include <cstdio>
#include <vector>

#include "cutting/KnobAtlas.h"

namespace {

using namespace kirvo;

bool WritePalettePng(const char* path, const KnobAtlas& atlas, const std::vector<png_color>& palette)
{
    FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    volatile bool written = false;  // read after a longjmp from libpng
    if (info && !setjmp(png_jmpbuf(png))) {
        png_init_io(png, file);
        png_set_IHDR(png, info, atlas.width, atlas.height, 4, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_set_PLTE(png, info, palette.data(), int(palette.size()));
        png_write_info(png, info);
        png_set_packing(png);
        for (int y = 0; y < atlas.height; ++y)
            png_write_row(png, &atlas.pixels[size_t(y) * atlas.width]);
        png_write_end(png, nullptr);
        written = true;
    }
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kirvo-knob-atlas OUTPUT.png\n");
        return 2;
    }
    TPixelBuffer picture = DrawKnobAtlas();
    Result<KnobAtlas> atlas = KnobAtlasFromPicture(picture);
    if (!atlas) {
        std::fprintf(stderr, "kirvo-knob-atlas: %s\n", atlas.error().c_str());
        return 1;
    }
    // The index form numbers colours by first appearance, so the palette is built in that order.
    std::vector<png_color> palette;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            if (atlas.value().pixels[size_t(y) * picture.width + x] != palette.size())
                continue;
            Rgb rgb = SplitColour(uint32_t(PixGetPixel(picture, x, y)));
            palette.push_back({rgb.red, rgb.green, rgb.blue});
        }
    if (!WritePalettePng(argv[1], atlas.value(), palette)) {
        std::fprintf(stderr, "kirvo-knob-atlas: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
