// ThumbnailCache: the jigsaw browser's list thumbnails, kept for the whole run so that each file
// is decoded at most once however often the browser opens.
//
// Files are known by their name with extension, in any letter case ("Tulips.AST" is
// "tulips.ast"); a file without a thumbnail shows the placeholder.
#pragma once

#include <string>
#include <unordered_map>

#include "raster/PixelBuffer.h"

namespace kirvo {

class ThumbnailCache {
public:
    ThumbnailCache();

    bool Has(const std::string& fileName) const;
    // The thumbnail of the file, or the placeholder when there is none.
    const TPixelBuffer& ImageFor(const std::string& fileName) const;
    // Adds the file's thumbnail or replaces the one it had.
    void Put(const std::string& fileName, TPixelBuffer image);
    // Drops the thumbnail of a deleted file.
    void Forget(const std::string& fileName);
    // Replaces the thumbnail only when the file already has one, as after a save rewrote a game the
    // list shows; a file the list has not reached yet gets its thumbnail when it does. True when it
    // replaced.
    bool Refresh(const std::string& fileName, TPixelBuffer image);

private:
    TPixelBuffer placeholder_;
    std::unordered_map<std::string, TPixelBuffer> images_;  // by lower-cased name
};

}  // namespace kirvo
