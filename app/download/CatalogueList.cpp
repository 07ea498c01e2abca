#include "download/CatalogueList.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyledItemDelegate>

#include "raster/PixelImage.h"
#include "session/ListThumbnail.h"

namespace kirvo {

namespace {

const QColor kSelectionFrame(0, 128, 255);
constexpr int kCaptionGap = 6;
constexpr int kCaptionMargin = 12;
constexpr int kInstalledRole = Qt::UserRole;
constexpr int kMarkSize = 24;

QSize CellSize(const QFontMetrics& metrics)
{
    return {CatalogueList::kCellWidth, CatalogueList::kCellHeight + metrics.height() + kCaptionGap};
}

// The mark of an installed jigsaw: a white tick on a green disc.
QImage CheckMark()
{
    QImage mark(kMarkSize, kMarkSize, QImage::Format_ARGB32_Premultiplied);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255), 1.5));
    painter.setBrush(QColor(40, 150, 60));
    painter.drawEllipse(QRectF(1, 1, kMarkSize - 2, kMarkSize - 2));
    QPainterPath tick;
    tick.moveTo(6.5, 12.5);
    tick.lineTo(10.5, 16.5);
    tick.lineTo(17.5, 7.5);
    painter.setPen(QPen(QColor(255, 255, 255), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
    return mark;
}

// Draws a cell: the thumbnail centred with the name 6 pixels below it, the check mark at the
// thumbnail's top-left when the jigsaw is installed, a blue frame two pixels wide just inside the
// cell of the selected item.
class CatalogueDelegate : public QStyledItemDelegate {
public:
    explicit CatalogueDelegate(QObject* parent)
        : QStyledItemDelegate(parent), placeholder_(PixImage(PlaceholderThumbnail()).copy()), mark_(CheckMark())
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
        const QImage stored = index.data(Qt::DecorationRole).value<QImage>();
        const QImage& thumbnail = stored.isNull() ? placeholder_ : stored;
        const QFontMetrics metrics(option.font);
        const int blockHeight = thumbnail.height() + metrics.height() + 5;
        const int left = cell.left() + (cell.width() - thumbnail.width()) / 2;
        const int top = cell.top() + (cell.height() - blockHeight) / 2;

        painter->save();
        painter->fillRect(cell, option.palette.base());
        painter->drawImage(left, top, thumbnail);
        if (index.data(kInstalledRole).toBool())
            painter->drawImage(left, top, mark_);
        if (option.state & QStyle::State_Selected) {
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
    QImage placeholder_;
    QImage mark_;
};

}  // namespace

CatalogueList::CatalogueList(QWidget* parent) : QListWidget(parent)
{
    setObjectName("LV_Downs");
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setGridSize(CellSize(fontMetrics()));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setMinimumWidth(200);
    setItemDelegate(new CatalogueDelegate(this));
}

void CatalogueList::Show(const DownloadCatalogue& catalogue, const std::vector<QImage>& thumbnails)
{
    const QSignalBlocker blocker(this);
    clear();
    for (size_t i = 0; i < catalogue.items.size(); ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(catalogue.items[i].name), this);
        if (i < thumbnails.size())
            item->setData(Qt::DecorationRole, thumbnails[i]);
    }
    ShowInstalled(catalogue);
}

void CatalogueList::ShowInstalled(const DownloadCatalogue& catalogue)
{
    for (int i = 0; i < count() && i < int(catalogue.items.size()); ++i)
        item(i)->setData(kInstalledRole, catalogue.items[size_t(i)].installed);
    viewport()->update();
}

}  // namespace kirvo
