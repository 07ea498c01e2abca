#include "raster/Box.h"

namespace kirvo {

namespace {

int GrowTo(int edge, int value, bool outwardIsLess)
{
    if (edge == kBoxUnset)
        return value;
    return outwardIsLess ? MinInt(edge, value) : MaxInt(edge, value);
}

}  // namespace

void BoxClear(TBox& box) { box = TBox{}; }

TBox BoxFromCorners(int left, int top, int right, int bottom)
{
    return {left, top, right, bottom, right - left + 1, bottom - top + 1};
}

TBox BoxFromOrigin(int left, int top, int width, int height)
{
    return BoxFromCorners(left, top, left + width - 1, top + height - 1);
}

void BoxUnion(TBox& box, int left, int top, int right, int bottom)
{
    box = BoxFromCorners(GrowTo(box.left, left, true), GrowTo(box.top, top, true), GrowTo(box.right, right, false),
                         GrowTo(box.bottom, bottom, false));
}

bool BoxIsEmpty(const TBox& box) { return box.width == 0 || box.height == 0; }

void BoxUnionWith(TBox& box, const TBox& more)
{
    if (!BoxIsEmpty(more))
        BoxUnion(box, more.left, more.top, more.right, more.bottom);
}

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
        *out = BoxFromCorners(MaxInt(a.left, b.left), MaxInt(a.top, b.top), MinInt(a.right, b.right),
                              MinInt(a.bottom, b.bottom));
    return true;
}

void BoxMoveTo(TBox& box, int x, int y) { box = BoxFromOrigin(x, y, box.width, box.height); }

void BoxAdjust(TBox& box, int dLeft, int dTop, int dWidth, int dHeight)
{
    box = BoxFromOrigin(box.left + dLeft, box.top + dTop, box.width + dWidth, box.height + dHeight);
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
