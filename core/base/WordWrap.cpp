#include "base/WordWrap.h"

namespace kirvo {

std::vector<size_t> LineStarts(std::span<const WordWidth> words, int lineWidth)
{
    std::vector<size_t> starts;
    int used = 0;
    for (size_t i = 0; i < words.size(); ++i) {
        if (!starts.empty() && used + words[i].gap + words[i].width <= lineWidth) {
            used += words[i].gap + words[i].width;
            continue;
        }
        starts.push_back(i);
        used = words[i].width;
    }
    return starts;
}

}  // namespace kirvo
