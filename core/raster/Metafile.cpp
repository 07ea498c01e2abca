#include "raster/Metafile.h"

#include <algorithm>
#include <cassert>
#include <limits>
#include <string>

#include "base/ByteReader.h"

namespace kirvo {

namespace {

constexpr uint32_t kRecordHead = 8;  // type and size
constexpr uint32_t kHeaderData = 80;
constexpr uint32_t kPolyCountAt = 16;  // after the poly record's bounds
constexpr uint32_t kPolyPointsAt = 20;

enum class PointForm { None, Poly32, Poly16, Single };

// Where a kind keeps its fields, as offsets into the record's data (after type and size); -1 for
// a field the kind does not have. dataBytes is what the kind needs before any poly points.
struct Layout {
    bool known = false;
    uint32_t dataBytes = 0;
    PointForm points = PointForm::None;
    int colourAt = -1;
    int handleAt = -1;
    int styleAt = -1;
};

Layout LayoutOf(Emr type)
{
    switch (type) {
    case Emr::Header: return {true, kHeaderData};
    case Emr::PolyBezier:
    case Emr::Polygon:
    case Emr::Polyline:
    case Emr::PolyBezierTo: return {true, kPolyPointsAt, PointForm::Poly32};
    case Emr::PolyBezier16:
    case Emr::Polygon16:
    case Emr::Polyline16:
    case Emr::PolyBezierTo16: return {true, kPolyPointsAt, PointForm::Poly16};
    case Emr::MoveTo:
    case Emr::LineTo: return {true, 8, PointForm::Single};
    case Emr::SetPixel: return {true, 12, PointForm::Single, 8};
    case Emr::SetTextColour:
    case Emr::SetBackgroundColour: return {true, 4, PointForm::None, 0};
    // handle, style, width (a point), colour
    case Emr::CreatePen: return {true, 20, PointForm::None, 16, 0, 4};
    // handle, style, colour, hatch
    case Emr::CreateBrush: return {true, 16, PointForm::None, 8, 0, 4};
    // handle, four words locating a brush bitmap, then style, width, brush style, colour, hatch and
    // the number of dash entries
    case Emr::ExtCreatePen: return {true, 44, PointForm::None, 32, 0, 20};
    // point, colour, mode
    case Emr::ExtFloodFill: return {true, 16, PointForm::Single, 8, -1, 12};
    case Emr::SelectObject:
    case Emr::DeleteObject: return {true, 4, PointForm::None, -1, 0};
    case Emr::EndOfFile: return {true, 12};
    case Emr::BeginPath:
    case Emr::EndPath:
    case Emr::CloseFigure: return {true, 0};
    case Emr::FillPath:
    case Emr::StrokeAndFillPath:
    case Emr::StrokePath: return {true, 16};
    }
    return {};
}

uint32_t PointBytes(PointForm form) { return form == PointForm::Poly16 ? 4 : 8; }

uint32_t U32At(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

int16_t I16At(const uint8_t* p) { return int16_t(uint16_t(p[0] | p[1] << 8)); }

void PutU32(uint8_t* p, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(value >> (8 * i));
}

void PutI16(uint8_t* p, int16_t value)
{
    p[0] = uint8_t(uint16_t(value));
    p[1] = uint8_t(uint16_t(value) >> 8);
}

int16_t Saturate16(int32_t value)
{
    return int16_t(std::clamp<int32_t>(value, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

Error Invalid(size_t offset, const std::string& fault)
{
    return Fail("Invalid metafile: record at offset " + std::to_string(offset) + " " + fault);
}

// Checks the record at offset against the bytes after it and against its kind.
Result<> CheckRecord(std::span<const uint8_t> bytes, size_t offset)
{
    size_t remaining = bytes.size() - offset;
    if (remaining < kRecordHead)
        return Invalid(offset, "is truncated");
    const uint8_t* record = bytes.data() + offset;
    uint32_t size = U32At(record + 4);
    if (size < kRecordHead || size % 4 != 0)
        return Invalid(offset, "has a size of " + std::to_string(size) + " bytes, not a multiple of 4 from 8 up");
    if (size > remaining)
        return Invalid(offset, "claims " + std::to_string(size) + " bytes, only " + std::to_string(remaining) + " remain");
    Layout layout = LayoutOf(Emr(U32At(record)));
    if (!layout.known)
        return {};
    uint32_t dataSize = size - kRecordHead;
    if (dataSize < layout.dataBytes)
        return Invalid(offset, "is too short for its kind");
    if (layout.points == PointForm::Poly32 || layout.points == PointForm::Poly16) {
        uint64_t count = U32At(record + kRecordHead + kPolyCountAt);
        if (count * PointBytes(layout.points) > dataSize - kPolyPointsAt)
            return Invalid(offset, "counts " + std::to_string(count) + " points past its end");
    }
    return {};
}

const uint8_t* DataOf(const Metafile& metafile, size_t index)
{
    return metafile.bytes.data() + metafile.recordOffsets[index] + kRecordHead;
}

uint8_t* DataOf(Metafile& metafile, size_t index)
{
    return metafile.bytes.data() + metafile.recordOffsets[index] + kRecordHead;
}

void WriteRect(ByteWriter& out, const MetafileRect& rect)
{
    out.I32(rect.left);
    out.I32(rect.top);
    out.I32(rect.right);
    out.I32(rect.bottom);
}

MetafileRect ReadRect(ByteReader& in)
{
    MetafileRect rect;
    rect.left = in.I32();
    rect.top = in.I32();
    rect.right = in.I32();
    rect.bottom = in.I32();
    return rect;
}

MetafileRect BoundsOf(std::span<const MetafilePoint> points)
{
    if (points.empty())
        return {};
    MetafileRect bounds{points[0].x, points[0].y, points[0].x, points[0].y};
    for (MetafilePoint p : points) {
        bounds.left = std::min(bounds.left, p.x);
        bounds.top = std::min(bounds.top, p.y);
        bounds.right = std::max(bounds.right, p.x);
        bounds.bottom = std::max(bounds.bottom, p.y);
    }
    return bounds;
}

void WriteHeader(ByteWriter& out, const MetafileHeader& header)
{
    out.U32(uint32_t(Emr::Header));
    out.U32(kRecordHead + kHeaderData);
    WriteRect(out, header.bounds);
    WriteRect(out, header.frame);
    out.U32(kMetafileSignature);
    out.U32(header.version);
    out.U32(header.bytes);
    out.U32(header.records);
    out.U16(header.handles);
    out.U16(0);
    out.U32(header.descriptionLength);
    out.U32(header.descriptionOffset);
    out.U32(header.paletteEntries);
    out.I32(header.devicePixels.width);
    out.I32(header.devicePixels.height);
    out.I32(header.deviceMillimetres.width);
    out.I32(header.deviceMillimetres.height);
}

// The record's data laid out for its kind: the fields this program writes in place, pen width 1,
// poly bounds from the points and the header's bounds on the path-drawing records.
std::vector<uint8_t> RecordData(const MetafileRecord& record, const MetafileRect& headerBounds)
{
    Layout layout = LayoutOf(record.type);
    assert(layout.known && record.type != Emr::Header);
    uint32_t pointCount = layout.points == PointForm::Poly32 || layout.points == PointForm::Poly16
                              ? uint32_t(record.points.size()) : 0;
    std::vector<uint8_t> data(layout.dataBytes + pointCount * PointBytes(layout.points));
    ByteWriter rect;
    switch (record.type) {
    case Emr::CreatePen: PutU32(&data[8], 1); break;
    case Emr::ExtCreatePen: PutU32(&data[24], 1); break;
    case Emr::EndOfFile: PutU32(&data[4], kRecordHead); PutU32(&data[8], kRecordHead + 12); break;
    case Emr::FillPath:
    case Emr::StrokeAndFillPath:
    case Emr::StrokePath: WriteRect(rect, headerBounds); break;
    default:
        if (pointCount > 0) {
            WriteRect(rect, BoundsOf(record.points));
            PutU32(&data[kPolyCountAt], pointCount);
        }
        break;
    }
    std::copy(rect.Bytes().begin(), rect.Bytes().end(), data.begin());
    return data;
}

}  // namespace

Result<Metafile> LoadMetafile(std::span<const uint8_t> bytes)
{
    if (bytes.size() < kRecordHead + kHeaderData || Emr(U32At(bytes.data())) != Emr::Header)
        return Fail("Invalid metafile: no header record");
    if (U32At(bytes.data() + kRecordHead + 32) != kMetafileSignature)
        return Fail("Invalid metafile: no signature in the header");
    Metafile metafile;
    size_t offset = 0;
    while (true) {
        if (offset == bytes.size())
            return Fail("Invalid metafile: no end-of-file record");
        if (Result<> checked = CheckRecord(bytes, offset); !checked)
            return Fail(checked.error());
        metafile.recordOffsets.push_back(uint32_t(offset));
        Emr type = Emr(U32At(bytes.data() + offset));
        offset += U32At(bytes.data() + offset + 4);
        if (type == Emr::EndOfFile)
            break;
    }
    metafile.bytes.assign(bytes.begin(), bytes.end());
    return metafile;
}

Metafile EncodeMetafile(const MetafileHeader& header, std::span<const MetafileRecord> records)
{
    ByteWriter body;
    auto add = [&](const MetafileRecord& record) {
        std::vector<uint8_t> data = RecordData(record, header.bounds);
        body.U32(uint32_t(record.type));
        body.U32(uint32_t(kRecordHead + data.size()));
        body.Append(data);
    };
    for (const MetafileRecord& record : records)
        add(record);
    MetafileRecord endOfFile;
    endOfFile.type = Emr::EndOfFile;
    add(endOfFile);

    MetafileHeader counted = header;
    counted.bytes = uint32_t(kRecordHead + kHeaderData + body.Bytes().size());
    counted.records = uint32_t(records.size() + 2);
    ByteWriter out;
    WriteHeader(out, counted);
    out.Append(body.Bytes());
    Metafile metafile;
    metafile.bytes = out.Take();
    for (size_t offset = 0; offset < metafile.bytes.size(); offset += U32At(&metafile.bytes[offset + 4]))
        metafile.recordOffsets.push_back(uint32_t(offset));
    for (size_t i = 0; i < records.size(); ++i)
        WriteMetafileRecord(metafile, i + 1, records[i]);
    return metafile;
}

MetafileHeader ReadMetafileHeader(const Metafile& metafile)
{
    ByteReader in(std::span(metafile.bytes).subspan(kRecordHead));
    MetafileHeader header;
    header.bounds = ReadRect(in);
    header.frame = ReadRect(in);
    in.Skip(4);  // the signature
    header.version = in.U32();
    header.bytes = in.U32();
    header.records = in.U32();
    header.handles = in.U16();
    in.Skip(2);
    header.descriptionLength = in.U32();
    header.descriptionOffset = in.U32();
    header.paletteEntries = in.U32();
    header.devicePixels = {in.I32(), in.I32()};
    header.deviceMillimetres = {in.I32(), in.I32()};
    return header;
}

void SetMetafileExtent(Metafile& metafile, const MetafileRect& bounds, const MetafileRect& frame)
{
    ByteWriter out;
    WriteRect(out, bounds);
    WriteRect(out, frame);
    std::copy(out.Bytes().begin(), out.Bytes().end(), DataOf(metafile, 0));
}

Emr RecordType(const Metafile& metafile, size_t index)
{
    return Emr(U32At(metafile.bytes.data() + metafile.recordOffsets[index]));
}

MetafileRecord ReadMetafileRecord(const Metafile& metafile, size_t index)
{
    MetafileRecord record;
    record.type = RecordType(metafile, index);
    Layout layout = LayoutOf(record.type);
    const uint8_t* data = DataOf(metafile, index);
    switch (layout.points) {
    case PointForm::None: break;
    case PointForm::Single: record.points.push_back({int32_t(U32At(data)), int32_t(U32At(data + 4))}); break;
    case PointForm::Poly32:
    case PointForm::Poly16: {
        uint32_t count = U32At(data + kPolyCountAt);
        const uint8_t* p = data + kPolyPointsAt;
        record.points.resize(count);
        for (MetafilePoint& point : record.points) {
            if (layout.points == PointForm::Poly32) {
                point = {int32_t(U32At(p)), int32_t(U32At(p + 4))};
                p += 8;
            } else {
                point = {I16At(p), I16At(p + 2)};
                p += 4;
            }
        }
        break;
    }
    }
    if (layout.colourAt >= 0)
        record.colour = U32At(data + layout.colourAt);
    if (layout.handleAt >= 0)
        record.handle = U32At(data + layout.handleAt);
    if (layout.styleAt >= 0)
        record.style = U32At(data + layout.styleAt);
    return record;
}

void WriteMetafileRecord(Metafile& metafile, size_t index, const MetafileRecord& record)
{
    assert(record.type == RecordType(metafile, index));
    Layout layout = LayoutOf(record.type);
    uint8_t* data = DataOf(metafile, index);
    switch (layout.points) {
    case PointForm::None: break;
    case PointForm::Single:
        assert(record.points.size() == 1);
        PutU32(data, uint32_t(record.points[0].x));
        PutU32(data + 4, uint32_t(record.points[0].y));
        break;
    case PointForm::Poly32:
    case PointForm::Poly16: {
        assert(record.points.size() == U32At(data + kPolyCountAt));
        uint8_t* p = data + kPolyPointsAt;
        for (MetafilePoint point : record.points) {
            if (layout.points == PointForm::Poly32) {
                PutU32(p, uint32_t(point.x));
                PutU32(p + 4, uint32_t(point.y));
                p += 8;
            } else {
                PutI16(p, Saturate16(point.x));
                PutI16(p + 2, Saturate16(point.y));
                p += 4;
            }
        }
        break;
    }
    }
    if (layout.colourAt >= 0)
        PutU32(data + layout.colourAt, record.colour);
    if (layout.handleAt >= 0)
        PutU32(data + layout.handleAt, record.handle);
    if (layout.styleAt >= 0)
        PutU32(data + layout.styleAt, record.style);
}

int32_t PixelsToHundredthsMm(int32_t pixels)
{
    return int32_t(std::clamp<int64_t>((int64_t(pixels) * 2540 + 48) / 96, std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}

}  // namespace kirvo
