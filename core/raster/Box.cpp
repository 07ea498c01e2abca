#include "raster/Box.h"

namespace kirvo {

namespace {

// Width, height and the rectangle copy follow the edges.
void FollowEdges(TBox& box)
{
    box.width = box.right - box.left + 1;
    box.height = box.bottom - box.top + 1;
    box.rectLeft = box.left;
    box.rectTop = box.top;
    box.rectRight = box.right;
    box.rectBottom = box.bottom;
}

// Right, bottom and the rectangle copy follow left, top and the size.
void FollowSize(TBox& box)
{
    box.right = box.left + box.width - 1;
    box.bottom = box.top + box.height - 1;
    box.rectLeft = box.left;
    box.rectTop = box.top;
    box.rectRight = box.right;
    box.rectBottom = box.bottom;
}

int GrowTo(int edge, int value, bool outwardIsLess)
{
    if (edge == kBoxUnset)
        return value;
    return outwardIsLess ? MinInt(edge, value) : MaxInt(edge, value);
}

}  // namespace

void BoxClear(TBox& box) { box = TBox{}; }

TBox& BoxFromCorners(TBox& box, int left, int top, int right, int bottom)
{
    box.left = left;
    box.top = top;
    box.right = right;
    box.bottom = bottom;
    FollowEdges(box);
    return box;
}

TBox& BoxFromOrigin(TBox& box, int left, int top, int width, int height)
{
    box.left = left;
    box.top = top;
    box.width = width;
    box.height = height;
    FollowSize(box);
    return box;
}

void BoxUnion(TBox& box, int left, int top, int right, int bottom)
{
    box.left = GrowTo(box.left, left, true);
    box.top = GrowTo(box.top, top, true);
    box.right = GrowTo(box.right, right, false);
    box.bottom = GrowTo(box.bottom, bottom, false);
    FollowEdges(box);
}

bool BoxIsEmpty(const TBox& box) { return box.width == 0 || box.height == 0; }

bool BoxContains(const TBox& box, int x, int y)
{
    return box.left <= x && x <= box.right && box.top <= y && y <= box.bottom;
}

bool BoxIntersect(const TBox& a, const TBox& b, TBox* out)
{
    if (out)
        BoxClear(*out);
    if (a.right < b.left || b.right < a.left || a.bottom < b.top || b.bottom < a.top)
        return false;
    if (out)
        BoxFromCorners(*out, MaxInt(a.left, b.left), MaxInt(a.top, b.top), MinInt(a.right, b.right),
                       MinInt(a.bottom, b.bottom));
    return true;
}

void BoxMoveTo(TBox& box, int x, int y)
{
    box.left = x;
    box.top = y;
    FollowSize(box);
}

void BoxSetBottomRight(TBox& box, int right, int bottom)
{
    box.right = right;
    box.bottom = bottom;
    FollowEdges(box);
}

void BoxAdjust(TBox& box, int dLeft, int dTop, int dWidth, int dHeight)
{
    box.left += dLeft;
    box.top += dTop;
    box.width += dWidth;
    box.height += dHeight;
    FollowSize(box);
}

void BoxAdjustEdges(TBox& box, int dLeft, int dTop, int dRight, int dBottom)
{
    box.left += dLeft;
    box.top += dTop;
    box.right += dRight;
    box.bottom += dBottom;
    FollowEdges(box);
}

bool BoxClipBlit(const TBox& box, int& x, int& y, int& w, int& h, int& srcX, int& srcY)
{
    if (x < box.left) {
        int excess = box.left - x;
        w -= excess;
        srcX += excess;
        x = box.left;
    }
    if (x + w > box.right + 1)
        w = box.right + 1 - x;
    if (y < box.top) {
        int excess = box.top - y;
        h -= excess;
        srcY += excess;
        y = box.top;
    }
    if (y + h > box.bottom + 1)
        h = box.bottom + 1 - y;
    return w > 0 && h > 0;
}

}  // namespace kirvo
