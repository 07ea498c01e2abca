// Opening a puzzle: choosing the file, reading it and starting the new game on the field.
//
// Nothing of the puzzle in play is touched until the new file has been read whole: a file that
// cannot be opened leaves the game as it was, with a message saying why.
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>

#include <filesystem>

#include "base/TextFormat.h"
#include "diagnostics/DialogText.h"
#include "files/JigsawFile.h"
#include "files/SavedGame.h"
#include "session/CutMessages.h"
#include "session/JigsawChoices.h"
#include "session/MessageBox.h"
#include "session/NewGame.h"
#include "shell/MainWindow.h"
#include "shell/ToolbarPanel.h"

namespace kirvo {

void MainWindow::OpenWithBrowser(const std::string& name, bool direct)
{
    state_.busy = true;
    if (AskSaveChanges(state_.changed, names_, *this) == Proceed::Stop) {
        state_.busy = false;
        return;
    }
    if (direct && HasSavedGameExtension(name) && QFileInfo::exists(QString::fromStdString(name))) {
        OpenFile(name);
        state_.busy = false;
        return;
    }
    std::string preselected = name;
    if (preselected.empty())
        preselected = QFileInfo::exists(QString::fromStdString(names_.sSolve)) ? names_.sSolve : names_.sJig;
    if (std::optional<std::string> chosen = ChooseJigsaw(preselected))
        OpenFile(*chosen);
    state_.busy = false;
}

void MainWindow::OpenMostRecent()
{
    OpenWithBrowser(settings_.recentFiles.count > 0 ? settings_.recentFiles.entries[0].fullName : "", false);
}

std::optional<std::string> MainWindow::ChooseJigsaw(const std::string& preselected)
{
    // Until the jigsaw browser exists, the plain file chooser stands in for it, in the folder of
    // the player's jigsaws; saved games can be chosen too.
    QFileInfo file(QString::fromStdString(preselected));
    QString folder = !preselected.empty() && file.dir().exists() ? file.absolutePath()
                                                                  : QString::fromStdString(names_.personalJigsawsFolder);
    QFileDialog dialog(this, DialogText(LangSection::LoadSave, "Cap_Load", "Open Jigsaw"), folder,
                       QString("*%1 *%2").arg(QString::fromStdString(names_.jigsawExtension),
                                              QString::fromStdString(names_.savedGameExtension)));
    dialog.setObjectName("OpenJigsawDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!preselected.empty() && file.exists())
        dialog.selectFile(file.absoluteFilePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

Result<> MainWindow::SelectJigsaw(const std::string& name)
{
    Result<JigsawFile> header = ReadJigsawFile(name, JigsawReadMode::Select);
    if (!header)
        return Fail(header.error());
    FillPendingDescriptor(header.value(), pending_);
    TakeChoices(pending_, settings_.DefJigP);
    const int frameWidth = frameGeometry().width() - width();
    const int frameHeight = frameGeometry().height() - height();
    ComputeFitSize(pending_, WorkArea().width() - frameWidth, WorkArea().height() - frameHeight - kToolbarHeight);
    if (!ApplyChosenLevel(pending_))
        return Fail("The picture is too small to be cut into pieces.");
    storedThumb_ = std::move(header.value().preview);
    return {};
}

bool MainWindow::OpenFile(const std::string& name)
{
    int side = MW_SIDE0;
    if (HasSavedGameExtension(name)) {
        if (!OpenSavedGame(name))
            return false;
        side = resumedSide_;
    } else if (!OpenJigsaw(name)) {
        return false;
    }

    PutRecent(name);
    ShowSide(windows_, state_, side, Carrying::Nothing);
    ClearDragState();
    RefreshCommands();
    state_.redrawMode = RedrawMode::WholeField;
    RedrawField();

    sinceAutoSave_.restart();
    autoSaveTimer_->start();
    return true;
}

bool MainWindow::OpenJigsaw(const std::string& name)
{
    auto refuse = [&](const std::string& reason) {
        HideProgressPanel();
        std::string file = std::filesystem::path(name).filename().string();
        MsgBox(FormatText(Text("MS_CantOpenJigsaw", "The jigsaw %s cannot be opened.$D%s"), {file, reason}),
               MessageButtons::Ok, MessageIcon::Error);
        return false;
    };
    if (Result<> selected = SelectJigsaw(name); !selected)
        return refuse(selected.error());

    ShowProgressPanel(Text("Prog_OpenJig", "Opening the jigsaw..."), NewGameStepCount(pending_, HasEffects(state_.look)));
    Result<JigsawFile> jigsaw = ReadJigsawFile(name, JigsawReadMode::Start);
    if (!jigsaw)
        return refuse(jigsaw.error());
    StepProgressPanel();

    NewGameChoices choices {.pending = pending_, .seedText = std::nullopt};
    Result<CutReport> started = StartNewGame(state_, windows_, choices, std::move(jigsaw.value().picture), random_, knobAtlas_,
                                    [this] { StepProgressPanel(); });
    if (!started)
        return refuse(started.error());
    infoText_ = std::move(jigsaw.value().info);
    HideProgressPanel();
    for (const std::string& message : CutMessages(started.value()))
        MsgBox(message, MessageButtons::Ok, MessageIcon::Error);

    names_.sJig = name;
    names_.sJigName = std::filesystem::path(name).stem().string();
    names_.sSolve.clear();
    names_.puzzleLoaded = true;
    return true;
}

void MainWindow::ClearDragState()
{
    // The game's own play flags were cleared by starting or resuming it.
    drag_ = PlayDrag {.clickToDragStart = true};
    fieldImage_.rectangle = {};
}

}  // namespace kirvo
