// Feeds arbitrary bytes to the shape library reader and, as a single shape, to the metafile
// reader, then recolours, mirrors, turns and draws every shape they accept the way a cut does:
// none of it may crash or touch memory outside its buffers. Built in build-sanitize/ (see the
// README) with its seeds named in CMakeLists.txt.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "cutting/PictureShape.h"
#include "cutting/ShapeLibrary.h"
#include "raster/MetafileRaster.h"

namespace {

void DrawShape(std::span<const uint8_t> bytes)
{
    using namespace kirvo;
    Result<Metafile> shape = LoadMetafile(bytes);
    if (!shape)
        return;
    TPixelBuffer canvas;
    PixCreate24(canvas, 48, 40);
    DrawMetafile(canvas, shape.value(), 3, 2, 40, 33);
    RecolourShape(shape.value(), MakeColour(128, 0, 9));
    MirrorShape(shape.value(), true, true);
    MetafileSize turned = RotateShape(shape.value(), 37);
    DrawMetafile(canvas, shape.value(), -6, -4, std::min(turned.width, 90), std::min(turned.height, 90));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::span<const uint8_t> bytes(data, size);
    DrawShape(bytes);
    kirvo::Result<kirvo::ShapeLibrary> library = kirvo::DecodeShapeLibrary(bytes);
    if (library)
        for (const kirvo::LibraryShape& shape : library.value().shapes)
            DrawShape(shape.data);
    return 0;
}
