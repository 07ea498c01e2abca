#include "base/TextDecoding.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

std::string Decoded(std::string bytes) { return DecodeText(bytes); }

TEST(TextDecoding, ByteOrderMarks)
{
    struct Case {
        const char* name;
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {"UTF-16 LE", std::string("\xFF\xFE" "A\0\xE4\0\x20\x20", 8), "A\xC3\xA4\xE2\x80\xA0"},
        {"UTF-16 BE", std::string("\xFE\xFF\0A\0\xE4\x20\x20", 8), "A\xC3\xA4\xE2\x80\xA0"},
        {"UTF-16 LE pair", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), "\xF0\x9F\x98\x80"},
        {"UTF-8 with mark", "\xEF\xBB\xBF" "A\xC3\xA4", "A\xC3\xA4"},
        {"UTF-8 without mark", "A\xC3\xA4", "A\xC3\xA4"},
        {"UTF-8 ending in ASCII", "\xC3\xA4Z", "\xC3\xA4Z"},
        {"cut-off UTF-8", "A\xC3", "A\xC3\x83"},
        {"8-bit without mark", "A\xE4", "A\xC3\xA4"},                     // not UTF-8: byte by byte
        {"overlong UTF-8", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
        {"empty", "", ""},
        {"mark only", "\xFF\xFE", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Decoded(c.bytes), c.text) << c.name;
}

TEST(TextDecoding, BrokenUtf16BecomesReplacementCharacters)
{
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(Decoded(std::string("\xFF\xFE\x3D\xD8" "A\0", 6)), replacement + "A");  // lone high surrogate
    EXPECT_EQ(Decoded(std::string("\xFF\xFE\x00\xDE", 4)), replacement);             // lone low surrogate
    EXPECT_EQ(Decoded(std::string("\xFF\xFE" "A\0B", 5)), "A" + replacement);        // odd last byte
    EXPECT_EQ(Decoded(std::string("\xFF\xFE\x3D\xD8", 4)), replacement);             // cut off pair
}

}  // namespace
}  // namespace kirvo
