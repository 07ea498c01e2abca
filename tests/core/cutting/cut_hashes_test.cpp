// The mask and piece records of fixed cuts, hashed: the artistic cut in every style (shape style 3
// with and without the build's shape library), the grid cut, both border styles, a few seeds and
// the finest level of a full-size picture. The hashes were taken before the cut was made faster,
// so any quicker way of cutting must give the same bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/ByteReader.h"
#include "base/Random.h"
#include "cutting/Cut.h"
#include "cutting/PieceSizeTable.h"
#include "cutting/ShapeLibrary.h"
#include "support/DrawnAtlas.h"

namespace kirvo {
namespace {

// FNV-1a over bytes, carried on from an earlier hash.
uint64_t Hash(const uint8_t* bytes, size_t count, uint64_t hash = 14695981039346656037u)
{
    for (size_t i = 0; i < count; ++i)
        hash = (hash ^ bytes[i]) * 1099511628211u;
    return hash;
}

struct CutHashes {
    uint64_t mask = 0;
    uint64_t pieces = 0;  // every record as a saved game stores it, and the generator after the cut

    bool operator==(const CutHashes&) const = default;
};

std::ostream& operator<<(std::ostream& out, const CutHashes& h)
{
    return out << std::hex << "{0x" << h.mask << "u, 0x" << h.pieces << "u}" << std::dec;
}

struct HashCase {
    int width;
    int height;
    int shapeStyle;
    int borderStyle;
    int level;
    uint32_t seed;
    bool shapes;  // cut with the build's shape library
    CutHashes expected;
};

CutHashes CutAndHash(const HashCase& c)
{
    static const ShapeLibrary library = LoadShapeLibrary(KIRVO_SHAPE_LIBRARY).value();
    Descriptor d;
    d.ImageW = c.width;
    d.ImageH = c.height;
    d.ShapeStyle = uint8_t(c.shapeStyle);
    d.BorderStyle = uint8_t(c.borderStyle);
    d.Level = c.level;
    ApplyLevel(d, c.width, c.height);
    std::vector<PieceRecord> pieces(size_t(d.TotalTileNum) + 1);
    TPixelBuffer mask;
    Random random(c.seed);
    CutPieces(d, pieces, mask, random, testing::DrawnAtlas(), {}, c.shapes ? &library : nullptr);

    CutHashes h{Hash(nullptr, 0), 0};
    for (int y = 0; y < mask.height; ++y)
        h.mask = Hash(PixRow(mask, y), size_t(mask.width) * size_t(mask.bytesPerPixel), h.mask);
    ByteWriter records;
    for (const PieceRecord& piece : pieces)
        EncodePiece(piece, records);
    records.U32(random.state);
    h.pieces = Hash(records.Bytes().data(), records.Bytes().size());
    return h;
}

TEST(CutHashes, FixedCutsGiveTheBytesTheyAlwaysGave)
{
    const HashCase cases[] = {
        {1920, 1080, 0, 0, 0, 20240611, false, {0xf192b4d23a54032fu, 0x89c1a281397e0357u}},
        {1920, 1080, 0, 1, 0, 7, false, {0xb2f8800200572d68u, 0x2925ade0802e5f52u}},
        {800, 600, 0, 0, 0, 16, false, {0xe32e04539efda73fu, 0x1e0962f509c12092u}},
        {801, 599, 0, 1, 4, 2024, false, {0xf201a8c53fc2296u, 0x838313eedb96288fu}},
        {1024, 768, 1, 1, 2, 5, false, {0xbb594d2269e5947fu, 0x141a8e23fa94cf90u}},
        {1024, 768, 2, 0, 1, 99, false, {0xf8dfbcc35fd60e83u, 0x1fb8f4cc8f33d54fu}},
        {1920, 1080, 3, 0, 0, 20240611, true, {0x7dc533ee1fd9e614u, 0x1e229594063f62e9u}},
        {800, 600, 3, 1, 0, 3, true, {0xa58d98afe663d613u, 0x19701e62d39499a4u}},
        {800, 600, 3, 0, 0, 3, false, {0x539879102cb58ac1u, 0xd5ceb6cae919f87du}},
        {1920, 1080, 4, 1, 0, 11, false, {0x6d174077ff06c859u, 0x78a51401a5bca570u}},
    };
    for (const HashCase& c : cases) {
        const std::string name = std::to_string(c.width) + "x" + std::to_string(c.height) + " style " +
                                 std::to_string(c.shapeStyle) + " border " + std::to_string(c.borderStyle) +
                                 " seed " + std::to_string(c.seed);
        EXPECT_EQ(CutAndHash(c), c.expected) << name;
    }
}

}  // namespace
}  // namespace kirvo
