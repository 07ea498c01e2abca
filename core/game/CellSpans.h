// Cell spans: cells of a buffer kept as runs along its rows, a byte for each cell, so that the
// piece drawing visits just the cells it needs.
#pragma once

#include <cstdint>
#include <vector>

namespace kirvo {

// count cells from (x, y); their bytes in order from first.
struct CellSpan {
    int32_t x = 0;
    int32_t y = 0;
    int32_t count = 0;
    uint32_t first = 0;
};

// Spans row by row, left to right.
struct CellSpans {
    std::vector<CellSpan> spans;
    std::vector<uint8_t> bytes;

    void Add(int x, int y, uint8_t byte)
    {
        if (spans.empty() || spans.back().y != y || spans.back().x + spans.back().count != x)
            spans.push_back({x, y, 0, uint32_t(bytes.size())});
        ++spans.back().count;
        bytes.push_back(byte);
    }
    // Cells whose bytes do not matter.
    void AddRun(int x, int y, int count)
    {
        if (spans.empty() || spans.back().y != y || spans.back().x + spans.back().count != x)
            spans.push_back({x, y, 0, 0});
        spans.back().count += count;
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
