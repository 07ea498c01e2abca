#include "session/CutMessages.h"

#include <cstdio>


namespace kirvo {

std::vector<std::string> CutMessages(const CutReport& report, const Translator& translator)
{
    std::vector<std::string> messages;
    if (report.tessellationFailed)
        messages.push_back("Finding first edge failed!");
    if (report.unfilled.piece >= 0) {
        char text[96];
        std::snprintf(text, sizeof text, "PaintError: Ind = %d, CellX = %d, CellY = %d", report.unfilled.piece,
                      report.unfilled.at.x, report.unfilled.at.y);
        messages.push_back(text);
        messages.push_back(report.unfilledOnGrid ? "Jigsaw has not been cut properly! Please reopen the puzzle."
                                                 : translator.Text(LangSection::MainForm, "MS_PaintError"));
    }
    if (report.picturesDropped && report.unfilled.piece < 0)
        messages.push_back(translator.Text(LangSection::MainForm, "MS_PaintError"));
    return messages;
}

}  // namespace kirvo
