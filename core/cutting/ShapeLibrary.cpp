#include "cutting/ShapeLibrary.h"

#include <cstring>
#include <string>

#include "base/ByteReader.h"
#include "base/DurableFile.h"
#include "base/Folders.h"

namespace kirvo {

namespace {

constexpr char kMagic[] = "BJ61DAT ";
constexpr size_t kMagicLength = 8;
constexpr size_t kEntryBytes = 40;
constexpr size_t kDirectoryAt = kMagicLength + 4;

}  // namespace

Result<ShapeLibrary> DecodeShapeLibrary(std::span<const uint8_t> bytes)
{
    if (bytes.size() < kMagicLength || std::memcmp(bytes.data(), kMagic, kMagicLength) != 0)
        return Fail("Invalid DAT file!");
    ByteReader in(bytes.subspan(kMagicLength));
    int32_t count = in.I32();
    if (in.Failed() || count < 0)
        return Fail("Invalid DAT file: no shape count");
    if (uint64_t(count) * kEntryBytes > bytes.size() - kDirectoryAt)
        return Fail("Invalid DAT file: the directory of " + std::to_string(count) + " shapes runs past the end");

    ShapeLibrary library;
    library.shapes.resize(size_t(count));
    for (int32_t i = 0; i < count; ++i) {
        LibraryShape& shape = library.shapes[size_t(i)];
        uint32_t offset = in.U32();
        uint32_t size = in.U32();
        shape.designWidth = in.I32();
        shape.designHeight = in.I32();
        in.Skip(16);
        shape.mayMirrorTopToBottom = in.U8() != 0;
        shape.mayMirrorLeftToRight = in.U8() != 0;
        in.Skip(6);
        if (uint64_t(offset) + size > bytes.size())
            return Fail("Invalid DAT file: shape " + std::to_string(i) + " (" + std::to_string(size) + " bytes at "
                        + std::to_string(offset) + ") lies past the end of the file");
        shape.data.assign(bytes.begin() + offset, bytes.begin() + offset + size);
    }
    return library;
}

Result<ShapeLibrary> LoadShapeLibrary(const std::string& path)
{
    Result<std::vector<uint8_t>> bytes = ReadFileBytes(path);
    if (!bytes)
        return Fail(bytes.error());
    return DecodeShapeLibrary(bytes.value());
}

std::vector<uint8_t> EncodeShapeLibrary(const ShapeLibrary& library)
{
    ByteWriter out;
    for (size_t i = 0; i < kMagicLength; ++i)
        out.U8(uint8_t(kMagic[i]));
    out.I32(int32_t(library.shapes.size()));
    size_t offset = kDirectoryAt + library.shapes.size() * kEntryBytes;
    for (const LibraryShape& shape : library.shapes) {
        out.U32(uint32_t(offset));
        out.U32(uint32_t(shape.data.size()));
        out.I32(shape.designWidth);
        out.I32(shape.designHeight);
        out.Zeros(16);
        out.U8(shape.mayMirrorTopToBottom ? 1 : 0);
        out.U8(shape.mayMirrorLeftToRight ? 1 : 0);
        out.Zeros(6);
        offset += shape.data.size();
    }
    for (const LibraryShape& shape : library.shapes)
        out.Append(shape.data);
    return out.Take();
}

Result<> WriteShapeLibrary(const std::string& path, const ShapeLibrary& library)
{
    return WriteFileDurably(path, EncodeShapeLibrary(library));
}

}  // namespace kirvo
