#include "playfield/EdgePieces.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "game/DrawOrder.h"

namespace kirvo {

namespace {

constexpr int kGap = 6;  // pixels between laid-out pieces and from the pocket's edges

// Whether the piece owns a pixel of the picture's outermost rows or columns. Mask values repeat
// every three cells, so only the part of those lines inside the piece's source box counts.
bool OwnsOutlinePixel(const GameState& state, const PieceRecord& piece)
{
    const TPixelBuffer& mask = state.buffers[kMaskBuffer];
    const int right = state.descriptor.ImageW - 1;
    const int bottom = state.descriptor.ImageH - 1;
    const int left = MaxInt(piece.sourceX, 0);
    const int top = MaxInt(piece.sourceY, 0);
    const int lastX = MinInt(piece.sourceX + piece.sourceWidth - 1, right);
    const int lastY = MinInt(piece.sourceY + piece.sourceHeight - 1, bottom);
    if (left > 0 && top > 0 && lastX < right && lastY < bottom)
        return false;
    const auto owns = [&](int x, int y) {
        const int64_t pixel = PixGetPixel(mask, x, y);
        return pixel >= 0 && SplitColour(uint32_t(pixel)).blue == piece.maskValue;
    };
    for (int x = left; x <= lastX; ++x)
        if ((top == 0 && owns(x, 0)) || (lastY == bottom && owns(x, bottom)))
            return true;
    for (int y = top; y <= lastY; ++y)
        if ((left == 0 && owns(0, y)) || (lastX == right && owns(right, y)))
            return true;
    return false;
}

bool IsEdgePiece(const GameState& state, int k, int frame)
{
    const PieceRecord& piece = state.pieces[size_t(k)];
    if (frame >= 0)
        return std::ranges::find(piece.neighbours, int16_t(frame)) != piece.neighbours.end();
    return OwnsOutlinePixel(state, piece);
}

struct Place {
    int x = 0;
    int y = 0;
};

// Row after row from (kGap, top): a new row starts when the next box would pass rowWidth.
std::vector<Place> FillRows(const GameState& state, const std::vector<int>& pieces, int top, int rowWidth)
{
    std::vector<Place> places;
    int x = kGap;
    int y = top;
    int rowHeight = 0;
    for (int k : pieces) {
        const PieceRecord& piece = state.pieces[size_t(k)];
        if (x > kGap && x + piece.width > rowWidth) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        places.push_back({x, y});
        x += piece.width + kGap;
        rowHeight = MaxInt(rowHeight, piece.height);
    }
    return places;
}

int Bottom(const GameState& state, const std::vector<int>& pieces, const std::vector<Place>& places)
{
    int bottom = 0;
    for (size_t i = 0; i < pieces.size(); ++i)
        bottom = MaxInt(bottom, places[i].y + state.pieces[size_t(pieces[i])].height);
    return bottom;
}

// Rows in the proportions of the room, wider when that is too tall, and closed up when even the
// room's full width is: then the last row ends at the room's bottom and pieces overlap.
std::vector<Place> LayOutRows(const GameState& state, const std::vector<int>& pieces, int top, int roomWidth,
                              int roomHeight)
{
    double area = 0;
    int widest = 0;
    int tallest = 0;
    for (int k : pieces) {
        const PieceRecord& piece = state.pieces[size_t(k)];
        area += double(piece.width + kGap) * (piece.height + kGap);
        widest = MaxInt(widest, piece.width + 2 * kGap);
        tallest = MaxInt(tallest, piece.height);
    }
    const int fullWidth = MaxInt(roomWidth, widest);
    const int rowWidth = Clamp3(int(std::sqrt(area * roomWidth / MaxInt(roomHeight, 1))), widest, fullWidth);
    std::vector<Place> places = FillRows(state, pieces, top, rowWidth);
    if (Bottom(state, pieces, places) <= roomHeight)
        return places;
    places = FillRows(state, pieces, top, fullWidth);
    const int lastTop = places.back().y;
    if (Bottom(state, pieces, places) <= roomHeight || lastTop == top)
        return places;
    const int span = MaxInt(roomHeight - tallest - top, 0);
    for (Place& place : places)
        place.y = top + int(int64_t(place.y - top) * span / (lastTop - top));
    return places;
}

void Shuffle(std::vector<int>& pieces, Random& random)
{
    const int n = int(pieces.size());
    for (int j = 0; j < n; ++j)
        std::swap(pieces[size_t(j)], pieces[size_t(random(n))]);
}

}  // namespace

std::vector<int> LooseEdgePieces(const GameState& state)
{
    const int count = PieceCount(state);
    std::vector<int> groupSizes(size_t(count), 0);
    for (int k = 0; k < count; ++k)
        if (const int32_t group = state.pieces[size_t(k)].group; group >= 0 && group < count)
            ++groupSizes[size_t(group)];
    const int frame = BorderPieceIndex(state);
    std::vector<int> loose;
    for (int k = 0; k < count; ++k) {
        const int32_t group = state.pieces[size_t(k)].group;
        if (k == frame || k == state.weightedPiece || group < 0 || group >= count || groupSizes[size_t(group)] != 1)
            continue;
        if (IsSideOrPocket(state.pieces[size_t(k)].window) && IsEdgePiece(state, k, frame))
            loose.push_back(k);
    }
    return loose;
}

int EdgePocket(const GameState& state, const PlayWindows& windows)
{
    if (IsPocket(state.currentWindow) && windows.windows[size_t(state.currentWindow)].visible)
        return state.currentWindow;
    for (int k : LooseEdgePieces(state))
        if (IsPocket(state.pieces[size_t(k)].window))
            return state.pieces[size_t(k)].window;
    for (int n = MW_POCKET0; n <= MW_POCKET3; ++n) {
        const auto holds = [n](const PieceRecord& piece) { return piece.window == n; };
        if (std::none_of(state.pieces.begin(), state.pieces.begin() + PieceCount(state), holds))
            return n;
    }
    return kNoWindow;
}

bool EdgePiecesToPocket(GameState& state, PlayWindows& windows, int pocket, Random& random)
{
    std::vector<int> edges = LooseEdgePieces(state);
    if (edges.empty() || !IsPocket(pocket))
        return false;
    Shuffle(edges, random);
    std::vector<char> moving(size_t(PieceCount(state)), 0);
    std::vector<char> fromWindow(kPlayWindowCount, 0);
    for (int k : edges) {
        moving[size_t(k)] = 1;
        fromWindow[state.pieces[size_t(k)].window] = 1;
    }
    int top = kGap;
    for (int k = 0; k < PieceCount(state); ++k) {
        const PieceRecord& piece = state.pieces[size_t(k)];
        if (piece.window == pocket && !moving[size_t(k)])
            top = MaxInt(top, piece.y + piece.height + kGap);
    }

    // Shown while still holding only what it held, so that an empty pocket opens in a new place.
    ShowOrHidePocket(windows, state, pocket, Visibility::Shown);
    const std::vector<Place> places =
        LayOutRows(state, edges, top, windows.field.virtualWidth, windows.field.virtualHeight);
    for (size_t i = 0; i < edges.size(); ++i) {
        PieceRecord& piece = state.pieces[size_t(edges[i])];
        piece.window = uint8_t(pocket);
        piece.x = places[i].x;
        piece.y = places[i].y;
        piece.selected = false;
    }
    fromWindow[size_t(pocket)] = 1;
    for (int n = MW_SIDE0; n <= MW_POCKET3; ++n) {
        if (!fromWindow[size_t(n)])
            continue;
        Recount(windows, state, n);
        UpdateExtent(windows.windows[size_t(n)], state);
    }
    MarkChanged(state);
    state.redrawMode = RedrawMode::WholeField;
    return true;
}

bool SelectEdgePieces(GameState& state, PlayWindows& windows)
{
    if (!IsSideOrPocket(state.currentWindow))
        MakeCurrent(windows, state, FallbackCurrentWindow(windows));
    bool any = false;
    for (int k : LooseEdgePieces(state)) {
        PieceRecord& piece = state.pieces[size_t(k)];
        if (piece.window == state.currentWindow) {
            piece.selected = true;
            any = true;
        }
    }
    state.selectionExists = any;
    if (any)
        BringSelectionToTop(state);
    state.redrawMode = RedrawMode::WholeField;
    return any;
}

}  // namespace kirvo
