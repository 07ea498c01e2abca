#include "shell/ProgressWidget.h"

#include <QPainter>

#include "commands/ToolbarSkin.h"
#include "raster/PixelImage.h"

namespace kirvo {

ProgressWidget::ProgressWidget(QWidget* parent, const TPixelBuffer& skinSheet, const ProgressPanel& panel)
    : QWidget(parent)
    , panel_(panel)
    , background_(BuildProgressBackground(skinSheet, kProgressPanelWidth))
    , emptyBar_(BuildProgressBar(skinSheet, kProgressPanelWidth, BarLook::Empty))
    , fullBar_(BuildProgressBar(skinSheet, kProgressPanelWidth, BarLook::Full))
{
    setObjectName("P_Progress");
    setFixedSize(kProgressPanelWidth, kProgressPanelHeight);
}

void ProgressWidget::paintEvent(QPaintEvent*)
{
    if (background_.width == 0)
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, PixImage(background_));
    painter.drawImage(kProgressBarLeft, kProgressBarTop, PixImage(emptyBar_));
    int done = ProgressDoneWidth(panel_, kProgressPanelWidth);
    painter.drawImage(QPoint(kProgressBarLeft, kProgressBarTop), PixImage(fullBar_), QRect(0, 0, done, kProgressBarHeight));
    painter.setPen(Qt::white);
    painter.drawText(QRect(kProgressBarLeft, 0, ProgressBarWidth(width()), kProgressBarTop), Qt::AlignCenter,
                     QString::fromStdString(panel_.caption));
}

}  // namespace kirvo
