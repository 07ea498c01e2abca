// Error pages: a server may answer a request with an HTML page instead of the file asked for.
//
// Such an answer is recognised by "<html>" near its start, and what the player is told comes from
// the page's title: a title starting "404 " or "401 " becomes the game's own message naming the
// URL, any other title is shown as it is.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kirvo {

// Whether "<html>", in any letter case, lies within the first 255 bytes, before any zero byte.
// An empty answer is not a page.
bool LooksLikeHtml(std::span<const uint8_t> bytes);

struct ErrorPageMessage {
    std::string key;       // "MS_FileNotFound" or "MS_InvalidLogin" ("Download" section); empty: show text
    std::string argument;  // the URL for a key
    std::string text;      // the page title, when there is no key
};

// The message for an error page fetched from url. The page needs "<html>", "<title>" and
// "</title>" in any letter case; the title is what lies between the two title tags, and its code
// the part before its first blank. Nothing for a page without a title or with an empty one: the
// player is told nothing and a batch of downloads goes on.
std::optional<ErrorPageMessage> ErrorPageMessageOf(std::string_view page, const std::string& url);

}  // namespace kirvo
