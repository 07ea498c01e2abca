// TF_DirView: the jigsaw browser, the one dialog through which the player chooses what to play and
// where to save. Made once with the main window and shown modally again and again; the thumbnail
// cache it shows from lives in the browser model for the whole run.
//
// The dialog holds no state of its own beyond its widgets: every click and key goes to the
// JigsawBrowser model, and the widgets are then made to show what the model holds. List
// thumbnails are made on the loader's worker thread and polled by a timer, so decoding never
// holds up scrolling or typing.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "browser/BrowserArt.h"
#include "diagnostics/ReusedDialog.h"
#include "session/JigsawBrowser.h"
#include "session/MessageSink.h"
#include "session/ThumbnailLoader.h"
#include "settings/Translation.h"

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QTimer;

namespace kirvo {

class SettingsPage;
class ThumbnailGrid;

class JigsawBrowserDialog : public ReusedDialog {
    Q_OBJECT

public:
    JigsawBrowserDialog(JigsawBrowser& browser, const Translator& translator, MessageSink messages,
                        const std::string& programFolder, const std::string& thumbnailFolder, QWidget* parent);
    ~JigsawBrowserDialog() override;

    // Shows the dialog modally: the chosen file, or nothing when the player cancelled.
    // fitArea is the room a picture fitted to the screen may take.
    std::optional<std::string> Choose(BrowserMode mode, const std::string& preselected, WindowSize fitArea);
    void Retranslate();

    // For tests: the parts a player uses.
    ThumbnailGrid* Grid(BrowserPage list) const;
    SettingsPage* Settings() const { return settingsPage_; }
    QTabWidget* Pages() const { return pages_; }
    QPushButton* OkButton() const { return ok_; }
    QLineEdit* FileNameBox() const { return fileName_; }
    QLineEdit* SeedBox() const { return seed_; }
    // Waits until the loader has made every thumbnail it was given.
    void WaitForThumbnails();

signals:
    // The help topic of the mode the dialog is in ("open.htm", "save.htm").
    void HelpRequested(const QString& topic);
    // "Extra Jigsaws": the download dialog, run before the lists are read again.
    void DownloadRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void BuildButtonBar();
    void BuildMenus();
    void Refresh();
    void Picked(BrowserPage list, int index);
    void OkClicked();
    void ExtraClicked();
    void ShowMenu(BrowserPage list, const QPoint& at);
    void StartLoader();
    void TakeThumbnails();
    QWidget* PageWidget(BrowserPage page) const;

    JigsawBrowser& browser_;
    const Translator& translator_;
    MessageSink messages_;
    BrowserArt art_;
    ThumbnailLoader loader_;
    QTabWidget* pages_ = nullptr;          // PC_Pages
    ThumbnailGrid* jigsaws_ = nullptr;     // LV_Jigs
    ThumbnailGrid* games_ = nullptr;       // LV_Games
    SettingsPage* settingsPage_ = nullptr; // TS_Level
    QWidget* fileNamePanel_ = nullptr;     // P_FileName
    QLabel* fileNameCaption_ = nullptr;    // L_FileNameCap
    QLineEdit* fileName_ = nullptr;        // E_FileName
    QWidget* buttonBar_ = nullptr;         // P_ButBar
    QPushButton* ok_ = nullptr;            // B_Ok
    QPushButton* cancel_ = nullptr;        // B_Cancel
    QPushButton* extra_ = nullptr;         // B_Extra
    QPushButton* help_ = nullptr;          // B_Help
    QWidget* seedPanel_ = nullptr;         // P_Seed
    QLabel* seedCaption_ = nullptr;
    QLineEdit* seed_ = nullptr;            // E_Seed
    QMenu* jigsawMenu_ = nullptr;          // PM_Jigs
    QMenu* gameMenu_ = nullptr;            // PM_Games
    QTimer* loaderTimer_ = nullptr;        // T_AddItem
    bool refreshing_ = false;
};

}  // namespace kirvo
