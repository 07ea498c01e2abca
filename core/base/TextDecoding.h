// Decoding the text of language files into UTF-8.
//
// A leading byte-order mark picks the encoding: FF FE UTF-16 little-endian, FE FF UTF-16
// big-endian, EF BB BF UTF-8. Without a mark the text is taken as UTF-8 when it is valid UTF-8,
// else byte by byte as Latin-1, so the result is always valid UTF-8. Broken UTF-16 (a lone
// surrogate, an odd last byte) becomes U+FFFD.
#pragma once

#include <span>
#include <string>

namespace kirvo {

std::string DecodeText(std::span<const char> bytes);

// Whether the bytes are UTF-8 without overlong forms, surrogates or code points beyond U+10FFFF.
bool IsValidUtf8(std::span<const char> bytes);

}  // namespace kirvo
