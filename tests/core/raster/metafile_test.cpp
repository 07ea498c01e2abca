#include "raster/Metafile.h"

#include <gtest/gtest.h>

#include <string>

#include "support/ByteEdits.h"
#include "support/SampleMetafile.h"

namespace kirvo {
namespace {

using testing::EveryRecordKind;
using testing::PutU32;
using testing::SampleHeader;

TEST(Metafile, EveryRecordKindReadsBackAsWritten)
{
    std::vector<MetafileRecord> records = EveryRecordKind();
    Metafile written = EncodeMetafile(SampleHeader(), records);
    Result<Metafile> read = LoadMetafile(written.bytes);
    ASSERT_TRUE(read.ok()) << read.error();
    const Metafile& metafile = read.value();

    MetafileHeader header = SampleHeader();
    header.bytes = uint32_t(written.bytes.size());
    header.records = uint32_t(records.size() + 2);
    EXPECT_EQ(ReadMetafileHeader(metafile), header);
    ASSERT_EQ(metafile.recordOffsets.size(), records.size() + 2);
    for (size_t i = 0; i < records.size(); ++i)
        EXPECT_EQ(ReadMetafileRecord(metafile, i + 1), records[i]) << "record " << i + 1;
    EXPECT_EQ(RecordType(metafile, records.size() + 1), Emr::EndOfFile);

    // Writing each record back as read leaves every byte where it was.
    Metafile rewritten = metafile;
    for (size_t i = 1; i < rewritten.recordOffsets.size(); ++i)
        WriteMetafileRecord(rewritten, i, ReadMetafileRecord(rewritten, i));
    EXPECT_EQ(rewritten.bytes, written.bytes);
}

TEST(Metafile, SixteenBitPointsAreHeldAtTheirRange)
{
    Metafile metafile = EncodeMetafile(SampleHeader(), std::vector<MetafileRecord>{{Emr::Polygon16, {{0, 0}, {1, 1}, {2, 0}}}});
    WriteMetafileRecord(metafile, 1, {Emr::Polygon16, {{40000, -40000}, {-7, 32767}, {-32768, 5}}});
    EXPECT_EQ(ReadMetafileRecord(metafile, 1).points,
              (std::vector<MetafilePoint>{{32767, -32768}, {-7, 32767}, {-32768, 5}}));
}

TEST(Metafile, UnknownRecordsAreKeptAndPassedOver)
{
    Metafile known = EncodeMetafile(SampleHeader(), std::vector<MetafileRecord>{{Emr::MoveTo, {{1, 2}}}});
    std::vector<uint8_t> bytes = known.bytes;
    // A 20-byte record of kind 70 in front of the move-to.
    std::vector<uint8_t> unknown(20, 0xAB);
    PutU32(unknown, 0, 70);
    PutU32(unknown, 4, 20);
    bytes.insert(bytes.begin() + known.recordOffsets[1], unknown.begin(), unknown.end());

    Result<Metafile> read = LoadMetafile(bytes);
    ASSERT_TRUE(read.ok()) << read.error();
    ASSERT_EQ(read.value().recordOffsets.size(), 4u);
    EXPECT_EQ(RecordType(read.value(), 1), Emr(70));
    EXPECT_EQ(ReadMetafileRecord(read.value(), 2), (MetafileRecord{Emr::MoveTo, {{1, 2}}}));
}

TEST(Metafile, HostileStreamsAreRefusedWithTheirFault)
{
    std::vector<MetafileRecord> records = {{Emr::CreatePen, {}, 0x10, 1, 0}, {Emr::Polygon, {{0, 0}, {9, 0}, {9, 9}}}};
    Metafile base = EncodeMetafile(SampleHeader(), records);
    size_t pen = base.recordOffsets[1], polygon = base.recordOffsets[2], end = base.recordOffsets[3];
    const testing::ByteEdit cases[] = {
        {"empty", [](auto& b) { b.clear(); }, "no header record"},
        {"first record not a header", [](auto& b) { PutU32(b, 0, 2); }, "no header record"},
        {"no signature", [](auto& b) { PutU32(b, 40, 0x20202020); }, "no signature"},
        {"header shorter than its kind", [](auto& b) { PutU32(b, 4, 40); }, "offset 0 is too short"},
        {"cut inside a record head", [&](auto& b) { b.resize(end + 4); }, "offset " + std::to_string(end) + " is truncated"},
        {"cut inside a record", [&](auto& b) { b.resize(end + 12); }, "claims 20 bytes, only 12 remain"},
        {"no end-of-file record", [&](auto& b) { b.resize(end); }, "no end-of-file record"},
        {"size past the end", [&](auto& b) { PutU32(b, pen + 4, 4096); }, "claims 4096 bytes"},
        {"size that wraps an offset", [&](auto& b) { PutU32(b, pen + 4, 0xFFFFFFFC); }, "claims 4294967292 bytes"},
        {"size not a multiple of 4", [&](auto& b) { PutU32(b, pen + 4, 30); }, "size of 30 bytes"},
        {"size below 8", [&](auto& b) { PutU32(b, pen + 4, 4); }, "size of 4 bytes"},
        {"size 0", [&](auto& b) { PutU32(b, pen + 4, 0); }, "size of 0 bytes"},
        {"pen too short for its fields", [&](auto& b) { PutU32(b, pen + 4, 12); }, "too short for its kind"},
        {"one point too many", [&](auto& b) { PutU32(b, polygon + 24, 4); }, "counts 4 points past its end"},
        {"giant point count", [&](auto& b) { PutU32(b, polygon + 24, 0xFFFFFFFF); }, "counts 4294967295 points"},
        {"count that wraps 32 bits", [&](auto& b) { PutU32(b, polygon + 24, 0x20000001); }, "points past its end"},
    };
    for (const testing::ByteEdit& c : cases) {
        std::vector<uint8_t> bytes = base.bytes;
        c.edit(bytes);
        Result<Metafile> read = LoadMetafile(bytes);
        ASSERT_FALSE(read.ok()) << c.what;
        EXPECT_NE(read.error().find("Invalid metafile: "), std::string::npos) << c.what;
        EXPECT_NE(read.error().find(c.error), std::string::npos) << c.what << ": " << read.error();
    }
}

}  // namespace
}  // namespace kirvo
