#include "session/DownloadCatalogue.h"

#include <algorithm>
#include <filesystem>

#include "base/ListFile.h"
#include "base/TextFormat.h"

namespace kirvo {

namespace fs = std::filesystem;

bool BuildCatalogue(DownloadCatalogue& catalogue, const std::string& folder)
{
    const std::string key = LowerTrimmed(folder);
    if (key == catalogue.builtFrom)
        return true;
    catalogue.builtFrom = key;
    catalogue.items.clear();
    const std::optional<std::vector<std::string>> lines = LoadListFile((fs::path(folder) / "jiglist.txt").string());
    if (!lines)
        return false;
    for (const std::string& line : *lines) {
        CatalogueItem item {.name = LowerTrimmed(line)};
        if (item.name.empty())
            continue;
        const fs::path thumbnail = fs::path(folder) / (item.name + ".jpg");
        std::error_code error;
        if (fs::is_regular_file(thumbnail, error))
            item.thumbnail = thumbnail.string();
        catalogue.items.push_back(std::move(item));
    }
    return true;
}

void RefreshInstalled(DownloadCatalogue& catalogue, const std::string& jigsawsFolder)
{
    for (CatalogueItem& item : catalogue.items) {
        std::error_code error;
        item.installed = fs::is_regular_file(fs::path(jigsawsFolder) / (item.name + ".ast"), error);
    }
}

const char* RefusedDownload(const DownloadCatalogue& catalogue, DownloadMode mode, int selected)
{
    const std::vector<CatalogueItem>& items = catalogue.items;
    if (items.empty())
        return "MS_ListEmpty";
    if (mode == DownloadMode::SelectedJigsaw && (selected < 0 || selected >= int(items.size())))
        return "MS_SelJigsaw";
    if (mode == DownloadMode::NewJigsaws
        && std::all_of(items.begin(), items.end(), [](const CatalogueItem& item) { return item.installed; }))
        return "MS_NoNewJigs";
    return nullptr;
}

std::vector<int> ItemsToFetch(const DownloadCatalogue& catalogue, DownloadMode mode, int selected)
{
    if (RefusedDownload(catalogue, mode, selected))
        return {};
    if (mode == DownloadMode::SelectedJigsaw)
        return {selected};
    std::vector<int> fetch;
    for (int i = 0; i < int(catalogue.items.size()); ++i)
        if (mode == DownloadMode::AllJigsaws || !catalogue.items[size_t(i)].installed)
            fetch.push_back(i);
    return fetch;
}

}  // namespace kirvo
