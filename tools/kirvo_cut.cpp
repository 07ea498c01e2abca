// kirvo-cut: cuts a picture as a new game would and shows what came out.
//
//   kirvo-cut (--size WxH | --image FILE) [--level N] [--shape S] [--border B] [--seed N]
//             [--shapes FILE] [--mask OUT.png] [--outline OUT.png] [--json]
//
// Without --image it cuts a picture of the given size (the cut only needs the size). --json
// prints the descriptor, the fourteen piece-size levels, every piece (marking picture pieces),
// the messages the cut showed and the time it took. --mask writes the mask buffer; --outline a
// picture in which every piece has a colour of its own, picture pieces darker with a white rim.
// Shape style 3 reads its picture shapes from --shapes, by default the library the build writes
// beside the game; without a readable library it cuts no picture pieces.
#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "base/Folders.h"
#include "cutting/Cut.h"
#include "cutting/KnobAtlas.h"
#include "cutting/PieceOwners.h"
#include "cutting/PieceSizeTable.h"
#include "cutting/ShapeLibrary.h"
#include "game/GameState.h"
#include "session/CutMessages.h"
#include "PngFile.h"

namespace {

using namespace kirvo;

constexpr const char* kUsage =
    "usage: kirvo-cut (--size WxH | --image FILE) [--level N] [--shape S] [--border B] [--seed N]\n"
    "                 [--shapes FILE] [--mask OUT.png] [--outline OUT.png] [--json]\n";

struct Options {
    int width = 0;
    int height = 0;
    std::string image;
    int level = 0;
    int shape = 0;
    int border = 0;
    std::optional<uint32_t> seed;
    std::string shapesFile = KIRVO_SHAPE_LIBRARY;
    std::string maskFile;
    std::string outlineFile;
    bool json = false;
};

std::optional<long long> ParseNumber(const std::string& text, long long lowest, long long highest)
{
    char* end = nullptr;
    long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

std::optional<Options> ParseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string flag = argv[i];
        if (flag == "--json") {
            options.json = true;
            continue;
        }
        if (i + 1 >= argc)
            return std::nullopt;
        std::string value = argv[++i];
        if (flag == "--size") {
            size_t x = value.find('x');
            if (x == std::string::npos)
                return std::nullopt;
            auto width = ParseNumber(value.substr(0, x), 1, 20000);
            auto height = ParseNumber(value.substr(x + 1), 1, 20000);
            if (!width || !height)
                return std::nullopt;
            options.width = int(*width);
            options.height = int(*height);
        } else if (flag == "--image") {
            options.image = value;
        } else if (flag == "--shapes") {
            options.shapesFile = value;
        } else if (flag == "--mask") {
            options.maskFile = value;
        } else if (flag == "--outline") {
            options.outlineFile = value;
        } else {
            struct Numeric {
                const char* name;
                long long lowest, highest;
            };
            static const Numeric numerics[] = {
                {"--level", 0, kLevelCount - 1}, {"--shape", 0, 6}, {"--border", 0, 1}, {"--seed", INT32_MIN, UINT32_MAX}};
            const Numeric* numeric = nullptr;
            for (const Numeric& n : numerics)
                if (flag == n.name)
                    numeric = &n;
            if (!numeric)
                return std::nullopt;
            auto number = ParseNumber(value, numeric->lowest, numeric->highest);
            if (!number)
                return std::nullopt;
            if (flag == "--level")
                options.level = int(*number);
            else if (flag == "--shape")
                options.shape = int(*number);
            else if (flag == "--border")
                options.border = int(*number);
            else
                options.seed = uint32_t(*number);
        }
    }
    if (options.image.empty() == (options.width == 0))
        return std::nullopt;
    return options;
}

