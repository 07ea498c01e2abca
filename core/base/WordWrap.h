// Word wrap: where the lines of a text break when each must fit a width, the words measured by
// the caller in whatever font and weight each is drawn in.
#pragma once

#include <span>
#include <vector>

namespace kirvo {

struct WordWidth {
    int gap = 0;    // the blank before the word; dropped where the word starts a line
    int width = 0;  // the word itself
};

// The index of the first word of each line, filling each line with as many words as fit. A line
// breaks only between words: a word wider than the line stands whole on a line of its own. No
// words give no lines.
std::vector<size_t> LineStarts(std::span<const WordWidth> words, int lineWidth);

}  // namespace kirvo
