#include "session/ThumbnailLoader.h"

#include <filesystem>
#include <iterator>
#include <optional>
#include <utility>

#include "base/Folders.h"
#include "files/JigsawFile.h"
#include "files/SavedGameFile.h"
#include "session/ListThumbnail.h"

namespace kirvo {

namespace {

// The ready-made thumbnail of a jigsaw file, when there is one that decodes.
std::optional<TPixelBuffer> ReadyMadeThumbnail(const std::string& jigsawPath, const std::string& thumbnailFolder)
{
    const std::string path = thumbnailFolder + std::filesystem::path(jigsawPath).stem().string() + ".jpg";
    if (!FileExists(path))
        return std::nullopt;
    Result<std::vector<uint8_t>> bytes = ReadFileBytes(path);
    TPixelBuffer picture;
    if (!bytes || !PixLoadJpeg(picture, bytes.value()))
        return std::nullopt;
    return picture;
}

}  // namespace

Result<TPixelBuffer> ReadListPreview(const std::string& path, const std::string& thumbnailFolder)
{
    if (HasJigsawExtension(path)) {
        if (std::optional<TPixelBuffer> readyMade = ReadyMadeThumbnail(path, thumbnailFolder))
            return std::move(*readyMade);
        Result<JigsawFile> jigsaw = ReadJigsawFile(path, JigsawReadMode::Thumbnail);
        if (!jigsaw)
            return Fail(jigsaw.error());
        return std::move(jigsaw.value().preview);
    }
    if (HasSavedGameExtension(path)) {
        Result<SavedGame> game = ReadSavedGame(path, SavedGameReadMode::Thumbnail);
        if (!game)
            return Fail(game.error());
        if (game.value().thumbnail.width == 0)
            return Fail("The saved game " + path + " has no thumbnail");
        return std::move(game.value().thumbnail);
    }
    return Fail("Not a jigsaw file or saved game: " + path);
}

ThumbnailLoader::ThumbnailLoader(std::string thumbnailFolder, TPixelBuffer saveIcon)
    : thumbnailFolder_(std::move(thumbnailFolder)), saveIcon_(std::move(saveIcon)), worker_([this] { Work(); })
{
}

ThumbnailLoader::~ThumbnailLoader()
{
    {
        std::lock_guard lock(mutex_);
        queue_.clear();
        ending_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

void ThumbnailLoader::Start(std::vector<ThumbnailJob> jobs)
{
    {
        std::lock_guard lock(mutex_);
        queue_.assign(std::make_move_iterator(jobs.begin()), std::make_move_iterator(jobs.end()));
    }
    wake_.notify_one();
}

void ThumbnailLoader::Stop()
{
    std::unique_lock lock(mutex_);
    queue_.clear();
    jobDone_.wait(lock, [this] { return !inHand_; });
}

std::vector<ThumbnailMade> ThumbnailLoader::TakeFinished()
{
    std::lock_guard lock(mutex_);
    return std::exchange(finished_, {});
}

bool ThumbnailLoader::Busy() const
{
    std::lock_guard lock(mutex_);
    return !queue_.empty() || inHand_ || !finished_.empty();
}

std::optional<ThumbnailMade> ThumbnailLoader::Make(ThumbnailJob job) const
{
    Result<TPixelBuffer> preview = ReadListPreview(job.path, thumbnailFolder_);
    if (!preview)
        return std::nullopt;
    const TPixelBuffer* icon = HasSavedGameExtension(job.path) ? &saveIcon_ : nullptr;
    return ThumbnailMade{std::move(job.fileName), RenderListThumbnail(preview.value(), icon)};
}

void ThumbnailLoader::Work()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return ending_ || !queue_.empty(); });
        if (ending_)
            return;
        ThumbnailJob job = std::move(queue_.front());
        queue_.pop_front();
        inHand_ = true;
        lock.unlock();

        // The browser's calls go on meanwhile: the lock is free while the file is read.
        std::optional<ThumbnailMade> made = Make(std::move(job));
        lock.lock();
        inHand_ = false;
        if (made)
            finished_.push_back(std::move(*made));
        jobDone_.notify_all();
    }
}

}  // namespace kirvo
