// kirvo-render-field: cuts a generated picture, scatters the pieces over side 0 as a new game
// does, and writes the composed field.
//
//   kirvo-render-field OUT.png [--size WxH] [--level N] [--shape S] [--border B] [--seed N]
//
// The field is the size of the picture. Every piece is its own group at a random place inside
// the virtual field; every thirteenth piece is selected, to show the inversion. Two pockets show
// the window skin: the first holds a few pieces and scroll bars and is current, the second is
// empty. Captions are drawn by Qt on its offscreen platform.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "base/DurableFile.h"
#include "base/Random.h"
#include "cutting/Cut.h"
#include "cutting/KnobAtlas.h"
#include "cutting/PieceSizeTable.h"
#include "game/DrawOrder.h"
#include "game/PieceGeometry.h"
#include "playfield/CaptionPainter.h"
#include "playfield/FieldImage.h"
#include "session/CutMessages.h"

namespace {

using namespace kirvo;

constexpr const char* kUsage =
    "usage: kirvo-render-field OUT.png [--size WxH] [--level N] [--shape S] [--border B] [--seed N]\n";

struct Options {
    std::string out;
    int width = 1280;
    int height = 800;
    int level = 6;
    int shape = 0;
    int border = 0;
    uint32_t seed = 1;
};

std::optional<long> Number(const std::string& text, long lowest, long highest)
{
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

std::optional<Options> ParseOptions(int argc, char** argv)
{
    Options options;
    if (argc < 2 || argv[1][0] == '-')
        return std::nullopt;
    options.out = argv[1];
    for (int i = 2; i < argc; i += 2) {
        if (i + 1 >= argc)
            return std::nullopt;
        const std::string flag = argv[i];
        const std::string value = argv[i + 1];
        std::optional<long> number;
        if (flag == "--size") {
            const size_t x = value.find('x');
            auto width = Number(value.substr(0, x), 64, 8000);
            auto height = x == std::string::npos ? std::nullopt : Number(value.substr(x + 1), 64, 8000);
            if (!width || !height)
                return std::nullopt;
            options.width = int(*width);
            options.height = int(*height);
            continue;
        }
        if (flag == "--level" && (number = Number(value, 0, kLevelCount - 1)))
            options.level = int(*number);
        else if (flag == "--shape" && (number = Number(value, 0, 6)))
            options.shape = int(*number);
        else if (flag == "--border" && (number = Number(value, 0, 1)))
            options.border = int(*number);
        else if (flag == "--seed" && (number = Number(value, 0, 0xFFFFFFFFL)))
            options.seed = uint32_t(*number);
        else
            return std::nullopt;
    }
    return options;
}

// Soft diagonal bands with a grid, so that misplaced pixels would show.
void DrawPicture(TPixelBuffer& picture, int width, int height)
{
    PixCreate24(picture, width, height);
    for (int y = 0; y < height; ++y) {
        uint8_t* pixel = PixRow(picture, y);
        for (int x = 0; x < width; ++x, pixel += 3) {
            const bool grid = x % 64 == 0 || y % 64 == 0;
            pixel[0] = grid ? 40 : uint8_t(255 * y / height);
            pixel[1] = grid ? 40 : uint8_t(255 * (x + y) / (width + height));
            pixel[2] = grid ? 40 : uint8_t(255 * x / width);
        }
    }
}

// The first pieces go to pocket 1, smaller than their extent so that both bars show; pocket 2
// stays empty and inactive.
void ShowPockets(PlayWindows& windows, GameState& state)
{
    for (int i = 0; i < MinInt(6, state.descriptor.TotalTileNum); ++i) {
        state.pieces[i].window = MW_POCKET0;
        state.pieces[i].x = 30 + 60 * (i % 3);
        state.pieces[i].y = 20 + 70 * (i / 3);
    }
    for (int pocket : {MW_POCKET0 + 1, MW_POCKET0}) {
        ShowOrHidePocket(windows, state, pocket, Visibility::Shown);
        Recount(windows, state, pocket);
        TMyWin& w = windows.windows[pocket];
        w.frame = BoxFromOrigin(pocket == MW_POCKET0 ? 60 : 420, pocket == MW_POCKET0 ? 80 : 140, 200, 150);
        UpdateExtent(w, state);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const std::optional<Options> options = ParseOptions(argc, argv);
    if (!options) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    GameState state;
    Descriptor& d = state.descriptor;
    d.ImageW = options->width;
    d.ImageH = options->height;
    d.Level = options->level;
    d.ShapeStyle = uint8_t(options->shape);
    d.BorderStyle = uint8_t(options->border);
    if (!ApplyLevel(d, d.ImageW, d.ImageH) || d.TileNum == 0) {
        std::fprintf(stderr, "kirvo-render-field: a %dx%d picture cannot be cut at level %d\n", d.ImageW, d.ImageH,
                     d.Level);
        return 1;
    }
    Result<KnobAtlas> atlas = KnobAtlasFromPicture(DrawKnobAtlas());
    if (!atlas) {
        std::fprintf(stderr, "kirvo-render-field: %s\n", atlas.error().c_str());
        return 1;
    }
    Random random(options->seed);
    d.GameSeed = int32_t(random.state);
    AllocatePieceTable(state, d.TotalTileNum);
    for (const std::string& message : CutMessages(CutPieces(d, state.pieces, state.buffers[kMaskBuffer], random, atlas.value()), Translator()))
        std::fprintf(stderr, "kirvo-render-field: the cut reported: %s\n", message.c_str());
    DrawPicture(state.buffers[kPictureBuffer], d.ImageW, d.ImageH);

    PlayWindows windows;
    SetStartField(windows, d.ImageW, d.ImageH);
    InitialisePlayWindows(windows, state, "Pocket %d: %d", "Thumbnail");
    SetVirtualField(windows, d.ImageW, d.ImageH);
    for (int i = 0; i < d.TotalTileNum; ++i) {
        PieceRecord& piece = state.pieces[i];
        DeriveGeometry(state, i);
        piece.group = i;
        piece.window = MW_SIDE0;
        piece.x = random(MaxInt(1, windows.field.virtualWidth - piece.width));
        piece.y = random(MaxInt(1, windows.field.virtualHeight - piece.height));
        piece.selected = i % 13 == 12;
    }
    SortDrawOrder(state, SortOrder::Ascending);
    ShowPockets(windows, state);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    CaptionPainter painter;
    for (TMyWin& w : windows.windows)
        RenderCaption(w, painter);

    FieldImage field;
    SizeFieldImages(field, d.ImageW, d.ImageH, kDefaultBackground);
    Compose(field, Layer::Field, FieldBox(windows), What::All, state, windows);

    const std::vector<uint8_t> png = PixEncodePng(field.image);
    Result<> written = png.empty() ? Result<>(Fail("Cannot encode " + options->out)) : WriteFileDurably(options->out, png);
    if (!written) {
        std::fprintf(stderr, "kirvo-render-field: %s\n", written.error().c_str());
        return 1;
    }
    std::printf("%s: %d pieces on a %dx%d field\n", options->out.c_str(), d.TotalTileNum, d.ImageW, d.ImageH);
    return 0;
}
