#include "session/ErrorPage.h"

#include <algorithm>

#include "base/TextFormat.h"

namespace kirvo {
namespace {

constexpr size_t kHtmlSniffBytes = 255;

std::string UpperAscii(std::string_view text)
{
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
    return upper;
}

}  // namespace

bool LooksLikeHtml(std::span<const uint8_t> bytes)
{
    std::span<const uint8_t> start = bytes.first(std::min(bytes.size(), kHtmlSniffBytes));
    start = start.first(size_t(std::find(start.begin(), start.end(), 0) - start.begin()));
    std::string_view text(reinterpret_cast<const char*>(start.data()), start.size());
    return UpperAscii(text).find("<HTML>") != std::string::npos;
}

std::optional<ErrorPageMessage> ErrorPageMessageOf(std::string_view page, const std::string& url)
{
    static constexpr std::string_view open = "<TITLE>";
    const std::string upper = UpperAscii(page);
    size_t start = upper.find(open);
    size_t end = upper.find("</TITLE>");
    if (upper.find("<HTML>") == std::string::npos || start == std::string::npos || end == std::string::npos)
        return std::nullopt;
    start += open.size();
    if (end <= start)
        return std::nullopt;

    std::string title(page.substr(start, end - start));
    size_t blank = title.find(' ');
    std::string_view code = blank == std::string::npos ? std::string_view() : Trimmed(std::string_view(title).substr(0, blank));
    if (code == "404")
        return ErrorPageMessage{"MS_FileNotFound", url, {}};
    if (code == "401")
        return ErrorPageMessage{"MS_InvalidLogin", url, {}};
    return ErrorPageMessage{{}, {}, title};
}

}  // namespace kirvo
