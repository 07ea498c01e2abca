#include "base/TextDecoding.h"

#include <cstdint>

namespace kirvo {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

uint8_t Byte(std::span<const char> bytes, size_t at) { return uint8_t(bytes[at]); }

std::string DecodeUtf16(std::span<const char> bytes, bool bigEndian)
{
    auto unit = [&](size_t at) -> char16_t {
        uint8_t first = Byte(bytes, at), second = Byte(bytes, at + 1);
        return bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
    };
    std::string out;
    size_t at = 0;
    for (; at + 1 < bytes.size(); at += 2) {
        char16_t c = unit(at);
        bool high = c >= 0xD800 && c <= 0xDBFF;
        bool low = c >= 0xDC00 && c <= 0xDFFF;
        if (high && at + 3 < bytes.size()) {
            char16_t next = unit(at + 2);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((char32_t(c) - 0xD800) << 10) + (next - 0xDC00));
                at += 2;
                continue;
            }
        }
        AppendUtf8(out, high || low ? kReplacement : char32_t(c));
    }
    if (at < bytes.size())
        AppendUtf8(out, kReplacement);
    return out;
}

// Length of the valid UTF-8 sequence at `at`, or 0.
size_t Utf8SequenceLength(std::span<const char> bytes, size_t at)
{
    uint8_t lead = Byte(bytes, at);
    size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                  : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 1)
        return 1;
    if (length == 0 || at + length > bytes.size())
        return 0;
    for (size_t i = 1; i < length; ++i)
        if ((Byte(bytes, at + i) & 0xC0) != 0x80)
            return 0;
    uint8_t second = Byte(bytes, at + 1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) || (lead == 0xF0 && second < 0x90) ||
        (lead == 0xF4 && second >= 0x90))
        return 0;  // overlong forms, surrogates, beyond U+10FFFF
    return length;
}

bool StartsWithBytes(std::span<const char> bytes, std::initializer_list<uint8_t> mark)
{
    if (bytes.size() < mark.size())
        return false;
    size_t at = 0;
    for (uint8_t b : mark)
        if (Byte(bytes, at++) != b)
            return false;
    return true;
}

}  // namespace

bool IsValidUtf8(std::span<const char> bytes)
{
    for (size_t at = 0; at < bytes.size();) {
        size_t length = Utf8SequenceLength(bytes, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

std::string DecodeText(std::span<const char> bytes)
{
    if (StartsWithBytes(bytes, {0xFF, 0xFE}))
        return DecodeUtf16(bytes.subspan(2), false);
    if (StartsWithBytes(bytes, {0xFE, 0xFF}))
        return DecodeUtf16(bytes.subspan(2), true);
    if (StartsWithBytes(bytes, {0xEF, 0xBB, 0xBF}))
        bytes = bytes.subspan(3);
    if (IsValidUtf8(bytes))
        return std::string(bytes.begin(), bytes.end());
    std::string out;
    for (char c : bytes)
        AppendUtf8(out, char32_t(uint8_t(c)));
    return out;
}

}  // namespace kirvo
