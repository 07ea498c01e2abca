// The progress panel's count: shown while a puzzle is built, loaded or saved; its full bar is
// narrowed to the part of the steps done.
#pragma once

#include <string>

namespace kirvo {

inline constexpr int kProgressBarLeft = 35;  // inside the panel
inline constexpr int kProgressBarTop = 56;
inline constexpr int kProgressBarHeight = 20;

struct ProgressPanel {
    bool shown = false;
    int total = 100;
    int position = 0;
    std::string caption;  // what is being done, shown above the bar
};

void ShowProgress(ProgressPanel& panel, int steps, std::string caption = {});  // steps below 1 count as 1
void StepProgress(ProgressPanel& panel);             // stops at the total
void HideProgress(ProgressPanel& panel);

// The whole bar is the panel width less 35 pixels each side.
int ProgressBarWidth(int panelWidth);
// Width of the full part: position / total of the bar, rounded down.
int ProgressDoneWidth(const ProgressPanel& panel, int panelWidth);

}  // namespace kirvo
