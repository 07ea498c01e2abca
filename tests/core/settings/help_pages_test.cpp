// The help pages the game ships: every topic exists in every language, every link and picture of
// a page resolves inside its folder, the contents page reaches every page, and the word search
// works on the real pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "settings/HelpTopics.h"

namespace kirvo {
namespace {

namespace fs = std::filesystem;

const std::string kLanguageFolder = (fs::path(KIRVO_TEST_DATA) / ".." / ".." / "data" / "language").lexically_normal().string() + "/";

const char* const kLanguages[] = {"english", "german"};

// The topics the game opens itself: F1 and the Contents command, the quick help, and the help
// buttons of the jigsaw browser, the download dialog and each page of the Options dialog.
const char* const kOpenedByTheGame[] = {
    "cont-pleo3.htm", "open.htm", "save.htm", "download.htm", "options.htm",
    "sound.htm",      "play-mode.htm", "effects.htm", "language.htm",
};

// The topics reached from the contents page only.
const char* const kOtherTopics[] = {
    "getting-started.htm", "playing.htm", "pockets.htm", "sorting.htm", "aids.htm",
    "viewing.htm",         "own-jigsaw.htm", "keys.htm", "troubleshooting.htm",
};

std::string ReadText(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Matches(const std::string& html, const std::regex& pattern)
{
    std::vector<std::string> found;
    for (std::sregex_iterator it(html.begin(), html.end(), pattern), end; it != end; ++it)
        found.push_back((*it)[1]);
    return found;
}

std::vector<std::string> Hrefs(const std::string& html) { return Matches(html, std::regex(R"(href\s*=\s*"([^"]*)\")", std::regex::icase)); }
std::vector<std::string> Sources(const std::string& html) { return Matches(html, std::regex(R"(<img[^>]*\ssrc\s*=\s*"([^"]*)\")", std::regex::icase)); }
std::set<std::string> Anchors(const std::string& html)
{
    const auto ids = Matches(html, std::regex(R"(\s(?:id|name)\s*=\s*"([^"]*)\")", std::regex::icase));
    return {ids.begin(), ids.end()};
}

std::vector<std::string> Pages(const std::string& language)
{
    std::vector<std::string> pages;
    for (const fs::directory_entry& entry : fs::directory_iterator(kLanguageFolder + language))
        if (entry.path().extension() == ".htm")
            pages.push_back(entry.path().filename().string());
    std::sort(pages.begin(), pages.end());
    return pages;
}

TEST(HelpPages, EveryTopicExistsInEveryLanguageWithItsTitle)
{
    for (const char* language : kLanguages) {
        const std::string folder = kLanguageFolder + language + "/";
        for (const char* topic : kOpenedByTheGame)
            EXPECT_EQ(HelpTopicPath(kLanguageFolder, language, topic), folder + topic) << language;
        for (const char* topic : kOtherTopics)
            EXPECT_TRUE(fs::is_regular_file(folder + topic)) << language << " " << topic;
        for (const std::string& page : Pages(language))
            EXPECT_NE(HelpPageTitle(ReadText(folder + page)), "") << language << " " << page;
    }
    EXPECT_EQ(Pages("english"), Pages("german"));
    EXPECT_EQ(Pages("english").size(), std::size(kOpenedByTheGame) + std::size(kOtherTopics));
}

TEST(HelpPages, LinksAndPicturesStayInsideTheFolder)
{
    for (const char* language : kLanguages) {
        const fs::path folder = kLanguageFolder + language;
        std::set<fs::path> pictures;
        for (const std::string& page : Pages(language)) {
            const std::string html = ReadText(folder / page);
            for (const std::string& href : Hrefs(html)) {
                if (href.starts_with("http://") || href.starts_with("https://") || href.starts_with("mailto:"))
                    continue;
                const size_t hash = href.find('#');
                const std::string file = hash == 0 ? page : href.substr(0, hash);
                const fs::path target = folder / file;
                if (!fs::is_regular_file(target)) {
                    ADD_FAILURE() << language << "/" << page << " links to the missing " << href;
                    continue;
                }
                if (hash != std::string::npos) {
                    EXPECT_TRUE(Anchors(ReadText(target)).contains(href.substr(hash + 1)))
                        << language << "/" << page << " links to the missing anchor " << href;
                }
            }
            for (const std::string& source : Sources(html)) {
                EXPECT_TRUE(source.ends_with(".png")) << language << "/" << page << ": " << source;
                EXPECT_TRUE(fs::is_regular_file(folder / source)) << language << "/" << page << " shows the missing " << source;
                pictures.insert((folder / source).lexically_normal());
            }
        }
        // No picture lies unused in the folder, where it only makes the game bigger.
        if (fs::is_directory(folder / "pictures")) {
            for (const fs::directory_entry& entry : fs::directory_iterator(folder / "pictures"))
                EXPECT_TRUE(pictures.contains(entry.path().lexically_normal())) << entry.path() << " is shown nowhere";
        }
    }
}

TEST(HelpPages, TheContentsPageLinksEveryPage)
{
    for (const char* language : kLanguages) {
        const std::string folder = kLanguageFolder + language + "/";
        std::set<std::string> linked;
        for (const std::string& href : Hrefs(ReadText(fs::path(folder) / kHelpContents)))
            linked.insert(href.substr(0, href.find('#')));
        for (const std::string& page : Pages(language)) {
            if (page != kHelpContents) {
                EXPECT_TRUE(linked.contains(page)) << language << "/" << page << " is missing from the contents";
            }
        }
    }
}

TEST(HelpPages, SearchFindsAWordOfOneTopic)
{
    struct Case {
        const char* language;
        const char* query;
        const char* topic;
    };
    const Case cases[] = {
        {"english", "lens", "viewing.htm"},
        {"english", "terminal", "own-jigsaw.htm"},
        {"english", "candidate", "aids.htm"},
        {"german", "Messingecken", "viewing.htm"},
        {"german", "minimiert", "aids.htm"},
        {"german", "LAUTST\xC3\x84RKE", "troubleshooting.htm"},
    };
    for (const Case& c : cases) {
        const std::string folder = kLanguageFolder + c.language + "/";
        const std::vector<HelpHit> hits = SearchHelp(folder, c.query);
        ASSERT_EQ(hits.size(), 1u) << c.language << " " << c.query;
        EXPECT_EQ(hits[0].topic, c.topic);
        EXPECT_EQ(hits[0].title, HelpPageTitle(ReadText(folder + c.topic)));
    }
}

}  // namespace
}  // namespace kirvo
