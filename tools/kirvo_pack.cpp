// kirvo-pack: makes a jigsaw file of a picture, checks a jigsaw or a saved game, or makes a
// thumbnail of a picture.
//
//   kirvo-pack PICTURE [--info TEXTFILE | --info-text "..."] [--max-size WxH] -o NAME.ast
//   kirvo-pack --check FILE.ast|FILE.sv1
//   kirvo-pack PICTURE --thumbnail WxH -o NAME.jpg
//
// The picture may be a JPEG, PNG or Windows bitmap; it goes into the jigsaw as a JFIF JPEG (a
// JFIF file that needs no scaling is taken as it stands), with a preview of about 240 x 180 and
// the information text as UTF-8. --thumbnail writes a JPEG of exactly W x H instead: the middle of
// the picture with that shape, scaled. Files are written durably (base/DurableFile.h), so a failed
// run never leaves half a file. --check reads a file the way the game does: a ".sv1" file as a
// saved game being resumed, with effects, onto a composed field; any other as a jigsaw.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/DurableFile.h"
#include "base/Folders.h"
#include "files/JigsawFile.h"
#include "files/JigsawWriter.h"
#include "files/SavedGameCheck.h"
#include "files/SavedGameFile.h"
#include "playfield/FieldImage.h"
#include "playfield/StarStrip.h"
#include "raster/PixelBuffer.h"
#include "session/ResumeGame.h"

namespace {

using namespace kirvo;

constexpr const char* kUsage =
    "usage: kirvo-pack PICTURE [--info TEXTFILE | --info-text \"...\"] [--max-size WxH] -o NAME.ast\n"
    "       kirvo-pack --check FILE.ast|FILE.sv1\n"
    "       kirvo-pack PICTURE --thumbnail WxH -o NAME.jpg\n";
constexpr int kPreviewWidth = 240;
constexpr int kPreviewHeight = 180;
constexpr int kPictureQuality = 92;
constexpr int kPreviewQuality = 85;
constexpr int kThumbnailQuality = 85;

struct Options {
    std::string picture;
    std::string infoFile;
    std::optional<std::string> infoText;
    int maxWidth = 0;  // 0 = no limit
    int maxHeight = 0;
    int thumbnailWidth = 0;  // 0 = a jigsaw, not a thumbnail
    int thumbnailHeight = 0;
    std::string output;
    std::string check;
};

bool ParseSize(const char* text, int& width, int& height)
{
    return std::sscanf(text, "%dx%d", &width, &height) == 2 && width >= 1 && height >= 1;
}

std::optional<Options> ParseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--check" && hasValue)
            options.check = argv[++i];
        else if (arg == "--info" && hasValue)
            options.infoFile = argv[++i];
        else if (arg == "--info-text" && hasValue)
            options.infoText = argv[++i];
        else if (arg == "-o" && hasValue)
            options.output = argv[++i];
        else if (arg == "--max-size" && hasValue) {
            if (!ParseSize(argv[++i], options.maxWidth, options.maxHeight))
                return std::nullopt;
        } else if (arg == "--thumbnail" && hasValue) {
            if (!ParseSize(argv[++i], options.thumbnailWidth, options.thumbnailHeight))
                return std::nullopt;
        } else if (!arg.starts_with("-") && options.picture.empty())
            options.picture = arg;
        else
            return std::nullopt;
    }
    if (!options.check.empty())
        return options.picture.empty() && options.output.empty() ? std::optional(options) : std::nullopt;
    if (options.picture.empty() || options.output.empty() || (!options.infoFile.empty() && options.infoText))
        return std::nullopt;
    bool jigsawOnly = !options.infoFile.empty() || options.infoText || options.maxWidth != 0;
    if (options.thumbnailWidth != 0 && jigsawOnly)
        return std::nullopt;
    return options;
}

// The picture scaled down to fit width x height, keeping its shape; as it is when it fits.
TPixelBuffer FitWithin(const TPixelBuffer& picture, int width, int height)
{
    double scale = std::min({1.0, double(width) / picture.width, double(height) / picture.height});
    TPixelBuffer fitted;
    PixCreate24(fitted, std::max(1, int(picture.width * scale)), std::max(1, int(picture.height * scale)));
    PixScale(fitted, picture);
    return fitted;
}

// The middle of the picture with the shape of width x height, as large as it fits, scaled to
// exactly that size.
TPixelBuffer CropToFill(const TPixelBuffer& picture, int width, int height)
{
    int cropWidth = picture.width;
    int cropHeight = picture.height;
    if (int64_t(cropWidth) * height > int64_t(cropHeight) * width)
        cropWidth = std::max(1, int(int64_t(cropHeight) * width / height));
    else
        cropHeight = std::max(1, int(int64_t(cropWidth) * height / width));
    TPixelBuffer middle;
    PixAttach(PixAddress(picture, (picture.width - cropWidth) / 2, (picture.height - cropHeight) / 2), cropWidth,
              cropHeight, picture.bytesPerPixel, picture.stride, middle);
    TPixelBuffer filled;
    PixCreate24(filled, width, height);
    PixScale(filled, middle);
    return filled;
}

bool WriteWhole(const std::string& path, std::span<const uint8_t> bytes)
{
    Result<> written = WriteFileDurably(path, bytes);
    if (!written)
        std::fprintf(stderr, "kirvo-pack: %s\n", written.error().c_str());
    return written.ok();
}

struct Picture {
    std::vector<uint8_t> file;
    TPixelBuffer pixels;
};

