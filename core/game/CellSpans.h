// Cell spans: cells of a buffer kept as runs along its rows, a byte for each cell, so that the
// piece drawing visits just the cells it needs.
#pragma once

#include <cstdint>
#include <vector>

namespace kirvo {

// count cells from (x, y). Buffers are far narrower and lower than 65536 pixels.
struct CellSpan {
    uint16_t x = 0;
    uint16_t y = 0;
    uint16_t count = 0;
};

// Spans row by row, left to right, with the bytes of their cells in order: a span's bytes start
// after those of the spans before it.
struct CellSpans {
    std::vector<CellSpan> spans;
    std::vector<uint8_t> bytes;

    void Add(int x, int y, uint8_t byte)
    {
        AddRun(x, y, 1);
        bytes.push_back(byte);
    }
    // Cells whose bytes do not matter.
    void AddRun(int x, int y, int count)
    {
        if (spans.empty() || spans.back().y != y || spans.back().x + spans.back().count != x)
            spans.push_back({uint16_t(x), uint16_t(y), 0});
        spans.back().count = uint16_t(spans.back().count + count);
    }
    void Clear()
    {
        spans.clear();
        bytes.clear();
    }
    // A copy in vectors no larger than its cells need, for spans kept long after they are found.
    CellSpans Fitted() const
    {
        return {std::vector<CellSpan>(spans.begin(), spans.end()), std::vector<uint8_t>(bytes.begin(), bytes.end())};
    }
};

}  // namespace kirvo