// Neighbouring indices get far-apart hues, so adjacent pieces are easy to tell apart.
uint32_t PieceHue(int index)
{
    double hue = std::fmod(index * 0.6180339887, 1.0) * 6.0;
    int sector = int(hue);
    double f = hue - sector;
    int rise = int(255 * f), fall = int(255 * (1 - f));
    int lighten = 40 + (index * 37) % 80;
    auto lift = [&](int c) { return std::min(255, c / 2 + lighten + 60); };
    int r = 0, g = 0, b = 0;
    switch (sector) {
    case 0: r = 255, g = rise; break;
    case 1: r = fall, g = 255; break;
    case 2: g = 255, b = rise; break;
    case 3: g = fall, b = 255; break;
    case 4: r = rise, b = 255; break;
    default: r = 255, b = fall; break;
    }
    return MakeColour(lift(r), lift(g), lift(b));
}

// Every piece in its own colour, the lines between pieces dark, unowned pixels black; picture
// pieces darker, with their rim white.
TPixelBuffer OutlinePicture(const Descriptor& d, const std::vector<PieceRecord>& pieces, const std::vector<int>& owners)
{
    TPixelBuffer picture;
    PixCreate24(picture, d.ImageW, d.ImageH);
    for (int y = 0; y < d.ImageH; ++y)
        for (int x = 0; x < d.ImageW; ++x) {
            int owner = owners[size_t(y) * d.ImageW + x];
            if (owner < 0)
                continue;
            bool edge = (x + 1 < d.ImageW && owners[size_t(y) * d.ImageW + x + 1] != owner)
                        || (y + 1 < d.ImageH && owners[size_t(y + 1) * d.ImageW + x] != owner);
            Rgb rgb = SplitColour(PieceHue(owner));
            const bool shaped = pieces[owner].pictureShape;
            if (shaped && edge) {
                PixSetPixel(picture, x, y, MakeColour(255, 255, 255));
                continue;
            }
            int shade = edge || shaped ? 2 : 1;
            PixSetPixel(picture, x, y, MakeColour(rgb.red / shade, rgb.green / shade, rgb.blue / shade));
        }
    return picture;
}

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void PrintJson(const Descriptor& d, const PieceSizeTable& levels, const std::vector<PieceRecord>& pieces,
               const std::vector<std::string>& messages, double millis)
{
    std::printf("{\n  \"descriptor\": {\"GameSeed\": %u, \"MaskS\": %d, \"TileS\": %d, \"knobMargin\": %d, \"snap\": %d, "
                "\"TilePX\": %d, \"TilePY\": %d, \"TileNum\": %d, \"TotalTileNum\": %d, \"ImageW\": %d, \"ImageH\": %d, "
                "\"JigsL\": %d, \"JigsT\": %d, \"JigsR\": %d, \"JigsB\": %d, \"Level\": %d, \"BorderStyle\": %d, "
                "\"ShapeStyle\": %d, \"Rotate\": %d, \"SpreadOut\": %d, \"FitToScreen\": %d, \"PicPX\": %d, \"PicPY\": %d, "
                "\"SideNum\": %d},\n",
                uint32_t(d.GameSeed), d.MaskS, d.TileS, d.knobMargin, d.snapDistance, d.TilePX, d.TilePY, d.TileNum,
                d.TotalTileNum, d.ImageW, d.ImageH, d.JigsL, d.JigsT, d.JigsR, d.JigsB, d.Level, d.BorderStyle,
                d.ShapeStyle, d.Rotate, d.SpreadOut, d.FitToScreen, d.PicPX, d.PicPY, d.SideNum);
    std::printf("  \"levels\": [");
    for (size_t i = 0; i < levels.size(); ++i)
        std::printf("%s\n    {\"TileS\": %d, \"MaskS\": %d, \"TilePX\": %d, \"TilePY\": %d, \"TotalTileNum\": %d}",
                    i ? "," : "", levels[i].TileS, levels[i].MaskS, levels[i].TilePX, levels[i].TilePY,
                    levels[i].TotalTileNum);
    std::printf("\n  ],\n  \"pieces\": [");
    for (int i = 0; i < d.TotalTileNum; ++i) {
        const PieceRecord& p = pieces[i];
        std::printf("%s\n    {\"index\": %d, \"cell\": [%d, %d, %d, %d], \"source\": [%d, %d, %d, %d], \"node\": [%d, %d], "
                    "\"neighbours\": [",
                    i ? "," : "", i, p.cellX, p.cellY, p.cellWidth, p.cellHeight, p.sourceX, p.sourceY, p.sourceWidth,
                    p.sourceHeight, p.nodeX, p.nodeY);
        bool first = true;
        for (int16_t n : p.neighbours)
            if (n >= 0) {
                std::printf("%s%d", first ? "" : ", ", n);
                first = false;
            }
        std::printf("], \"maskValue\": %d, \"classBit\": %d, \"pictureShape\": %s}", p.maskValue, p.classBit,
                    p.pictureShape ? "true" : "false");
    }
    std::printf("\n  ],\n  \"messages\": [");
    for (size_t i = 0; i < messages.size(); ++i)
        std::printf("%s%s", i ? ", " : "", JsonString(messages[i]).c_str());
    std::printf("],\n  \"millis\": %.3f\n}\n", millis);
}

}  // namespace

