// DownloadCatalogue: the jigsaws the download dialog offers, known before any server is asked.
//
// The catalogue folder holds "jiglist.txt", one jigsaw name per line, and a ".jpg" thumbnail per
// name. Names are listed trimmed and in small letters, empty lines left out; a jigsaw counts as
// installed while its ".ast" lies in the personal jigsaws folder. The dialog fetches the selected
// jigsaw, the ones not installed yet, or all of them, one after the other in list order.
#pragma once

#include <string>
#include <vector>

namespace kirvo {

struct CatalogueItem {
    std::string name;       // the jigsaw name: the archive and the ".ast" are named after it
    std::string thumbnail;  // the catalogue folder's name + ".jpg"; empty when there is none
    bool installed = false;
};

struct DownloadCatalogue {
    std::string builtFrom;  // the folder it was last built from, in small letters
    std::vector<CatalogueItem> items;
};

enum class DownloadMode { SelectedJigsaw = 0, NewJigsaws = 1, AllJigsaws = 2 };

// Reads the folder's "jiglist.txt" unless the catalogue was last built from that folder. False
// when the list cannot be read: the catalogue is then empty, and the folder counts as built so
// that it is not tried again until the folder changes.
bool BuildCatalogue(DownloadCatalogue& catalogue, const std::string& folder);
void RefreshInstalled(DownloadCatalogue& catalogue, const std::string& jigsawsFolder);
// The "Download" message key that refuses the request ("MS_ListEmpty", "MS_SelJigsaw",
// "MS_NoNewJigs"), or nullptr when it may run. selected is an item index, -1 for none.
const char* RefusedDownload(const DownloadCatalogue& catalogue, DownloadMode mode, int selected);
// The items a request fetches, in list order.
std::vector<int> ItemsToFetch(const DownloadCatalogue& catalogue, DownloadMode mode, int selected);

}  // namespace kirvo
