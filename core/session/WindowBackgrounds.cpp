#include "session/WindowBackgrounds.h"

#include <utility>

#include "base/Folders.h"
#include "session/ColourPalette.h"

namespace kirvo {

namespace {

int32_t& Entry(BackgroundRecord& record, int window) { return record[size_t(kFirstWindowBackground + window)]; }

bool Load(TPixelBuffer& pixels, const std::string& file, int width, int height)
{
    Result<std::vector<uint8_t>> bytes = ReadFileBytes(file);
    TPixelBuffer decoded;
    if (!bytes || !PixLoadJpeg(decoded, bytes.value()))  // always 24-bit
        return false;
    if (decoded.width == width && decoded.height == height) {
        pixels = std::move(decoded);
        return true;
    }
    PixCreate24(pixels, width, height);
    PixScale(pixels, decoded);
    return true;
}

}  // namespace

BackgroundRecord DefaultBackgroundRecord()
{
    BackgroundRecord record {};
    for (size_t i = kBackgroundForAll; i < record.size(); ++i)
        record[i] = int32_t(kDefaultBackground);
    return record;
}

std::string BackgroundPictureFile(const std::string& folder, uint32_t code)
{
    return folder + std::string(kTextureNames[size_t(TextureIndex(code))]) + "-1600.jpg";
}

bool LoadBackgroundPicture(const WindowBackgrounds& b, uint32_t code)
{
    if (!IsTextureValue(code))
        return false;
    const FieldSizes& field = b.windows.field;
    const int width = MaxInt(field.virtualWidth, b.largestField.width);
    const int height = MaxInt(field.virtualHeight, b.largestField.height);
    BackgroundPicture& picture = b.picture;
    if (picture.code == code && picture.pixels.width == width && picture.pixels.height == height)
        return true;
    PixFree(picture.pixels);  // the old picture goes first: never two in memory
    picture.code = 0;
    if (width <= 0 || height <= 0 || !Load(picture.pixels, BackgroundPictureFile(b.folder, code), width, height)) {
        PixFree(picture.pixels);
        return false;
    }
    picture.code = code;
    return true;
}

void SetWindowBackground(const WindowBackgrounds& b, int window, uint32_t value)
{
    if (IsTextureValue(value) && !LoadBackgroundPicture(b, value))
        value = kDefaultBackground;
    Entry(b.record, window) = int32_t(value);
    b.windows.windows[size_t(window)].background = value;
}

void CheckBackgrounds(const WindowBackgrounds& b)
{
    uint32_t kept = 0;
    for (int n = MW_SIDE0; n <= MW_POCKET3; ++n) {
        const uint32_t value = uint32_t(Entry(b.record, n));
        if (!IsTextureValue(value))
            continue;
        if (kept == 0)
            kept = value;
        else if (value != kept)
            Entry(b.record, n) = int32_t(kDefaultBackground);
    }
    for (int n = MW_SIDE0; n <= MW_POCKET3; ++n)
        SetWindowBackground(b, n, uint32_t(Entry(b.record, n)));
}

}  // namespace kirvo
