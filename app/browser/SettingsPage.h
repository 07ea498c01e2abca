// TS_Level: the settings page of the jigsaw browser. It shows the selected entry's preview and the
// choices its next game is cut with — piece size, shapes, frame, mixing, rotation, fit to screen —
// with a sample piece of the chosen size and shape.
//
// The page holds nothing of its own: Show draws what the browser model holds, and a click on a
// choice is reported by a signal, after which the dialog tells the model and calls Show again.
#pragma once

#include <QWidget>

#include <array>
#include <span>

#include "browser/BrowserArt.h"
#include "session/JigsawBrowser.h"
#include "session/PieceSample.h"
#include "settings/Translation.h"

class QGroupBox;
class QLabel;
class QSlider;

namespace kirvo {

class ChoiceButton;

// A panel of choices: its buttons, and the caption that names the choice in force.
template <size_t N>
struct ChoicePanel {
    QGroupBox* panel = nullptr;
    QLabel* caption = nullptr;
    std::array<ChoiceButton*, N> buttons {};
};

class SettingsPage : public QWidget {
    Q_OBJECT

public:
    // The art must outlive the page: the sample piece and the preview's mark are drawn from it.
    SettingsPage(const Translator& translator, const BrowserArt& art, QWidget* parent = nullptr);

    // Shows what the browser holds: preview, name, invalid comment, piece count, sample, choices,
    // enabled or greyed.
    void Show(const JigsawBrowser& browser);
    // Titles, captions and hints again in the current language.
    void Retranslate();

signals:
    void shapeChosen(int shape);
    void borderChosen(int border);
    void mixChosen(int spread);
    void rotationToggled();
    void fitToggled();
    void levelChosen(int level);

private:
    QWidget* BuildPreview();
    QWidget* BuildPieceSize();
    QWidget* BuildShapes();
    // A panel of the lower row named P_<what>: its buttons B_<what><i> with the pictures cut from
    // the sheet side by side, the caption L_<what> of the choice under them.
    QGroupBox* BuildChoices(const QString& what, const TPixelBuffer& sheet, std::span<ChoiceButton*> buttons,
                            QLabel*& caption);
    void ShowSample(const JigsawBrowser& browser);
    // The captions and hints that follow the choices shown.
    void ShowCaptions();

    const Translator& translator_;
    const BrowserArt& art_;
    uint32_t face_;  // the button face the pictures are drawn on
    PageChoices shown_;
    int pieceCount_ = 0;

    QWidget* center_ = nullptr;        // P_LevelCenter
    QGroupBox* thumbPanel_ = nullptr;  // P_Thumb
    QLabel* thumbName_ = nullptr;      // L_Thumb
    QLabel* thumb_ = nullptr;          // I_Thumb
    QLabel* comment_ = nullptr;        // L_Comment
    QGroupBox* piecePanel_ = nullptr;  // P_PieceSize
    QLabel* pieceCaption_ = nullptr;   // L_PieceSize
    QSlider* level_ = nullptr;         // SB_PieceSize
    QLabel* sample_ = nullptr;         // I_PieceSize
    ChoicePanel<kShapeStyleCount> shapes_;  // P_Shapes, L_Shapes, B_Shapes0 to 6
    ChoicePanel<2> borders_;                // P_Borders, L_Borders, B_Borders0 and 1
    ChoicePanel<2> mixes_;                  // P_Mix, L_Mix, B_Mix0 and 1
    ChoicePanel<1> rotation_;               // P_Rotation, L_Rotation, B_Rotation0
    ChoicePanel<1> fit_;                    // P_FitToScreen, L_FitToScreen, B_FitToScreen0
};

}  // namespace kirvo
