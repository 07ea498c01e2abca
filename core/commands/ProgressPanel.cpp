#include "commands/ProgressPanel.h"

#include <algorithm>

#include <cstdint>
#include <utility>

namespace kirvo {

void ShowProgress(ProgressPanel& panel, int steps, std::string caption)
{
    panel = ProgressPanel {.shown = true, .total = std::max(steps, 1), .position = 0, .caption = std::move(caption)};
}

void StepProgress(ProgressPanel& panel)
{
    panel.position = std::min(panel.position + 1, panel.total);
}

void HideProgress(ProgressPanel& panel)
{
    panel = {};
}

int ProgressBarWidth(int panelWidth)
{
    return std::max(panelWidth - 2 * kProgressBarLeft, 0);
}

int ProgressDoneWidth(const ProgressPanel& panel, int panelWidth)
{
    return int(int64_t(ProgressBarWidth(panelWidth)) * panel.position / panel.total);
}

}  // namespace kirvo