int main(int argc, char** argv)
{
    std::optional<Options> options = ParseOptions(argc, argv);
    if (!options) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    Descriptor d;
    d.ImageW = options->width;
    d.ImageH = options->height;
    if (!options->image.empty()) {
        Result<std::vector<uint8_t>> bytes = ReadFileBytes(options->image);
        if (!bytes) {
            std::fprintf(stderr, "kirvo-cut: %s\n", bytes.error().c_str());
            return 1;
        }
        TPixelBuffer picture;
        if (Result<> loaded = PixLoadPicture(picture, bytes.value()); !loaded) {
            std::fprintf(stderr, "kirvo-cut: %s: %s\n", options->image.c_str(), loaded.error().c_str());
            return 1;
        }
        d.ImageW = picture.width;
        d.ImageH = picture.height;
    }
    d.Level = options->level;
    d.ShapeStyle = uint8_t(options->shape);
    d.BorderStyle = uint8_t(options->border);
    if (!ApplyLevel(d, d.ImageW, d.ImageH) || d.TileNum == 0) {
        std::fprintf(stderr, "kirvo-cut: a %dx%d picture cannot be cut at level %d\n", d.ImageW, d.ImageH, d.Level);
        return 1;
    }
    Random random(options->seed.value_or(uint32_t(std::time(nullptr))));
    d.GameSeed = int32_t(random.state);

    Result<KnobAtlas> atlas = KnobAtlasFromPicture(DrawKnobAtlas());
    if (!atlas) {
        std::fprintf(stderr, "kirvo-cut: %s\n", atlas.error().c_str());
        return 1;
    }
    GameState state;
    state.descriptor = d;
    AllocatePieceTable(state, d.TotalTileNum);
    TPixelBuffer& mask = state.buffers[kMaskBuffer];
    auto start = std::chrono::steady_clock::now();
    Result<ShapeLibrary> shapes = d.ShapeStyle == 3 ? LoadShapeLibrary(options->shapesFile) : Result<ShapeLibrary>(ShapeLibrary{});
    if (!shapes)
        std::fprintf(stderr, "kirvo-cut: no picture shapes: %s\n", shapes.error().c_str());
    const ShapeLibrary* library = shapes ? &shapes.value() : nullptr;
    const CutReport report = CutPieces(state.descriptor, state.pieces, mask, random, atlas.value(), {}, library);
    double millis = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

    if (!options->maskFile.empty() && !WritePng("kirvo-cut", options->maskFile, mask))
        return 1;
    if (!options->outlineFile.empty()) {
        TPixelBuffer outline = OutlinePicture(state.descriptor, state.pieces, PieceOwners(state.descriptor, state.pieces, mask));
        if (!WritePng("kirvo-cut", options->outlineFile, outline))
            return 1;
    }
    const std::vector<std::string> messages = CutMessages(report, Translator());
    if (options->json)
        PrintJson(state.descriptor, BuildPieceSizeTable(d.ImageW, d.ImageH, d.ShapeStyle, d.BorderStyle), state.pieces,
                  messages, millis);
    for (const std::string& message : messages)
        std::fprintf(stderr, "kirvo-cut: the cut reported: %s\n", message.c_str());
    return 0;
}
