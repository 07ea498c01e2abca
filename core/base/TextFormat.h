// Text helpers for translated texts and text files: trimming, replacing patterns, filling in arguments.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace kirvo {

// The text without the blanks and tabs at its ends.
std::string_view Trimmed(std::string_view text);
// Trimmed, with the ASCII capitals made small: names and keys that are compared without case.
std::string LowerTrimmed(std::string_view text);

enum WideReplaceFlags : unsigned {
    kReplaceFirst = 0,
    kReplaceAll = 1,
    kIgnoreCase = 2,  // ASCII letters only
};

// Replaces the first (or with kReplaceAll every) occurrence of pattern; an empty pattern changes nothing.
std::string WideReplace(std::string_view text, std::string_view pattern, std::string_view replacement,
                        unsigned flags);

// Fills "%s" and "%d" in a translated format with the arguments in order ("%%" is a percent sign).
// Formats come from language files, so a missing argument leaves its place holder as written
// instead of reading past the arguments.
std::string FormatText(std::string_view format, std::initializer_list<std::string> arguments);
std::string FormatText(std::string_view format, std::span<const std::string> arguments);

}  // namespace kirvo
