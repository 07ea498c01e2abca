// Language files: the translation table read from one ".lng" file, and the list of installed
// languages.
//
// A file is divided into sections by header lines ("[Options]"); inside a section each entry is
// a line "<name> value". Lines are trimmed before they are looked at; anything else (comments,
// blank lines, entries before the first header) is ignored. Files are read as UTF-16 or UTF-8
// by their byte-order mark (see DecodeText); all text here is UTF-8.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Result.h"

namespace kirvo {

// In the order headers are matched: the first whose bracketed name begins a header line wins.
enum class LangSection {
    LanguageInfo,
    All,
    MainForm,
    LoadSave,
    Pocket,
    Options,
    Info,
    Credits,
    About,
    Thumbnail,
    Download,
    Finish,
    QuickHelp,
    ColorPicker,
    Errors,  // error details: English patterns and their translations (see ErrorDetail.h)
};
inline constexpr int kLangSectionCount = int(LangSection::Errors) + 1;

// The name written between the brackets of the section's header ("Load/Save Form").
std::string_view LangSectionName(LangSection section);

struct LANG_ITEM {
    LangSection section;
    std::string name;
    std::string value;
};

// Entries in file order.
using LangTable = std::vector<LANG_ITEM>;

// The bytes of a language file; the reason when it cannot be read.
Result<std::vector<char>> ReadLanguageFile(const std::string& path);

LangTable ParseLanguageFile(std::span<const char> bytes);

// The value of the first entry of the section whose name equals key, ignoring ASCII case.
std::optional<std::string> LangFind(const LangTable& table, LangSection section, std::string_view key);

// The description of one installed language.
struct LANG_INFO {
    std::string fileName;         // without folder and extension
    std::string engname;          // English name of the language; the file name when the file gives none
    std::string localname;        // its name in itself
    std::string author;
    std::string l_onlyinterface;  // shown when the language has no help folder
};

// The description from the "Language Info" section; nothing when the file cannot be read or has
// no such section (then it is not a language).
std::optional<LANG_INFO> LangReadInfo(const std::string& path);

// Every language in the folder, sorted by engname ignoring ASCII case. The folder is created when
// missing; the list is empty when that fails.
std::vector<LANG_INFO> LangScan(const std::string& languageFolder);

// The files of a language, named after it (lower-cased) in the language folder.
std::string LangFilePath(const std::string& languageFolder, const std::string& name);
std::string LangHelpPath(const std::string& languageFolder, const std::string& name);
std::string LangFlagPath(const std::string& languageFolder, const std::string& name);
// The help of a language is a folder of HTML topics named after it ("german/"), path ending in '/'.
// The help folder to use in that language: its own when it exists, else the English one.
std::string LangHelpOrEnglish(const std::string& languageFolder, const std::string& name);

}  // namespace kirvo
