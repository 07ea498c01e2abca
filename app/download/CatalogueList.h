// LV_Downs: the jigsaws the download dialog offers, as a grid of cells (ThumbnailCell), each the
// jigsaw's catalogue thumbnail with its name below and, once it is installed, a check mark over the
// thumbnail's corner.
#pragma once

#include <QImage>
#include <QListWidget>

#include <vector>

#include "session/DownloadCatalogue.h"

namespace kirvo {

class CatalogueList : public QListWidget {
    Q_OBJECT

public:
    explicit CatalogueList(QWidget* parent = nullptr);

    // The items of the catalogue, thumbnails[i] drawn for item i (a null image: the placeholder).
    void Show(const DownloadCatalogue& catalogue, const std::vector<QImage>& thumbnails);
    // The check marks as the catalogue has them now.
    void ShowInstalled(const DownloadCatalogue& catalogue);
};

}  // namespace kirvo
