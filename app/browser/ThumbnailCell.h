// The cells of the thumbnail grids (the browser's lists of jigsaws and saved games, the download
// dialog's catalogue): 196 pixels wide, a 180 x 135 thumbnail centred with its name on one line
// below it, and a blue frame two pixels wide just inside the cell of the selected item.
#pragma once

#include <QFontMetrics>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QStyleOptionViewItem>

namespace kirvo {

inline constexpr int kThumbnailCellWidth = 196;
inline constexpr int kThumbnailCellHeight = 151;  // without the line of the name

QSize ThumbnailCellSize(const QFontMetrics& metrics);
// Makes the list a grid of such cells, one of them selected at a time.
void LayOutAsThumbnailGrid(QListWidget& list);

// Paints the cell of option.rect; mark, when given, over the thumbnail's top-left corner.
void PaintThumbnailCell(QPainter& painter, const QStyleOptionViewItem& option, const QImage& thumbnail,
                        const QString& caption, const QImage* mark = nullptr);

}  // namespace kirvo
