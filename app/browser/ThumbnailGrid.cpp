#include "browser/ThumbnailGrid.h"

#include <QKeyEvent>
#include <QStyledItemDelegate>

#include "browser/ThumbnailCell.h"
#include "raster/PixelImage.h"

namespace kirvo {

namespace {

// Draws a cell with the file's thumbnail from the cache.
class ThumbnailDelegate : public QStyledItemDelegate {
public:
    ThumbnailDelegate(const ThumbnailCache& cache, const std::string& extension, QObject* parent)
        : QStyledItemDelegate(parent), cache_(cache), extension_(extension)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return ThumbnailCellSize(option.fontMetrics);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QString caption = index.data(Qt::DisplayRole).toString();
        PaintThumbnailCell(*painter, option, PixImage(cache_.ImageFor(caption.toStdString() + extension_)), caption);
    }

private:
    const ThumbnailCache& cache_;
    const std::string& extension_;
};

}  // namespace

ThumbnailGrid::ThumbnailGrid(const ThumbnailCache& cache, std::string extension, QWidget* parent)
    : QListWidget(parent), extension_(std::move(extension))
{
    LayOutAsThumbnailGrid(*this);
    setItemDelegate(new ThumbnailDelegate(cache, extension_, this));
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            emit Picked(row);
    });
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { emit Picked(row(item)); });
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { emit Activated(row(item)); });
}

void ThumbnailGrid::Show(const BrowserList& list)
{
    const QSignalBlocker blocker(this);
    bool same = count() == int(list.items.size());
    for (int i = 0; same && i < count(); ++i)
        same = item(i)->text().toStdString() == list.items[size_t(i)];
    if (!same) {
        clear();
        for (const std::string& caption : list.items)
            addItem(QString::fromStdString(caption));
    }
    if (list.selected >= 0 && list.selected < count()) {
        setCurrentRow(list.selected);
    } else {
        clearSelection();
        setCurrentRow(-1);
    }
    viewport()->update();
}

void ThumbnailGrid::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (currentRow() >= 0)
            emit Activated(currentRow());
        return;
    case Qt::Key_Delete: emit DeletePressed(); return;
    default: QListWidget::keyPressEvent(event);
    }
}

}  // namespace kirvo
