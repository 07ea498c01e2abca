#include "base/WordWrap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kirvo {
namespace {

// Wraps the text with every character one unit wide: the lines as they would be drawn, each
// word after the first with the blanks that stood before it.
std::vector<std::string> Wrapped(const std::string& text, int lineWidth)
{
    std::vector<WordWidth> widths;
    std::vector<std::string> words;
    int blanks = 0;
    for (char c : text) {
        if (c == ' ') {
            ++blanks;
            continue;
        }
        if (blanks > 0 || words.empty()) {
            words.push_back(std::string(size_t(blanks), ' '));
            widths.push_back({blanks, 0});
            blanks = 0;
        }
        words.back() += c;
        ++widths.back().width;
    }
    const std::vector<size_t> starts = LineStarts(widths, lineWidth);
    std::vector<std::string> lines;
    for (size_t k = 0; k < starts.size(); ++k) {
        const size_t end = k + 1 < starts.size() ? starts[k + 1] : words.size();
        std::string line = words[starts[k]].substr(size_t(widths[starts[k]].gap));
        for (size_t i = starts[k] + 1; i < end; ++i)
            line += words[i];
        lines.push_back(line);
    }
    return lines;
}

TEST(WordWrap, LinesBreakOnlyBetweenWords)
{
    struct Case {
        const char* text;
        int width;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"Marigold in the garden", 30, {"Marigold in the garden"}},
        {"Marigold in the garden", 22, {"Marigold in the garden"}},  // exactly fits
        {"Marigold in the garden", 21, {"Marigold in the", "garden"}},
        {"Marigold in the garden", 11, {"Marigold in", "the garden"}},
        {"Marigold in the garden", 3, {"Marigold", "in", "the", "garden"}},  // a long word stays whole
        {"Marigold   Photo by Ann", 14, {"Marigold", "Photo by Ann"}},  // a wide gap is dropped at a break
        {"Marigold   Photo by Ann", 20, {"Marigold   Photo by", "Ann"}},
        {"", 10, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Wrapped(c.text, c.width), c.lines) << c.text << " / " << c.width;
}

}  // namespace
}  // namespace kirvo
