// TF_Download: the download dialog. Made once with the main window and shown modally from the
// Download command and from the browser's "Extra Jigsaws" button.
//
// The catalogue of jigsaws on offer is local (DownloadCatalogue); the player fetches the selected
// jigsaw, the ones not installed yet, or all of them, one after the other, through the download
// protocol. Each transfer runs on a worker thread while the dialog goes on painting, so the
// progress bar moves and Stop and Exit end a transfer at once; the protocol's questions and
// messages are shown on the dialog's own thread. An item is whole or not installed at all.
#pragma once

#include <QImage>

#include <memory>
#include <string>
#include <vector>

#include "diagnostics/ReusedDialog.h"
#include "game/FileNames.h"
#include "session/DownloadCatalogue.h"
#include "session/DownloadProtocol.h"
#include "session/DownloadSite.h"
#include "session/MessageSink.h"
#include "settings/Settings.h"
#include "settings/Translation.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace kirvo {

class CatalogueList;

class DownloadDialog : public ReusedDialog {
    Q_OBJECT

public:
    // settings: the game's own, whose download server changes when the player moves to the other
    // one; messages are shown on this dialog's thread whichever thread raises them.
    DownloadDialog(Settings& settings, const Translator& translator, MessageSink messages, DownloadSite site,
                   QWidget* parent);
    ~DownloadDialog() override;

    // Shows the dialog modally until the player leaves it. names: the game's folders as they are now.
    void Run(const FILE_NAMES& names);
    // The personal jigsaws folder + file name of the first jigsaw the last showing installed: the
    // first archive's name with ".ast"; empty when it installed none.
    std::string FirstNewJigsaw() const;
    // The file names of every jigsaw the last showing placed in the jigsaws folder.
    const std::vector<std::string>& Installed() const { return installed_; }
    void Retranslate();
    // Escape, Exit and the close box: during a transfer the dialog stops it and closes once it has
    // ended.
    void reject() override;

    // For tests: the parts a player uses.
    CatalogueList* List() const { return list_; }
    QComboBox* ModeBox() const { return mode_; }
    QPushButton* DownloadButton() const { return download_; }
    QPushButton* StopButton() const { return stop_; }
    QPushButton* ExitButton() const { return exit_; }
    QProgressBar* ProgressBar() const { return progress_; }
    QGroupBox* ThumbnailBox() const { return thumbnailBox_; }

signals:
    void HelpRequested(const QString& topic);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Activate();
    void BuildCatalogue();
    void RefreshInstalled();
    void SelectionChanged();
    void ShowItemThumbnail(const std::string& name);
    void RunDownload();
    bool FetchServerInfo();
    // Fetches one item with its thumbnail shown; true when it was installed.
    bool FetchItem(int index, bool showErrors);
    void SetBusy(bool busy);
    void ShowProgress(const DownloadProgress& progress);
    QString BaseCaption() const;
    QString Text(LangSection section, const char* key, const char* english) const;
    std::string CatalogueFolder() const;

    Settings& settings_;
    FILE_NAMES names_;
    const Translator& translator_;
    MessageSink messages_;
    std::unique_ptr<DownloadProtocol> protocol_;
    DownloadCatalogue catalogue_;
    std::vector<QImage> thumbnails_;  // the fitted thumbnail of each catalogue item
    std::vector<std::string> installed_;
    bool shownBefore_ = false;
    bool busy_ = false;
    bool stopped_ = false;  // Stop was pressed during this request
    bool closing_ = false;  // Exit was pressed during a transfer

    CatalogueList* list_ = nullptr;        // LV_Downs
    QLabel* modeCaption_ = nullptr;        // L_DownMode
    QComboBox* mode_ = nullptr;            // CB_DownMode
    QPushButton* download_ = nullptr;      // B_Download
    QPushButton* stop_ = nullptr;          // B_Stop
    QPushButton* exit_ = nullptr;          // B_Ok
    QPushButton* help_ = nullptr;          // B_Help
    QProgressBar* progress_ = nullptr;     // PB_DownProgress
    QGroupBox* thumbnailBox_ = nullptr;    // GB_DownThumb
    QLabel* thumbnail_ = nullptr;          // I_DownThumb
};

}  // namespace kirvo
