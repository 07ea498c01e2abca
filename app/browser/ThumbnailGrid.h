// LV_Jigs and LV_Games: the files of one folder as a grid of cells (ThumbnailCell), each the file's
// 180 x 135 list thumbnail with its name below. The pictures come from the browser's thumbnail cache, so a cell
// shows the placeholder until the loader has made its thumbnail, and the new picture as soon as it
// is in the cache.
#pragma once

#include <QListWidget>

#include <string>

#include "session/JigsawBrowser.h"

namespace kirvo {

class ThumbnailGrid : public QListWidget {
    Q_OBJECT

public:
    // extension: the files' own (".ast", ".sv1"), which names them in the cache.
    ThumbnailGrid(const ThumbnailCache& cache, std::string extension, QWidget* parent = nullptr);

    // Shows the list: its items when they changed, its selection always.
    void Show(const BrowserList& list);
    const std::string& Extension() const { return extension_; }

signals:
    void Picked(int index);     // a click, or a key that moved the selection
    void Activated(int index);  // a double click, or Enter
    void DeletePressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::string extension_;
};

}  // namespace kirvo
