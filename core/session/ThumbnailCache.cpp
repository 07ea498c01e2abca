#include "session/ThumbnailCache.h"

#include <algorithm>
#include <cctype>

#include "session/ListThumbnail.h"

namespace kirvo {

namespace {

// ASCII letters fold, as in SameNameIgnoringCase.
std::string Key(std::string fileName)
{
    std::transform(fileName.begin(), fileName.end(), fileName.begin(),
                   [](char c) { return char(std::tolower(static_cast<unsigned char>(c))); });
    return fileName;
}

}  // namespace

ThumbnailCache::ThumbnailCache() : placeholder_(PlaceholderThumbnail()) {}

bool ThumbnailCache::Has(const std::string& fileName) const
{
    return images_.contains(Key(fileName));
}

const TPixelBuffer& ThumbnailCache::ImageFor(const std::string& fileName) const
{
    auto found = images_.find(Key(fileName));
    return found != images_.end() ? found->second : placeholder_;
}

void ThumbnailCache::Put(const std::string& fileName, TPixelBuffer image)
{
    images_.insert_or_assign(Key(fileName), std::move(image));
}

void ThumbnailCache::Forget(const std::string& fileName)
{
    images_.erase(Key(fileName));
}

bool ThumbnailCache::Refresh(const std::string& fileName, TPixelBuffer image)
{
    auto found = images_.find(Key(fileName));
    if (found == images_.end())
        return false;
    found->second = std::move(image);
    return true;
}

}  // namespace kirvo
