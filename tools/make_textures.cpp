// kirvo-textures FOLDER: draws the eight background textures of the play field and writes each as
// NAME-1600.jpg, 1600 x 1200, with its 63 x 50 button picture NAME-but.jpg, into the folder (made
// when missing). Each texture is drawn as a 256 x 256 tile and laid side by side over the whole
// picture; the tiles meet without a seam: everything in them comes from gradient noise on a
// lattice that wraps at the tile's size, from distances measured across the tile's wrapped edges,
// and from patterns whose period divides the tile. Fixed seeds give the same files on every build.
//   parquet            oak planks laid in herringbone, with fine grain and thin dark joints
//   stucco1, stucco4   fine light-beige plaster; coarser warm grey plaster with trowel patches
//   wood1 ... wood5    birch, golden oak, cherry, walnut and weathered grey wood, grain along x
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "PaintColour.h"
#include "PngFile.h"
#include "raster/PixelBuffer.h"

namespace {

using namespace kirvo;

constexpr int kSize = 256;
constexpr int kPictureWidth = 1600;
constexpr int kPictureHeight = 1200;
constexpr int kButtonWidth = 63;
constexpr int kButtonHeight = 50;
constexpr int kJpegQuality = 90;

// ---------------------------------------------------------------------------------------------
// Periodic noise

uint32_t Hash(uint32_t x, uint32_t y, uint32_t seed)
{
    uint32_t h = seed * 0x9E3779B9u ^ x * 0x85EBCA6Bu ^ y * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

double Unit(uint32_t h) { return h / 4294967296.0; }  // [0, 1)

int Wrap(int i, int period) { return ((i % period) + period) % period; }

// Wraps a distance along the tile into [-kSize / 2, kSize / 2): the shortest way across the edges.
double WrappedOffset(double d) { return d - kSize * std::floor(d / kSize + 0.5); }

// Gradient noise of about -1 to 1 at (x, y) in lattice cells; the lattice repeats after periodX by
// periodY cells, so the noise does too.
double GradientNoise(double x, double y, int periodX, int periodY, uint32_t seed)
{
    const double left = std::floor(x), top = std::floor(y);
    const double tx = x - left, ty = y - top;
    const int ix = int(left), iy = int(top);
    auto slope = [&](int cx, int cy, double dx, double dy) {
        const double angle = 2 * std::numbers::pi * Unit(Hash(Wrap(ix + cx, periodX), Wrap(iy + cy, periodY), seed));
        return std::cos(angle) * dx + std::sin(angle) * dy;
    };
    auto fade = [](double t) { return t * t * t * (t * (t * 6 - 15) + 10); };
    const double sx = fade(tx), sy = fade(ty);
    const double upper = slope(0, 0, tx, ty) + (slope(1, 0, tx - 1, ty) - slope(0, 0, tx, ty)) * sx;
    const double lower = slope(0, 1, tx, ty - 1) + (slope(1, 1, tx - 1, ty - 1) - slope(0, 1, tx, ty - 1)) * sx;
    return std::numbers::sqrt2 * (upper + (lower - upper) * sy);
}

// Fractal noise of about -1 to 1 at (u, v) in tiles: octaves of gradient noise, the first with
// cellsX by cellsY cells to the tile, each next one twice as fine and half as strong.
double Fbm(double u, double v, int cellsX, int cellsY, int octaves, uint32_t seed)
{
    double sum = 0, weight = 0, amplitude = 1;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += amplitude * GradientNoise(u * cellsX, v * cellsY, cellsX, cellsY, seed + octave);
        weight += amplitude;
        amplitude /= 2;
        cellsX *= 2;
        cellsY *= 2;
    }
    return sum / weight;
}

// A tile painted pixel by pixel.
template <typename ColourAt>
TPixelBuffer Paint(ColourAt colourAt)
{
    TPixelBuffer texture;
    PixCreate24(texture, kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            PixSetPixel(texture, x, y, Packed(colourAt(x, y)));
    return texture;
}

// ---------------------------------------------------------------------------------------------
// Wood

struct Knot {
    double x, y;    // pixels
    double radius;  // pixels across the grain; the knot is three times as long along it
};

struct WoodLook {
    Colour early, late;  // the light wood of a ring and its dark line
    int rings;           // ring lines across a tile's height
    double waviness;     // how far the lines wander, in rings
    double fibres;       // strength of the fine streaks along the grain
    double pores;        // strength of the short dark pore dashes
    int knots;
    int boards;  // boards across a tile's height, butted along the grain; 0 for one wide piece
    uint32_t seed;
};

std::vector<Knot> Knots(const WoodLook& look)
{
    std::vector<Knot> knots;
    for (int i = 0; i < look.knots; ++i) {
        const uint32_t h = look.seed + 1000 + i;
        knots.push_back({kSize * Unit(Hash(i, 1, h)), kSize * Unit(Hash(i, 2, h)), 4 + 4 * Unit(Hash(i, 3, h))});
    }
    return knots;
}

// How much the knots bend the rings at (x, y), in rings; how much of the point is knot.
struct KnotEffect {
    double bend = 0;
    double core = 0;
};

KnotEffect KnotsAt(const std::vector<Knot>& knots, double x, double y)
{
    KnotEffect effect;
    for (const Knot& knot : knots) {
        const double dx = WrappedOffset(x - knot.x) / (3 * knot.radius), dy = WrappedOffset(y - knot.y) / knot.radius;
        const double d2 = dx * dx + dy * dy;
        effect.bend += 2.2 * std::exp(-d2 / 5);
        effect.core = std::max(effect.core, 1 - Smoothstep(0.1, 1.2, d2));
    }
    return effect;
}

// The wood at (u, v), in tiles, with the grain along u. The ring lines sweep in broad waves and
// ripple a little; each ring darkens slowly and ends in a thin dark line, as the late wood of a
// year does. Fibres and pores follow the lines.
Colour WoodAt(const WoodLook& look, double u, double v, const KnotEffect& knot)
{
    const double sweep = Fbm(u, v, 2, 2, 2, look.seed);
    const double ripple = Fbm(u, v, 2, 12, 2, look.seed + 5);
    const double grain = v + (look.waviness * sweep + 0.3 * ripple) / look.rings;
    const double spacing = 0.4 * Fbm(0, grain, 1, look.rings / 2, 2, look.seed + 7);  // wider and narrower years
    const double t = grain * look.rings + spacing + knot.bend;
    const double ring = t - std::floor(t);
    const double line = (0.35 * ring * ring + 0.65 * Smoothstep(0.6, 0.82, ring)) * (1 - Smoothstep(0.82, 1.0, ring));
    const double fibre = Fbm(u, grain, 2, 96, 3, look.seed + 10);
    const double pore = Smoothstep(0.3, 0.6, Fbm(u, grain, 24, 192, 2, look.seed + 20));
    const double tone = Fbm(u, v, 2, 2, 3, look.seed + 30);
    Colour c = Mix(look.early, look.late, line);
    c = Mix(c, Scaled(look.late, 0.8), 0.7 * knot.core);
    return Scaled(c, 1 + look.fibres * fibre - look.pores * pore + 0.06 * tone);
}

TPixelBuffer DrawWood(const WoodLook& look)
{
    const std::vector<Knot> knots = Knots(look);
    const int boardHeight = look.boards > 0 ? kSize / look.boards : kSize;
    return Paint([&](int x, int y) {
        // Each board is cut from another place in the log; a dark gap with a soft shadow parts them.
        const int board = y / boardHeight, inBoard = y % boardHeight;
        const double v = double(y) / kSize + (look.boards > 0 ? 0.37 * board : 0);
        const Colour c = WoodAt(look, double(x) / kSize, v, KnotsAt(knots, x + 0.5, y + 0.5));
        if (look.boards == 0)
            return c;
        const double shadow = 0.25 * (1 - Smoothstep(2, 5, inBoard)) + 0.12 * Smoothstep(boardHeight - 3, boardHeight, inBoard);
        return Scaled(c, inBoard < 2 ? 0.4 : 1 - shadow);
    });
}

// ---------------------------------------------------------------------------------------------
// Parquet

// Oak planks four times as long as wide, laid in herringbone: a staircase of lying planks, each one
// a plank width further right than the one above, beside a staircase of standing planks, and so
// on. Counted in plank widths, the pattern repeats every two plank lengths along x (and along y),
// which divides the tile.
constexpr int kPlankWidth = 16;
constexpr int kPlankCells = 4;  // plank widths to a plank's length

TPixelBuffer DrawParquet()
{
    const WoodLook oak{.early = {194, 150, 100}, .late = {158, 114, 70}, .rings = 40, .waviness = 4,
                       .fibres = 0.10, .pores = 0.06, .knots = 0, .boards = 0, .seed = 71};
    const int period = 2 * kPlankCells;  // plank widths
    return Paint([&](int x, int y) {
        const int cellX = x / kPlankWidth, cellY = y / kPlankWidth;
        const int diagonal = Wrap(cellX - cellY, period);
        const bool lying = diagonal < kPlankCells;
        // The plank's first cell, and where the pixel lies along and across the plank.
        int startX = 0, startY = 0;
        double along = 0, across = 0;
        if (lying) {
            startX = cellX - diagonal;
            startY = cellY;
            along = x - startX * kPlankWidth;
            across = y % kPlankWidth;
        } else {
            startX = cellX;
            startY = cellY - (period - 1 - diagonal);
            along = y - startY * kPlankWidth;
            across = x % kPlankWidth;
        }
        const uint32_t plank = Hash(Wrap(startX, kSize / kPlankWidth), Wrap(startY, kSize / kPlankWidth), lying);
        // Each plank is cut from a different place in the wood and its tone differs a little.
        const double u = (along + 300 * Unit(plank)) / kSize, v = (across + 300 * Unit(plank >> 8)) / kSize;
        Colour c = Scaled(WoodAt(oak, u, v, {}), 0.92 + 0.14 * Unit(plank >> 16));
        // The joints: a dark line along the plank's top and left sides, a soft shadow next to it.
        const double edge = std::min(along, across);
        c = Mix(c, {70, 48, 30}, edge < 1 ? 0.75 : 0.2 * (1 - Smoothstep(1, 2.5, edge)));
        return c;
    });
}

// ---------------------------------------------------------------------------------------------
// Stucco

// A number for every pixel of the tile, read across its edges as the tile repeats.
class Field {
public:
    Field() = default;  // all 0
    template <typename ValueAt>
    explicit Field(ValueAt valueAt)
    {
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                values_[size_t(y) * kSize + x] = valueAt(double(x) / kSize, double(y) / kSize);
    }
    double& At(int x, int y) { return values_[size_t(Wrap(y, kSize)) * kSize + Wrap(x, kSize)]; }
    double At(int x, int y) const { return values_[size_t(Wrap(y, kSize)) * kSize + Wrap(x, kSize)]; }

private:
    std::vector<double> values_ = std::vector<double>(size_t(kSize) * kSize);
};

// The light on a height field lit from the top left: 1 on level ground.
double Light(const Field& height, int x, int y, double relief)
{
    return 1 + relief * (height.At(x - 1, y) - height.At(x + 1, y) + height.At(x, y - 1) - height.At(x, y + 1));
}

// Fine plaster: a sandy relief under soft blotches of lighter and darker beige.
TPixelBuffer DrawFineStucco()
{
    const Field height([](double u, double v) { return 0.6 * Fbm(u, v, 16, 16, 4, 101) + 0.4 * Fbm(u, v, 64, 64, 2, 111); });
    const Field mottle([](double u, double v) { return Fbm(u, v, 4, 4, 4, 121); });
    return Paint([&](int x, int y) {
        const Colour c = Mix({198, 186, 164}, {180, 165, 142}, 0.5 + 0.8 * mottle.At(x, y));
        return Scaled(c, Light(height, x, y, 0.5));
    });
}

// Coarse plaster laid on with a trowel: overlapping smooth patches, each tilted a little its own way
// and drawn out in the trowel's direction, under a sandy grain. The light picks out the patch edges.
TPixelBuffer DrawTrowelStucco()
{
    constexpr uint32_t seed = 401;
    Field height([](double u, double v) { return 0.4 * Fbm(u, v, 4, 4, 3, seed); });
    Field tone;
    const Field ragged([](double u, double v) { return Fbm(u, v, 16, 16, 3, seed + 1); });
    for (int i = 0; i < 96; ++i) {
        const double cx = kSize * Unit(Hash(i, 1, seed)), cy = kSize * Unit(Hash(i, 2, seed));
        const double angle = 2 * std::numbers::pi * Unit(Hash(i, 3, seed));
        const double length = 22 + 26 * Unit(Hash(i, 4, seed)), width = 12 + 12 * Unit(Hash(i, 5, seed));
        const double level = 0.6 * (Unit(Hash(i, 6, seed)) - 0.5), tilt = 0.01 * (Unit(Hash(i, 7, seed)) - 0.5);
        const double shade = Unit(Hash(i, 8, seed)) - 0.5;
        const int reach = int(length * 1.3);
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx) {
                const int x = int(cx) + dx, y = int(cy) + dy;
                const double a = dx * std::cos(angle) + dy * std::sin(angle), b = dy * std::cos(angle) - dx * std::sin(angle);
                const double edge = std::hypot(a / length, b / width) + 0.4 * ragged.At(x + 37 * i, y + 53 * i);
                const double cover = 1 - Smoothstep(0.8, 1.0, edge);
                if (cover <= 0)
                    continue;
                const double streak = 0.06 * GradientNoise(a / 24, b / 2, 1 << 20, 1 << 20, seed + 100 + i);
                height.At(x, y) += (level + tilt * a + streak - height.At(x, y)) * cover;
                tone.At(x, y) += (shade - tone.At(x, y)) * cover;
            }
    }
    const Field sand([](double u, double v) { return Fbm(u, v, 48, 48, 3, seed + 2); });
    return Paint([&](int x, int y) {
        const Colour c = Mix({166, 156, 142}, {150, 140, 128}, 0.5 + tone.At(x, y));
        return Scaled(c, Light(height, x, y, 0.45) + 0.04 * sand.At(x, y));
    });
}

// ---------------------------------------------------------------------------------------------

// The button shows a piece of the texture from the middle at half size, each pixel the mean of
// four: enough of the pattern to know it by.
TPixelBuffer Button(const TPixelBuffer& texture)
{
    const int left = (kSize - 2 * kButtonWidth) / 2, top = (kSize - 2 * kButtonHeight) / 2;
    TPixelBuffer button;
    PixCreate24(button, kButtonWidth, kButtonHeight);
    for (int y = 0; y < kButtonHeight; ++y)
        for (int x = 0; x < kButtonWidth; ++x) {
            const uint8_t* upper = PixAddress(texture, left + 2 * x, top + 2 * y);
            const uint8_t* lower = PixAddress(texture, left + 2 * x, top + 2 * y + 1);
            uint8_t* pixel = PixAddress(button, x, y);
            for (int channel = 0; channel < 3; ++channel)
                pixel[channel] = uint8_t((upper[channel] + upper[channel + 3] + lower[channel] + lower[channel + 3] + 2) / 4);
        }
    return button;
}

struct Texture {
    const char* name;
    TPixelBuffer picture;
};

std::vector<Texture> DrawTextures()
{
    std::vector<Texture> textures;
    textures.push_back({"parquet", DrawParquet()});
    textures.push_back({"stucco1", DrawFineStucco()});
    textures.push_back({"stucco4", DrawTrowelStucco()});
    const struct {
        const char* name;
        WoodLook look;
    } woods[] = {
        // pale birch, calm with faint rings
        {"wood1", {.early = {204, 184, 150}, .late = {182, 158, 120}, .rings = 14, .waviness = 1.6, .fibres = 0.10, .pores = 0, .knots = 1, .boards = 0, .seed = 11}},
        // golden oak, open grain with pores
        {"wood2", {.early = {194, 152, 100}, .late = {146, 104, 60}, .rings = 12, .waviness = 1.6, .fibres = 0.16, .pores = 0.08, .knots = 2, .boards = 0, .seed = 22}},
        // smooth reddish cherry
        {"wood3", {.early = {172, 114, 86}, .late = {134, 82, 60}, .rings = 20, .waviness = 1.2, .fibres = 0.12, .pores = 0, .knots = 1, .boards = 0, .seed = 33}},
        // dark walnut with a wide wavy figure
        {"wood4", {.early = {132, 94, 66}, .late = {98, 68, 48}, .rings = 10, .waviness = 1.4, .fibres = 0.16, .pores = 0.05, .knots = 2, .boards = 0, .seed = 44}},
        // weathered grey wood with strong streaks
        {"wood5", {.early = {164, 158, 146}, .late = {116, 110, 102}, .rings = 14, .waviness = 2, .fibres = 0.24, .pores = 0.04, .knots = 3, .boards = 4, .seed = 55}},
    };
    for (const auto& wood : woods)
        textures.push_back({wood.name, DrawWood(wood.look)});
    return textures;
}

// The tile repeated over the whole picture, from the top-left corner.
TPixelBuffer Tiled(const TPixelBuffer& tile)
{
    TPixelBuffer picture;
    PixCreate24(picture, kPictureWidth, kPictureHeight);
    for (int y = 0; y < kPictureHeight; y += kSize)
        for (int x = 0; x < kPictureWidth; x += kSize)
            PixCopyRect(picture, x, y, kSize, kSize, tile, 0, 0);
    return picture;
}

bool WriteJpeg(const std::string& path, const TPixelBuffer& picture)
{
    return WriteEncoded("kirvo-textures", path, PixEncodeJpeg(picture, kJpegQuality));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kirvo-textures FOLDER\n");
        return 2;
    }
    std::error_code error;
    std::filesystem::create_directories(argv[1], error);
    const std::string folder = std::string(argv[1]) + "/";
    for (const Texture& texture : DrawTextures()) {
        if (!WriteJpeg(folder + texture.name + "-1600.jpg", Tiled(texture.picture))
            || !WriteJpeg(folder + texture.name + "-but.jpg", Button(texture.picture)))
            return 1;
    }
    return 0;
}
