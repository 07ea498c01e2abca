#include "shell/ProgressPanel.h"

#include <algorithm>

#include <cstdint>

namespace kirvo {

void ShowProgress(ProgressPanel& panel, int steps)
{
    panel = {true, std::max(steps, 1), 0};
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
