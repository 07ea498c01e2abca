#include "browser/ThumbnailCell.h"

namespace kirvo {

namespace {

const QColor kSelectionFrame(0, 128, 255);
constexpr int kCaptionGap = 6;
constexpr int kCaptionMargin = 12;

}  // namespace

QSize ThumbnailCellSize(const QFontMetrics& metrics)
{
    return {kThumbnailCellWidth, kThumbnailCellHeight + metrics.height() + kCaptionGap};
}

void LayOutAsThumbnailGrid(QListWidget& list)
{
    list.setViewMode(QListView::IconMode);
    list.setMovement(QListView::Static);
    list.setResizeMode(QListView::Adjust);
    list.setUniformItemSizes(true);
    list.setGridSize(ThumbnailCellSize(list.fontMetrics()));
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.setWordWrap(false);
}

void PaintThumbnailCell(QPainter& painter, const QStyleOptionViewItem& option, const QImage& thumbnail,
                        const QString& caption, const QImage* mark)
{
    const QRect cell = option.rect;
    const QFontMetrics metrics(option.font);
    const int blockHeight = thumbnail.height() + metrics.height() + 5;
    const int left = cell.left() + (cell.width() - thumbnail.width()) / 2;
    const int top = cell.top() + (cell.height() - blockHeight) / 2;

    painter.save();
    painter.fillRect(cell, option.palette.base());
    painter.drawImage(left, top, thumbnail);
    if (mark)
        painter.drawImage(left, top, *mark);
    if (option.state & QStyle::State_Selected) {
        painter.setPen(QPen(kSelectionFrame, 2));
        painter.drawRect(cell.adjusted(1, 1, -1, -1));
    }
    const QRect captionBox(cell.left() + kCaptionMargin / 2, top + thumbnail.height() + kCaptionGap,
                           cell.width() - kCaptionMargin, metrics.height());
    painter.setPen(option.palette.color(QPalette::Text));
    painter.drawText(captionBox, Qt::AlignHCenter | Qt::AlignTop,
                     metrics.elidedText(caption, Qt::ElideRight, captionBox.width()));
    painter.restore();
}

}  // namespace kirvo
