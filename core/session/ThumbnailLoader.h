// ThumbnailLoader: makes the jigsaw browser's list thumbnails on a worker thread, so the browser
// shows its lists at once and stays responsive while the pictures are decoded.
//
// The browser hands over the files of its lists, polls TakeFinished from its timer and puts what
// it gets into the ThumbnailCache. Calls from the browser's thread take the loader's lock only to
// move jobs and results, never while a file is read or decoded; only Stop waits, for the one job
// in hand.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "base/Result.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

// The picture a list thumbnail is made of. For a jigsaw file, the ready-made thumbnail
// thumbnailFolder + its name + ".jpg" when that file exists and decodes (the jigsaw file is then
// not opened), else the preview inside the jigsaw file; for a saved game, its stored thumbnail.
// Any other file, a read error or a saved game without a thumbnail gives an Error.
Result<TPixelBuffer> ReadListPreview(const std::string& path, const std::string& thumbnailFolder);

struct ThumbnailJob {
    std::string path;
    std::string fileName;  // with extension: the cache key
};

struct ThumbnailMade {
    std::string fileName;
    TPixelBuffer image;  // as RenderListThumbnail makes it
};

class ThumbnailLoader {
public:
    // saveIcon marks the thumbnails of saved games.
    ThumbnailLoader(std::string thumbnailFolder, TPixelBuffer saveIcon);
    // Drops the queue, lets the job in hand finish and ends the worker.
    ~ThumbnailLoader();
    ThumbnailLoader(const ThumbnailLoader&) = delete;
    ThumbnailLoader& operator=(const ThumbnailLoader&) = delete;

    // Replaces whatever was queued; the jobs are done one at a time in this order.
    void Start(std::vector<ThumbnailJob> jobs);
    // Drops the queue and waits for the job in hand, so that no file is being read when it
    // returns. Thumbnails already made stay to be taken.
    void Stop();
    // The thumbnails made since the last call. A file that cannot be read gives none, so the list
    // keeps its placeholder.
    std::vector<ThumbnailMade> TakeFinished();
    // Jobs queued or in hand, or thumbnails not yet taken.
    bool Busy() const;

private:
    // The thumbnail of the job's file; nothing when the file cannot be read.
    std::optional<ThumbnailMade> Make(ThumbnailJob job) const;
    void Work();

    const std::string thumbnailFolder_;
    const TPixelBuffer saveIcon_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;      // jobs queued, or time to end
    std::condition_variable jobDone_;   // the job in hand is finished
    std::deque<ThumbnailJob> queue_;
    bool inHand_ = false;
    bool ending_ = false;
    std::vector<ThumbnailMade> finished_;
    std::thread worker_;  // last: starts once everything above is ready
};

}  // namespace kirvo
