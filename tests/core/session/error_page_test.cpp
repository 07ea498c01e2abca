#include "session/ErrorPage.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

std::span<const uint8_t> Bytes(std::string_view text) { return {reinterpret_cast<const uint8_t*>(text.data()), text.size()}; }

TEST(ErrorPageTest, HtmlIsSeenInTheFirst255BytesBeforeAZeroByte)
{
    const std::string padding(249, ' ');
    struct Case {
        std::string answer;
        bool html;
    };
    const Case cases[] = {
        {"<html><body>gone</body></html>", true},
        {"<!DOCTYPE html>\n<HTML lang=en>", false},  // only the bare tag counts
        {"<!DOCTYPE html>\n<HtMl>", true},
        {padding + "<html>", true},                    // ends at byte 255
        {padding + " <html>", false},                  // ends at byte 256
        {std::string("Rar!\x1a\x07\0<html>", 13), false},
        {"", false},
        {"ext: rar", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LooksLikeHtml(Bytes(c.answer)), c.html) << c.answer;
}

TEST(ErrorPageTest, TitleGivesTheMessage)
{
    const std::string url = "http://example.org/kirvo/jigsaws_pleo3/tulips.rar";
    struct Case {
        const char* page;
        const char* key;
        const char* argument;
        const char* text;
    };
    const Case cases[] = {
        {"<html><head><title>404 Not Found</title></head></html>", "MS_FileNotFound", url.c_str(), ""},
        {"<HTML><TITLE>401 Authorization Required</TITLE></HTML>", "MS_InvalidLogin", url.c_str(), ""},
        {"<html><Title>503 Service Unavailable</TITLE>", "", "", "503 Service Unavailable"},
        {"<html><title>404</title>", "", "", "404"},                      // no blank, no code
        {"<html><title>Server Error</title>", "", "", "Server Error"},     // case kept
        {"<html><title>4040 Not Found</title>", "", "", "4040 Not Found"},
    };
    for (const Case& c : cases) {
        std::optional<ErrorPageMessage> message = ErrorPageMessageOf(c.page, url);
        ASSERT_TRUE(message) << c.page;
        EXPECT_EQ(message->key, c.key) << c.page;
        EXPECT_EQ(message->argument, c.argument) << c.page;
        EXPECT_EQ(message->text, c.text) << c.page;
    }
}

TEST(ErrorPageTest, PageWithoutATitleGivesNothing)
{
    for (const char* page : {"<html><body>404 Not Found</body></html>", "<title>404 Not Found</title>",
                             "<html><title>404 Not Found", "<html></title>404 Not Found<title>", "<html><title></title>", ""})
        EXPECT_FALSE(ErrorPageMessageOf(page, "http://example.org/x.rar")) << page;
}

}  // namespace
}  // namespace kirvo
