// TF_Options: the Options dialog, six pages of the game's settings — autosave, sound, play (the
// mouse assignments, play schemas and snapping), visual effects with a live preview, language and
// download. Made once with the main window and shown modally again and again.
//
// The dialog edits an OptionsChoices value and hands it back on OK; the main window then has the
// session apply it. Only the sound and show-conjunction boxes act at once, through their signals,
// so that Cancel keeps what was set there. A Ctrl + Shift press on the dialog's background shows or
// hides the test panel with the thumbnails path and the server folder of jigsaws.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "diagnostics/ReusedDialog.h"
#include "raster/PixelBuffer.h"
#include "session/MessageSink.h"
#include "session/OptionsChoices.h"
#include "settings/LanguageFile.h"
#include "settings/Translation.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class QTabWidget;

namespace kirvo {

// Lets the player pick a colour: captioned `caption`, starting on `current`, offering the preset
// colours, calling `preview` with every colour tried; the colour picked, or nothing on Cancel.
// Colours are 0x00BBGGRR.
using ColourPicking = std::function<std::optional<uint32_t>(const QString& caption, uint32_t current,
                                                            std::vector<uint32_t> presets,
                                                            std::function<void(uint32_t)> preview)>;

class OptionsDialog : public ReusedDialog {
    Q_OBJECT

public:
    // programFolder holds the browser's pictures the preview is drawn from; languageFolder the
    // installed languages.
    OptionsDialog(const Translator& translator, MessageSink messages, const std::string& programFolder,
                  std::string languageFolder, ColourPicking pickColour, QWidget* parent);

    // Shows the choices modally, currentLanguage selected in the language list: the choices made
    // when the player pressed OK, nothing on Cancel.
    std::optional<OptionsChoices> Edit(const OptionsChoices& start, const std::string& currentLanguage);
    void Retranslate();

    // For tests: the pages and what the dialog holds now.
    QTabWidget* Pages() const { return pages_; }
    const OptionsChoices& Choices() const { return choices_; }
    const TPixelBuffer& Preview() const { return preview_; }

signals:
    // The help topic of the page shown ("save.htm", "effects.htm", ...).
    void HelpRequested(const QString& topic);
    void SoundChanged(bool on);
    void ShowJoinChanged(bool on);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A check box or slider that keeps its choice up to date; a check box then calls `then`.
    QCheckBox* ChoiceBox(const char* name, bool OptionsChoices::*choice, std::function<void(bool)> then = {});
    QSlider* ChoiceSlider(const char* name, int minimum, int maximum, int OptionsChoices::*choice);
    QWidget* BuildAutoSavePage();
    QWidget* BuildSoundPage();
    QWidget* BuildPlayPage();
    QWidget* BuildVisualPage();
    QWidget* BuildLanguagePage();
    QWidget* BuildDownloadPage();
    QWidget* BuildTestPanel();
    QWidget* BuildButtonRow();

    // The widgets show choices_; while they are being set, their signals change nothing.
    void ShowChoices();
    void ShowSliderCaptions();
    void ShowPlay();
    void ShowLook();
    void RedrawPreview();
    void FillLanguages();
    void ShowLanguage(int row);
    void PickWoodColour();
    void OkClicked();
    void ToggleTestPanel();
    void FitSize();

    const Translator& translator_;
    MessageSink messages_;
    std::string languageFolder_;
    ColourPicking pickColour_;
    OptionsChoices choices_;
    std::vector<LANG_INFO> languages_;
    TPixelBuffer samplePicture_;  // I_ViewEmbossPic
    TPixelBuffer sampleMask_;     // I_ViewEmbossMask: 0 on the sample shape
    TPixelBuffer preview_;
    bool showing_ = false;

    QTabWidget* pages_ = nullptr;  // PC_Pages
    QWidget* playPage_ = nullptr;  // TS_Play
    QCheckBox* autoSave_ = nullptr;          // CB_AutoSave
    QLabel* autoInterval_ = nullptr;         // L_AutoInterval
    QSlider* autoMinutes_ = nullptr;         // SB_AutoChange
    QCheckBox* sound_ = nullptr;             // CB_SoundPlay
    QLabel* schemaCaption_ = nullptr;        // L_PlayModes
    QComboBox* schema_ = nullptr;            // CB_PlayModes
    std::array<QLabel*, kPlayActionCount> actionCaptions_ {};     // L_PlayRotCW, L_PlayRotCCW, L_PlayMoveOW
    std::array<QComboBox*, kPlayActionCount> assignments_ {};     // CB_PlayRotCW, CB_PlayRotCCW, CB_PlayMoveOW
    QCheckBox* singleWindow_ = nullptr;      // CB_PlaySingleWin
    QCheckBox* clickToDrag_ = nullptr;       // CB_PlayClickToDrag
    QLabel* stuckCaption_ = nullptr;         // L_StuckKoef
    QSlider* stuck_ = nullptr;               // SB_StuckKoef
    QGroupBox* embossPanel_ = nullptr;       // GB_VisualEmboss
    QButtonGroup* emboss_ = nullptr;         // RB_VisualEmboss0 to 3
    QGroupBox* woodPanel_ = nullptr;         // GB_VisualWood
    QButtonGroup* wood_ = nullptr;           // RB_VisualWood0 to 2
    QFrame* woodColour_ = nullptr;           // S_ViewWoodColor
    QCheckBox* showJoin_ = nullptr;          // CB_VisualShowJoin
    QLabel* previewCaption_ = nullptr;
    QLabel* previewImage_ = nullptr;         // I_ViewEmboss
    QLabel* languagesCaption_ = nullptr;     // L_LangListCap
    QListWidget* languageList_ = nullptr;    // LV_LangList
    QLabel* languageName_ = nullptr;         // L_LangName
    QLabel* languageAuthor_ = nullptr;       // L_LangAuthor
    QLabel* languageNoHelp_ = nullptr;       // L_LangNoHelp
    QLabel* serverCaption_ = nullptr;        // L_DnSrcCap
    QComboBox* server_ = nullptr;            // CB_DnSrc
    QCheckBox* secure_ = nullptr;            // CB_UseSecure
    QLabel* methodCaption_ = nullptr;        // L_SecureMethodCap
    QComboBox* method_ = nullptr;            // CB_SecureMethod
    QWidget* testPanel_ = nullptr;           // P_Test
    QLabel* thumbPathCaption_ = nullptr;
    QLineEdit* thumbPath_ = nullptr;         // E_TestThumbPath
    QLabel* siteFolderCaption_ = nullptr;
    QLineEdit* siteFolder_ = nullptr;        // E_TestSiteJigsawsDir
    QPushButton* ok_ = nullptr;              // B_Ok
    QPushButton* cancel_ = nullptr;          // B_Cancel
    QPushButton* help_ = nullptr;            // B_Help
};

}  // namespace kirvo
