#include "browser/BrowserArt.h"

#include "base/Folders.h"

namespace kirvo {

namespace {

TPixelBuffer LoadPicture(const std::string& path)
{
    TPixelBuffer picture;
    if (Result<std::vector<uint8_t>> bytes = ReadFileBytes(path))
        (void)PixLoadPng(picture, bytes.value());  // a file that does not decode leaves it empty
    return picture;
}

}  // namespace

BrowserArt LoadBrowserArt(const std::string& programFolder)
{
    return {
        .shapeMasks = LoadPicture(programFolder + "browser-shapes.png"),
        .sampleTexture = LoadPicture(programFolder + "browser-sample-texture.png"),
        .borders = LoadPicture(programFolder + "browser-borders.png"),
        .mixes = LoadPicture(programFolder + "browser-mix.png"),
        .rotation = LoadPicture(programFolder + "browser-rotation.png"),
        .fit = LoadPicture(programFolder + "browser-fit.png"),
        .saveIcon = LoadPicture(programFolder + "save-icon.png"),
    };
}

}  // namespace kirvo
