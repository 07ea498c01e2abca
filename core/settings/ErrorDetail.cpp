#include "settings/ErrorDetail.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "base/TextFormat.h"

namespace kirvo {

namespace {

constexpr std::string_view kSeparator = ": ";

// Whether the whole text fits the pattern; `arguments` gains the text of each place holder.
bool Fits(std::string_view pattern, std::string_view text, std::vector<std::string>& arguments)
{
    if (pattern.starts_with("%d")) {
        const size_t sign = text.starts_with('-') ? 1 : 0;
        const size_t end = std::min(text.find_first_not_of("0123456789", sign), text.size());
        if (end == sign)
            return false;
        arguments.emplace_back(text.substr(0, end));
        if (Fits(pattern.substr(2), text.substr(end), arguments))
            return true;
        arguments.pop_back();
        return false;
    }
    if (pattern.starts_with("%s")) {
        // The text ends where the pattern's next words occur, the earliest place first; at least
        // one character.
        const std::string_view rest = pattern.substr(2);
        const std::string_view next = rest.substr(0, rest.find('%'));
        for (size_t end = text.find(next, 1); end != std::string_view::npos; end = text.find(next, end + 1)) {
            arguments.emplace_back(text.substr(0, end));
            if (Fits(rest, text.substr(end), arguments))
                return true;
            arguments.pop_back();
        }
        return false;
    }
    if (pattern.empty())
        return text.empty();
    const size_t words = std::min(pattern.find('%', 1), pattern.size());
    return text.starts_with(pattern.substr(0, words)) && Fits(pattern.substr(words), text.substr(words), arguments);
}

struct Translation {
    std::string text;
    bool endsOnName = false;  // the pattern ends with "%s"
};

// A detail split at each ": ", with the patterns of the table that translate its parts.
class DetailParts {
public:
    DetailParts(const LangTable& table, std::string_view english) : english_(english)
    {
        for (const LANG_ITEM& item : table)
            if (item.section == LangSection::Errors && !item.name.empty() && !item.value.empty())
                patterns_.push_back(&item);
        for (size_t from = 0;;) {
            const size_t at = english.find(kSeparator, from);
            parts_.push_back(english.substr(from, at == std::string_view::npos ? at : at - from));
            if (at == std::string_view::npos)
                break;
            from = at + kSeparator.size();
        }
    }

    size_t Count() const { return parts_.size(); }

    // The translation of the parts from first to last, taken as one with the ": " between them.
    std::optional<Translation> Translate(size_t first, size_t last) const
    {
        const size_t begin = size_t(parts_[first].data() - english_.data());
        const size_t end = size_t(parts_[last].data() - english_.data()) + parts_[last].size();
        const std::string_view run = english_.substr(begin, end - begin);
        std::vector<std::string> arguments;
        for (const LANG_ITEM* pattern : patterns_)
            if (Fits(pattern->name, run, arguments))
                return Translation{FormatText(pattern->value, arguments), pattern->name.ends_with("%s")};
        return std::nullopt;
    }

    // Whether the parts from first on begin with some that translate.
    bool BeginsTranslation(size_t first) const
    {
        for (size_t last = first; last < parts_.size(); ++last)
            if (Translate(first, last))
                return true;
        return false;
    }

    // The text of the parts from first on that go together, and the last of them. A name may hold
    // ": " itself (a saved game called "Level 2: hard"), so a place holder may take in the parts
    // after it: when that lets the text after it translate, or at the end when the pattern's own
    // words close the name. An untranslated reason after a name does not vanish into the name.
    std::pair<std::string, size_t> Translated(size_t first) const
    {
        std::optional<std::pair<std::string, size_t>> shortest;
        for (size_t last = first; last < parts_.size(); ++last) {
            std::optional<Translation> translation = Translate(first, last);
            if (!translation)
                continue;
            const bool closed = last + 1 == parts_.size() ? last == first || !translation->endsOnName
                                                          : BeginsTranslation(last + 1);
            if (closed)
                return {std::move(translation->text), last};
            if (!shortest)
                shortest.emplace(std::move(translation->text), last);
        }
        return shortest ? std::move(*shortest) : std::pair(std::string(parts_[first]), first);
    }

private:
    std::string_view english_;
    std::vector<const LANG_ITEM*> patterns_;
    std::vector<std::string_view> parts_;
};

}  // namespace

std::string TranslateErrorDetail(const LangTable& table, std::string_view english)
{
    const DetailParts parts(table, english);
    std::string result;
    for (size_t first = 0; first < parts.Count();) {
        auto [text, last] = parts.Translated(first);
        if (first > 0)
            result += kSeparator;
        result += text;
        first = last + 1;
    }
    return result;
}

}  // namespace kirvo