std::optional<Picture> LoadPicture(const std::string& path)
{
    Result<std::vector<uint8_t>> file = ReadFileBytes(path);
    if (!file) {
        std::fprintf(stderr, "kirvo-pack: %s\n", file.error().c_str());
        return std::nullopt;
    }
    Picture picture{std::move(file.value()), {}};
    if (Result<> loaded = PixLoadPicture(picture.pixels, picture.file); !loaded) {
        std::fprintf(stderr, "kirvo-pack: %s: %s\n", path.c_str(), loaded.error().c_str());
        return std::nullopt;
    }
    return picture;
}

// Everything the game does with a saved game before the player sees it: read, check, resume with
// relief and wooden edges, and compose the field.
int CheckSavedGameFile(const std::string& path)
{
    Result<SavedGame> read = ReadSavedGame(path, SavedGameReadMode::Start);
    if (read)
        if (Result<> sound = CheckSavedGame(read.value()); !sound)
            read = Fail(sound.error());
    if (!read) {
        std::printf("%s: not a valid saved game: %s\n", path.c_str(), read.error().c_str());
        return 1;
    }
    const int width = read.value().picture.width;
    const int height = read.value().picture.height;
    GameState state;
    state.look = {.embossStyle = 1, .woodStyle = 2, .woodColor = 0x49687A, .edgeWidth = 0};
    PlayWindows windows;
    SetStartField(windows, 1024, 700);
    InitialisePlayWindows(windows, state, "Pocket %d: %d", "Thumbnail");
    ResumeGame(state, windows, std::move(read.value()));
    FieldImage field;
    SizeFieldImages(field, 1280, 800, kDefaultBackground);
    state.redrawMode = RedrawMode::WholeField;
    (void)Redraw(field, state, windows, DrawStarStrip());
    std::printf("%s: valid saved game, picture %dx%d, %d pieces\n", path.c_str(), width, height,
                state.descriptor.TotalTileNum);
    return 0;
}

int Check(const std::string& path)
{
    if (HasSavedGameExtension(path))
        return CheckSavedGameFile(path);
    Result<JigsawFile> select = ReadJigsawFile(path, JigsawReadMode::Select);
    if (!select) {
        std::printf("%s: not a valid jigsaw: %s\n", path.c_str(), select.error().c_str());
        return 1;
    }
    Result<JigsawFile> start = ReadJigsawFile(path, JigsawReadMode::Start);
    if (!start) {
        std::printf("%s: not a valid jigsaw: %s\n", path.c_str(), start.error().c_str());
        return 1;
    }
    std::printf("%s: valid jigsaw, picture %dx%d, preview %dx%d, info %zu bytes\n", path.c_str(), start.value().ImageW,
                start.value().ImageH, select.value().preview.width, select.value().preview.height,
                start.value().info.size());
    return 0;
}

int Pack(const Options& options)
{
    std::optional<Picture> loaded = LoadPicture(options.picture);
    if (!loaded)
        return 1;
    TPixelBuffer& picture = loaded->pixels;
    std::string info = options.infoText.value_or("");
    if (!options.infoFile.empty()) {
        Result<std::vector<uint8_t>> text = ReadFileBytes(options.infoFile);
        if (!text) {
            std::fprintf(stderr, "kirvo-pack: %s\n", text.error().c_str());
            return 1;
        }
        info.assign(text.value().begin(), text.value().end());
    }
    if (!info.starts_with("\xEF\xBB\xBF"))
        info.insert(0, "\xEF\xBB\xBF");

    bool fits = options.maxWidth == 0 || (picture.width <= options.maxWidth && picture.height <= options.maxHeight);
    std::vector<uint8_t> pictureEntry;
    if (fits && IsJfifFile(loaded->file)) {
        pictureEntry = std::move(loaded->file);
    } else {
        if (!fits)
            picture = FitWithin(picture, options.maxWidth, options.maxHeight);
        pictureEntry = PixEncodeJpeg(picture, kPictureQuality);
    }
    std::vector<uint8_t> preview = PixEncodeJpeg(FitWithin(picture, kPreviewWidth, kPreviewHeight), kPreviewQuality);
    if (pictureEntry.empty() || preview.empty()) {
        std::fprintf(stderr, "kirvo-pack: cannot encode the picture\n");
        return 1;
    }

    JigsawParts parts;
    parts.ImageW = picture.width;
    parts.ImageH = picture.height;
    parts.preview = preview;
    parts.info = std::span(reinterpret_cast<const uint8_t*>(info.data()), info.size());
    parts.picture = pictureEntry;
    return WriteWhole(options.output, EncodeJigsawFile(parts)) ? 0 : 1;
}

int Thumbnail(const Options& options)
{
    std::optional<Picture> loaded = LoadPicture(options.picture);
    if (!loaded)
        return 1;
    std::vector<uint8_t> thumbnail = PixEncodeJpeg(
        CropToFill(loaded->pixels, options.thumbnailWidth, options.thumbnailHeight), kThumbnailQuality);
    if (thumbnail.empty()) {
        std::fprintf(stderr, "kirvo-pack: cannot encode the thumbnail\n");
        return 1;
    }
    return WriteWhole(options.output, thumbnail) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    std::optional<Options> options = ParseOptions(argc, argv);
    if (!options) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (!options->check.empty())
        return Check(options->check);
    return options->thumbnailWidth != 0 ? Thumbnail(*options) : Pack(*options);
}
