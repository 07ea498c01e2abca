#include "base/TextFormat.h"

#include <algorithm>

namespace kirvo {

std::string_view Trimmed(std::string_view text)
{
    constexpr std::string_view blanks = " \t";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string LowerTrimmed(std::string_view text)
{
    std::string lower(Trimmed(text));
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return lower;
}

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

size_t Find(std::string_view text, std::string_view pattern, size_t from, bool ignoreCase)
{
    if (!ignoreCase)
        return text.find(pattern, from);
    auto equal = [](char a, char b) { return LowerAscii(a) == LowerAscii(b); };
    auto at = std::search(text.begin() + std::ptrdiff_t(from), text.end(), pattern.begin(), pattern.end(), equal);
    return at == text.end() ? std::string_view::npos : size_t(at - text.begin());
}

}  // namespace

std::string WideReplace(std::string_view text, std::string_view pattern, std::string_view replacement,
                        unsigned flags)
{
    if (pattern.empty())
        return std::string(text);
    std::string result;
    size_t from = 0;
    for (;;) {
        size_t at = Find(text, pattern, from, (flags & kIgnoreCase) != 0);
        if (at == std::string_view::npos)
            break;
        result.append(text.substr(from, at - from)).append(replacement);
        from = at + pattern.size();
        if ((flags & kReplaceAll) == 0)
            break;
    }
    return result.append(text.substr(from));
}

std::string FormatText(std::string_view format, std::initializer_list<std::string> arguments)
{
    return FormatText(format, std::span<const std::string>(arguments.begin(), arguments.size()));
}

std::string FormatText(std::string_view format, std::span<const std::string> arguments)
{
    std::string result;
    auto next = arguments.begin();
    for (size_t at = 0; at < format.size(); ++at) {
        std::string_view rest = format.substr(at);
        if (rest.starts_with("%%")) {
            result += '%';
            ++at;
        } else if ((rest.starts_with("%s") || rest.starts_with("%d")) && next != arguments.end()) {
            result += *next++;
            ++at;
        } else {
            result += format[at];
        }
    }
    return result;
}

}  // namespace kirvo
