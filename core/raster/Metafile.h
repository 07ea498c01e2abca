// Enhanced metafiles: a picture stored as a stream of drawing records. The picture shapes of the
// artistic cut come in this form.
//
// A stream is a sequence of records, each a uint32 type, a uint32 size in bytes (a multiple of 4,
// type and size included) and the record's data, all little-endian. The first record is the
// header, the last the end-of-file record. The record kinds of Emr below are understood; any
// other record is kept in the stream and passed over when it is walked.
//
// A Metafile is to be made only by LoadMetafile, which checks every record against the bytes, or by
// EncodeMetafile. Code that walks one may rely on every record lying inside the bytes and
// holding what its kind needs, and rewriting records in place keeps it so.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "base/Result.h"

namespace kirvo {

enum class Emr : uint32_t {
    Header = 1,
    PolyBezier = 2,
    Polygon = 3,
    Polyline = 4,
    PolyBezierTo = 5,
    EndOfFile = 14,
    SetPixel = 15,
    SetTextColour = 24,
    SetBackgroundColour = 25,
    MoveTo = 27,
    SelectObject = 37,
    CreatePen = 38,
    CreateBrush = 39,
    DeleteObject = 40,
    ExtFloodFill = 53,
    LineTo = 54,
    BeginPath = 59,
    EndPath = 60,
    CloseFigure = 61,
    FillPath = 62,
    StrokeAndFillPath = 63,
    StrokePath = 64,
    PolyBezier16 = 85,
    Polygon16 = 86,
    Polyline16 = 87,
    PolyBezierTo16 = 88,
    ExtCreatePen = 95,
};

inline constexpr uint32_t kMetafileSignature = 0x464D4520;  // " EMF"
inline constexpr uint32_t kMetafileVersion = 0x10000;
// Pen and brush styles that draw nothing, and the flag of a stock object's handle.
inline constexpr uint32_t kNullPenStyle = 5;
inline constexpr uint32_t kNullBrushStyle = 1;
inline constexpr uint32_t kStockObject = 0x80000000;

struct MetafilePoint {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const MetafilePoint&, const MetafilePoint&) = default;
};

struct MetafileSize {
    int32_t width = 0;
    int32_t height = 0;
    friend bool operator==(const MetafileSize&, const MetafileSize&) = default;
};

struct MetafileRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    friend bool operator==(const MetafileRect&, const MetafileRect&) = default;
};

struct MetafileHeader {
    MetafileRect bounds;  // pixels: the picture spans [left, right) x [top, bottom)
    MetafileRect frame;   // the same in hundredths of a millimetre
    uint32_t version = kMetafileVersion;
    uint32_t bytes = 0;    // the whole stream; EncodeMetafile fills it in
    uint32_t records = 0;  // header and end-of-file record included; EncodeMetafile fills it in
    uint16_t handles = 1;  // object slots used, plus one
    uint32_t descriptionLength = 0;
    uint32_t descriptionOffset = 0;
    uint32_t paletteEntries = 0;
    MetafileSize devicePixels;
    MetafileSize deviceMillimetres;
    friend bool operator==(const MetafileHeader&, const MetafileHeader&) = default;
};

// One record in the fields this program reads and writes. Which fields a kind has:
//   points  the poly kinds (all of them; a poly-Bezier-to starts from the current position),
//           move-to, line-to, set-pixel and flood fill (one point each)
//   colour  set-pixel, text and background colour, both pens, brush, flood fill
//   handle  the object slot a pen or brush is created in, or that is selected or deleted
//   style   pen style, brush style, flood-fill mode
// Pen widths, hatches and the bounds each poly and path-drawing record carries are not read; the
// writer puts in width 1, no hatch and the header's bounds.
struct MetafileRecord {
    Emr type{};
    std::vector<MetafilePoint> points = {};
    uint32_t colour = 0;
    uint32_t handle = 0;
    uint32_t style = 0;
    friend bool operator==(const MetafileRecord&, const MetafileRecord&) = default;
};

struct Metafile {
    std::vector<uint8_t> bytes;
    std::vector<uint32_t> recordOffsets;  // where each record starts: the header first, end of file last
};

// Copies and checks a stream: a header with the signature first, then records that each lie
// inside the bytes with a size of at least 8 and a multiple of 4, known kinds long enough for
// their fields and point counts, up to an end-of-file record. Bytes after that record are kept
// but never read. The error names the record's offset and the fault.
Result<Metafile> LoadMetafile(std::span<const uint8_t> bytes);

// The stream of the header and the records, with an end-of-file record added; the header's
// bytes and records counts are filled in.
Metafile EncodeMetafile(const MetafileHeader& header, std::span<const MetafileRecord> records);

MetafileHeader ReadMetafileHeader(const Metafile& metafile);
// Rewrites the header's bounds and frame in place.
void SetMetafileExtent(Metafile& metafile, const MetafileRect& bounds, const MetafileRect& frame);

Emr RecordType(const Metafile& metafile, size_t index);
MetafileRecord ReadMetafileRecord(const Metafile& metafile, size_t index);
// Rewrites the points, colour, handle and style of record index in place, as its kind has them;
// the record keeps its type and its number of points (record.points must have as many). Points of
// the 16-bit forms are saturated to their range.
void WriteMetafileRecord(Metafile& metafile, size_t index, const MetafileRecord& record);

// Hundredths of a millimetre for a length in pixels, at 96 pixels an inch.
int32_t PixelsToHundredthsMm(int32_t pixels);

}  // namespace kirvo
