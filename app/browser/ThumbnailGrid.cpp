#include "browser/ThumbnailGrid.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "raster/PixelImage.h"

namespace kirvo {

namespace {

const QColor kSelectionFrame(0, 128, 255);
constexpr int kCaptionGap = 6;
constexpr int kCaptionMargin = 12;

// A cell has room for the thumbnail and, below it, the name.
QSize CellSize(const QFontMetrics& metrics)
{
    return {ThumbnailGrid::kCellWidth, ThumbnailGrid::kCellHeight + metrics.height() + kCaptionGap};
}

// Draws a cell: the thumbnail centred, the name on one line 6 pixels below it, a blue frame two
// pixels wide just inside the cell of the selected item.
class ThumbnailDelegate : public QStyledItemDelegate {
public:
    ThumbnailDelegate(const ThumbnailCache& cache, const std::string& extension, QObject* parent)
        : QStyledItemDelegate(parent), cache_(cache), extension_(extension)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return CellSize(option.fontMetrics);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QRect cell = option.rect;
        const QString caption = index.data(Qt::DisplayRole).toString();
        const QImage thumbnail = PixImage(cache_.ImageFor(caption.toStdString() + extension_));
        const QFontMetrics metrics(option.font);
        const int blockHeight = thumbnail.height() + metrics.height() + 5;
        const int left = cell.left() + (cell.width() - thumbnail.width()) / 2;
        const int top = cell.top() + (cell.height() - blockHeight) / 2;
        const bool selected = option.state & QStyle::State_Selected;

        painter->save();
        painter->fillRect(cell, option.palette.base());
        painter->drawImage(left, top, thumbnail);
        if (selected) {
            painter->setPen(QPen(kSelectionFrame, 2));
            painter->drawRect(cell.adjusted(1, 1, -1, -1));
        }
        const QRect captionBox(cell.left() + kCaptionMargin / 2, top + thumbnail.height() + kCaptionGap,
                               cell.width() - kCaptionMargin, metrics.height());
        painter->setPen(option.palette.color(QPalette::Text));
        painter->drawText(captionBox, Qt::AlignHCenter | Qt::AlignTop,
                          metrics.elidedText(caption, Qt::ElideRight, captionBox.width()));
        painter->restore();
    }

private:
    const ThumbnailCache& cache_;
    const std::string& extension_;
};

}  // namespace

ThumbnailGrid::ThumbnailGrid(const ThumbnailCache& cache, std::string extension, QWidget* parent)
    : QListWidget(parent), extension_(std::move(extension))
{
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setGridSize(CellSize(fontMetrics()));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
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
