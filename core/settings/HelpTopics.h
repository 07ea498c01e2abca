// Help topics: the HTML pages in a language's help folder, which page a help request shows, and a
// small word search over the pages of one folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kirvo {

// The contents page of every help folder; F1 and the "Contents" command show it.
inline constexpr std::string_view kHelpContents = "cont-pleo3.htm";

// The file to show for a topic ("save.htm", optionally with "#anchor"): the topic in the
// language's help folder, or in the English one when the language has no help folder; the contents
// page when that folder lacks the topic. Empty when there is no help at all: then nothing is shown.
// The anchor is kept on the returned path.
std::string HelpTopicPath(const std::string& languageFolder, const std::string& language, std::string_view topic);

// The text of the page's <title>, trimmed; empty when it has none.
std::string HelpPageTitle(std::string_view html);

struct HelpHit {
    std::string topic;  // file name inside the help folder
    std::string title;  // the page's title, or the file name when it has none
    int count = 0;      // how often the words occur in the page's text
};

// The pages of the help folder whose text (tags left out) holds every word of the query, compared
// without case for ASCII and Latin letters, accents kept. Most occurrences first, then by title.
std::vector<HelpHit> SearchHelp(const std::string& helpFolder, std::string_view query);

}  // namespace kirvo
