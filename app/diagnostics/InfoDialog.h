// TF_Info: what the player may want to know about the puzzle in play: the preview, the jigsaw's
// description and the choices it was cut with, and how far it is solved. Enter and Escape close it.
#pragma once

#include <QDialog>
#include <QImage>

#include <string>

#include "settings/Translation.h"

namespace kirvo {

struct PuzzleInfo {
    std::string jigsawName;
    std::string savedGameName;  // empty unless the game in play was opened from a saved game
    int pieces = 0;
    int unsolved = 0;
    int percent = 0;
    int shapeStyle = 0;   // Descriptor::ShapeStyle, 0 to 6
    int borderStyle = 0;  // Descriptor::BorderStyle, 1 = with a frame
    bool rotate = false;
    QImage thumbnail;     // the stored preview; may be a view of the buffer, it is copied at once
    std::string text;     // the jigsaw's description
    std::string playTime; // the time played so far, as the clock shows it
    std::string bestTime; // the best time of the jigsaw with these choices; empty when none is kept
};

class InfoDialog : public QDialog {
    Q_OBJECT

public:
    InfoDialog(const PuzzleInfo& info, const Translator& translator, QWidget* parent = nullptr);
};

}  // namespace kirvo
