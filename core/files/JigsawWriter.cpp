#include "files/JigsawWriter.h"

#include "base/ByteReader.h"
#include "base/DurableFile.h"
#include "files/Entry.h"
#include "files/JigsawFile.h"

namespace kirvo {

std::vector<uint8_t> EncodeJigsawFile(const JigsawParts& parts)
{
    ByteWriter out;
    for (char c : kJigsawMagic)
        out.U8(uint8_t(c));
    out.U8(0);
    out.I32(parts.ImageW);
    out.I32(parts.ImageH);
    out.U8(1);
    out.U8(parts.headerTag);
    out.Zeros(kJigsawTagBlockSize - 2);
    WriteEntry(out, parts.preview, kPreviewKey, KeyMode::Fixed);
    WriteEntry(out, parts.info, kInfoKeyBase, KeyMode::Rotating);
    WriteEntry(out, parts.picture, kPictureKeyBase, KeyMode::Rotating);
    return out.Take();
}

Result<> WriteJigsawFile(const std::string& path, const JigsawParts& parts)
{
    return WriteFileDurably(path, EncodeJigsawFile(parts));
}

}  // namespace kirvo
