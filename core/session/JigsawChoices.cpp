#include "session/JigsawChoices.h"

#include "cutting/PieceSizeTable.h"
#include "files/JigsawFile.h"

namespace kirvo {

void TakeChoices(Descriptor& pending, const NewGameDefaults& defaults)
{
    pending.Level = defaults.Level;
    pending.Rotate = defaults.Rotate ? 1 : 0;
    pending.BorderStyle = uint8_t(defaults.BorderStyle);
    pending.ShapeStyle = uint8_t(defaults.ShapeStyle);
    pending.SpreadOut = uint8_t(defaults.SpreadOut);
    pending.FitToScreen = defaults.FitToScreen ? 1 : 0;
}

Result<TPixelBuffer> SelectJigsawFile(const std::string& path, const NewGameDefaults& defaults, WindowSize fitArea,
                                      Descriptor& pending)
{
    Result<JigsawFile> header = ReadJigsawFile(path, JigsawReadMode::Select);
    if (!header)
        return Fail(header.error());
    FillPendingDescriptor(header.value(), pending);
    TakeChoices(pending, defaults);
    ComputeFitSize(pending, fitArea.width, fitArea.height);
    return std::move(header.value().preview);
}

void ComputeFitSize(Descriptor& pending, int availableWidth, int availableHeight)
{
    const int64_t w = pending.ImageW;
    const int64_t h = pending.ImageH;
    if ((w <= availableWidth && h <= availableHeight) || w <= 0 || h <= 0 || availableWidth <= 0
        || availableHeight <= 0) {
        pending.fitWidth = int32_t(w);
        pending.fitHeight = int32_t(h);
    } else if (double(availableWidth) / availableHeight > double(w) / double(h)) {
        pending.fitWidth = int32_t(w * availableHeight / h);
        pending.fitHeight = availableHeight;
    } else {
        pending.fitWidth = availableWidth;
        pending.fitHeight = int32_t(h * availableWidth / w);
    }
}

int CutWidth(const Descriptor& pending)
{
    return pending.FitToScreen ? pending.fitWidth : pending.ImageW;
}

int CutHeight(const Descriptor& pending)
{
    return pending.FitToScreen ? pending.fitHeight : pending.ImageH;
}

bool ApplyChosenLevel(Descriptor& pending)
{
    return ApplyLevel(pending, CutWidth(pending), CutHeight(pending));
}

}  // namespace kirvo
