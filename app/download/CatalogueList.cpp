#include "download/CatalogueList.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyledItemDelegate>

#include "browser/ThumbnailCell.h"
#include "raster/PixelImage.h"
#include "session/ListThumbnail.h"

namespace kirvo {

namespace {

constexpr int kInstalledRole = Qt::UserRole;
constexpr int kMarkSize = 24;

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

// Draws a cell with the catalogue thumbnail (the placeholder when there is none) and the check mark
// of an installed jigsaw.
class CatalogueDelegate : public QStyledItemDelegate {
public:
    explicit CatalogueDelegate(QObject* parent)
        : QStyledItemDelegate(parent), placeholder_(PixImage(PlaceholderThumbnail()).copy()), mark_(CheckMark())
    {
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return ThumbnailCellSize(option.fontMetrics);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QImage stored = index.data(Qt::DecorationRole).value<QImage>();
        PaintThumbnailCell(*painter, option, stored.isNull() ? placeholder_ : stored,
                           index.data(Qt::DisplayRole).toString(),
                           index.data(kInstalledRole).toBool() ? &mark_ : nullptr);
    }

private:
    QImage placeholder_;
    QImage mark_;
};

}  // namespace

CatalogueList::CatalogueList(QWidget* parent) : QListWidget(parent)
{
    setObjectName("LV_Downs");
    LayOutAsThumbnailGrid(*this);
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
