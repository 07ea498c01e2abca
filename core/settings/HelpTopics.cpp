// Help topics: page resolution and word search.
#include "settings/HelpTopics.h"

#include <algorithm>

#include "base/Folders.h"
#include "settings/LanguageFile.h"

namespace kirvo {

std::string HelpTopicPath(const std::string& languageFolder, const std::string& language, std::string_view topic)
{
    const std::string folder = LangHelpOrEnglish(languageFolder, language);
    const size_t hash = topic.find('#');
    const std::string file(topic.substr(0, hash));
    if (!file.empty() && FileExists(folder + file))
        return folder + std::string(topic);
    const std::string contents = folder + std::string(kHelpContents);
    return FileExists(contents) ? contents : std::string();
}

namespace {

// Lower-cases ASCII letters and the upper-case letters of Latin-1 (two UTF-8 bytes, C3 80..C3 9E
// except the multiplication sign), so "Ä" and "ä" match while "a" and "ä" stay different.
std::string Fold(std::string_view text)
{
    std::string folded(text);
    for (size_t i = 0; i < folded.size(); ++i) {
        unsigned char c = folded[i];
        if (c >= 'A' && c <= 'Z') {
            folded[i] = char(c + 32);
        } else if (c == 0xC3 && i + 1 < folded.size()) {
            unsigned char next = folded[i + 1];
            if (next >= 0x80 && next <= 0x9E && next != 0x97)
                folded[i + 1] = char(next + 0x20);
            ++i;
        }
    }
    return folded;
}

bool IsWordByte(unsigned char c) { return c >= 0x80 || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The words of a text, folded, in order.
std::vector<std::string> Words(std::string_view text)
{
    std::vector<std::string> words;
    size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && !IsWordByte(text[at]))
            ++at;
        size_t end = at;
        while (end < text.size() && IsWordByte(text[end]))
            ++end;
        if (end > at)
            words.push_back(Fold(text.substr(at, end - at)));
        at = end;
    }
    return words;
}

// The page's text: tags, script and style blocks and entities ("&amp;") each become a blank.
std::string TextOfPage(std::string_view html)
{
    std::string text;
    size_t at = 0;
    while (at < html.size()) {
        const char c = html[at];
        if (c != '<' && c != '&') {
            text += c;
            ++at;
            continue;
        }
        size_t end = html.find(c == '<' ? '>' : ';', at);
        const std::string tag = Fold(html.substr(at, 7));
        for (std::string_view block : {"<script", "<style"})
            if (tag.starts_with(block))
                end = html.find('>', html.find("</" + std::string(block.substr(1)), at));
        if (end == std::string_view::npos)
            break;
        text += ' ';
        at = end + 1;
    }
    return text;
}

std::string ReadText(const std::string& path)
{
    auto bytes = ReadFileBytes(path);
    return bytes ? std::string(bytes.value().begin(), bytes.value().end()) : std::string();
}

}  // namespace

std::string HelpPageTitle(std::string_view html)
{
    const std::string folded = Fold(html);
    const size_t open = folded.find("<title");
    const size_t start = open == std::string::npos ? open : folded.find('>', open);
    const size_t close = start == std::string::npos ? start : folded.find("</title", start);
    if (close == std::string::npos)
        return {};
    std::string title(html.substr(start + 1, close - start - 1));
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!title.empty() && blank(title.back()))
        title.pop_back();
    title.erase(title.begin(), std::find_if_not(title.begin(), title.end(), blank));
    return title;
}

std::vector<HelpHit> SearchHelp(const std::string& helpFolder, std::string_view query)
{
    const std::vector<std::string> wanted = Words(query);
    std::vector<HelpHit> hits;
    if (wanted.empty())
        return hits;
    for (const std::string& topic : ListFilesByExtension(helpFolder, ".htm")) {
        const std::string html = ReadText(helpFolder + topic);
        const std::vector<std::string> words = Words(TextOfPage(html));
        int total = 0;
        bool all = true;
        for (const std::string& word : wanted) {
            const int count = int(std::count(words.begin(), words.end(), word));
            all = all && count > 0;
            total += count;
        }
        if (!all)
            continue;
        std::string title = HelpPageTitle(html);
        hits.push_back({topic, title.empty() ? topic : title, total});
    }
    std::sort(hits.begin(), hits.end(), [](const HelpHit& a, const HelpHit& b) {
        return a.count != b.count ? a.count > b.count : LessIgnoringCase(a.title, b.title);
    });
    return hits;
}

}  // namespace kirvo
