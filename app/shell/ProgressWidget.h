// P_Progress: the progress panel over the field: the skinned background, the empty bar and the
// full bar narrowed to the steps done. It paints the ProgressPanel count it is given.
#pragma once

#include <QWidget>

#include "commands/ProgressPanel.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

inline constexpr int kProgressPanelWidth = 370;
inline constexpr int kProgressPanelHeight = 100;

class ProgressWidget : public QWidget {
    Q_OBJECT

public:
    // Both must outlive the widget.
    ProgressWidget(QWidget* parent, const TPixelBuffer& skinSheet, const ProgressPanel& panel);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ProgressPanel& panel_;
    TPixelBuffer background_;  // I_ProgressBkg
    TPixelBuffer emptyBar_;    // I_ProgressBarEmpty
    TPixelBuffer fullBar_;     // I_ProgressBar
};

}  // namespace kirvo
