#include "settings/LanguageFile.h"

#include <algorithm>
#include <array>

#include "base/Folders.h"
#include "base/ListFile.h"
#include "base/TextDecoding.h"
#include "base/TextFormat.h"

namespace kirvo {

namespace {

constexpr std::array<std::string_view, kLangSectionCount> kSectionNames = {
    "Language Info", "All",       "Main Form", "Load/Save Form", "Pocket",
    "Options",       "Info",      "Credits",   "About",          "Thumbnail",
    "Download",      "Finish",    "Quick Help", "Color Picker",   "Errors",
};

std::string LowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return lower;
}

// Whether the line begins with "[" + name + "]".
bool BeginsWithHeader(std::string_view line, std::string_view name)
{
    return line.starts_with('[') && line.substr(1).starts_with(name) && line.substr(1 + name.size()).starts_with(']');
}

std::optional<LangSection> HeaderSection(std::string_view line)
{
    for (int i = 0; i < kLangSectionCount; ++i)
        if (BeginsWithHeader(line, kSectionNames[size_t(i)]))
            return LangSection(i);
    return std::nullopt;
}

struct Entry {
    std::string name;
    std::string value;
};

// "<name> value": nothing when the line is not an entry.
std::optional<Entry> EntryOf(std::string_view line)
{
    if (!line.starts_with('<'))
        return std::nullopt;
    size_t close = line.find('>');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Entry{std::string(Trimmed(line.substr(1, close - 1))), std::string(Trimmed(line.substr(close + 1)))};
}

std::vector<std::string> DecodedLines(std::span<const char> bytes)
{
    std::string text = DecodeText(bytes);
    return ParseListFile(text);
}

std::string BaseName(const std::string& path)
{
    size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace

std::string_view LangSectionName(LangSection section) { return kSectionNames[size_t(section)]; }

Result<std::vector<char>> ReadLanguageFile(const std::string& path)
{
    Result<std::vector<uint8_t>> bytes = ReadFileBytes(path);
    if (!bytes)
        return Fail(bytes.error());
    return std::vector<char>(bytes.value().begin(), bytes.value().end());
}

LangTable ParseLanguageFile(std::span<const char> bytes)
{
    LangTable table;
    std::optional<LangSection> current;
    for (const std::string& raw : DecodedLines(bytes)) {
        std::string_view line = Trimmed(raw);
        if (line.starts_with('[')) {
            if (std::optional<LangSection> section = HeaderSection(line))
                current = section;
            continue;
        }
        if (!current)
            continue;
        if (std::optional<Entry> entry = EntryOf(line))
            table.push_back(LANG_ITEM{*current, std::move(entry->name), std::move(entry->value)});
    }
    return table;
}

std::optional<std::string> LangFind(const LangTable& table, LangSection section, std::string_view key)
{
    std::string lowerKey = LowerAscii(key);
    for (const LANG_ITEM& item : table)
        if (item.section == section && item.name.size() == key.size() && LowerAscii(item.name) == lowerKey)
            return item.value;
    return std::nullopt;
}

std::optional<LANG_INFO> LangReadInfo(const std::string& path)
{
    Result<std::vector<char>> bytes = ReadLanguageFile(path);
    if (!bytes)
        return std::nullopt;
    LANG_INFO info;
    info.fileName = BaseName(path);
    bool inside = false;
    bool found = false;
    for (const std::string& raw : DecodedLines(bytes.value())) {
        std::string_view line = Trimmed(raw);
        if (inside && line.starts_with('['))
            break;
        if (BeginsWithHeader(line, LangSectionName(LangSection::LanguageInfo))) {
            inside = found = true;
            continue;
        }
        std::optional<Entry> entry = inside ? EntryOf(line) : std::nullopt;
        if (!entry)
            continue;
        std::string name = LowerAscii(entry->name);
        if (name == "engname")
            info.engname = entry->value;
        else if (name == "localname")
            info.localname = entry->value;
        else if (name == "author")
            info.author = entry->value;
        else if (name == "l_onlyinterface")
            info.l_onlyinterface = entry->value;
    }
    if (!found)
        return std::nullopt;
    if (info.engname.empty())
        info.engname = info.fileName;
    return info;
}

std::vector<LANG_INFO> LangScan(const std::string& languageFolder)
{
    std::vector<LANG_INFO> languages;
    if (!EnsureFolder(languageFolder))
        return languages;
    for (const std::string& path : ListFilesByExtension(languageFolder, ".lng", ListNames::FullPath))
        if (std::optional<LANG_INFO> info = LangReadInfo(path))
            languages.push_back(std::move(*info));
    std::stable_sort(languages.begin(), languages.end(), [](const LANG_INFO& a, const LANG_INFO& b) {
        return LowerAscii(a.engname) < LowerAscii(b.engname);
    });
    return languages;
}

std::string LangFilePath(const std::string& languageFolder, const std::string& name)
{
    return languageFolder + LowerAscii(name) + ".lng";
}

std::string LangHelpPath(const std::string& languageFolder, const std::string& name)
{
    return languageFolder + LowerAscii(name) + "/";
}

std::string LangFlagPath(const std::string& languageFolder, const std::string& name)
{
    return languageFolder + LowerAscii(name) + ".bmp";
}

std::string LangHelpOrEnglish(const std::string& languageFolder, const std::string& name)
{
    const std::string help = LangHelpPath(languageFolder, name);
    return FileExists(help) ? help : LangHelpPath(languageFolder, "english");
}

}  // namespace kirvo
