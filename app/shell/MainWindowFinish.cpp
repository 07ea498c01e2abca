// What the window does with the session's outcomes: repaints, sounds, the join animation, the find
// highlight, the finish with the solved picture; and the information window and the credits.
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <iterator>

#include "base/TextFormat.h"
#include "diagnostics/CreditsDialog.h"
#include "diagnostics/DialogText.h"
#include "diagnostics/FinishDialog.h"
#include "diagnostics/InfoDialog.h"
#include "playfield/Completion.h"
#include "playfield/SolvedImageFile.h"
#include "raster/PixelImage.h"
#include "settings/BestTimes.h"
#include "shell/MainWindow.h"
#include "shell/SoundPlayer.h"

namespace kirvo {

namespace {

Qt::CursorShape SizingShape(SizingCursor cursor)
{
    switch (cursor) {
    case SizingCursor::WestEast: return Qt::SizeHorCursor;
    case SizingCursor::NorthSouth: return Qt::SizeVerCursor;
    case SizingCursor::NorthWestSouthEast: return Qt::SizeFDiagCursor;
    case SizingCursor::NorthEastSouthWest: return Qt::SizeBDiagCursor;
    default: return Qt::ArrowCursor;
    }
}

}  // namespace

void MainWindow::RedrawField()
{
    RenderCaptions();
    TBox changed = session_->Redraw();
    if (changed.width > 0 && changed.height > 0)
        fieldWidget_->repaint(
            fieldWidget_->Scale().PointsCovering(QRect(changed.left, changed.top, changed.width, changed.height)));
}

void MainWindow::ApplyOutcome(const SessionOutcome& outcome)
{
    switch (outcome.cursor) {
    case PlayCursor::Unchanged: break;
    case PlayCursor::Normal: fieldWidget_->unsetCursor(); break;
    case PlayCursor::HandScroll: fieldWidget_->setCursor(dragCursors_[1]); break;
    case PlayCursor::Sizing: fieldWidget_->setCursor(SizingShape(outcome.sizing)); break;
    }
    if (outcome.mainWindowSize && !fullScreen_) {
        const WindowSize size = fieldWidget_->Scale().Points(*outcome.mainWindowSize);
        resize(size.width, size.height);
    }
    RedrawField();
    if (outcome.sound)
        sounds_->Play(outcome.sound);
    // The star turns on its own timer while the window goes on answering.
    if (outcome.joinAnimation)
        joinTimer_->start();
    if (outcome.finished)
        Finish();
}

void MainWindow::JoinAnimationTick()
{
    const bool going = session_->NextJoinStep();
    RedrawField();
    if (going)
        return;
    joinTimer_->stop();
    if (session_->TakeFinishAfterJoin())
        Finish();
}

void MainWindow::FindHighlightTick()
{
    if (!session_->NextFindStep())
        findTimer_->stop();
    RedrawField();
}

void MainWindow::Finish()
{
    RefreshCommands();
    if (session_->CurrentSettings().CB_SoundPlay)
        sounds_->Play(kWinSound);
    FinishDialog finish(translator_, this);
    finish.ShowTime(FinishTimeText());
    if (finish.exec() == QDialog::Accepted)
        SaveSolvedImageAs();
}

QString MainWindow::FinishTimeText()
{
    const std::string played = PlayTimeText(session_->PlayedSeconds());
    const std::optional<int64_t> best = session_->BestTime();
    const auto text = [this](const char* key, const char* english, std::initializer_list<std::string> times) {
        return QString::fromStdString(FormatText(DialogText(translator_, LangSection::Finish, key, english).toStdString(), times));
    };
    if (session_->RecordFinishTime())
        return text("L_NewBest", "Your time: %s - a new best time!", {played});
    if (best)
        return text("L_TimeBest", "Your time: %s (best: %s)", {played, PlayTimeText(*best)});
    return text("L_Time", "Your time: %s", {played});
}

void MainWindow::SaveSolvedImageAs()
{
    // The types the picture can be saved as, the first offered. Choosing a type changes the
    // extension of the name in the box; a name typed without one of their extensions takes the
    // chosen type's first.
    struct PictureType {
        QString filter;
        QStringList suffixes;
    };
    static const PictureType kTypes[] = {
        {"PNG (*.png)", {"png"}}, {"JPEG (*.jpg *.jpeg)", {"jpg", "jpeg"}}, {"Bitmap (*.bmp)", {"bmp"}}};
    const FILE_NAMES& names = session_->Names();
    QStringList filters;
    for (const PictureType& type : kTypes)
        filters << type.filter;
    QFileDialog dialog(this, QString::fromStdString(Text("SD_SaveImage", "Save Solved Image")),
                       QString::fromStdString(names.picturesFolder + names.sJigName + ".png"), filters.join(";;"));
    dialog.setObjectName("SD_SaveImage");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const auto chosenSuffix = [&] {
        return kTypes[std::max<qsizetype>(filters.indexOf(dialog.selectedNameFilter()), 0)].suffixes.front();
    };
    dialog.setDefaultSuffix(chosenSuffix());
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&] { dialog.setDefaultSuffix(chosenSuffix()); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString chosen = dialog.selectedFiles().front();
    const QString suffix = QFileInfo(chosen).suffix().toLower();
    const auto known = [&suffix](const PictureType& type) { return type.suffixes.contains(suffix); };
    if (std::none_of(std::begin(kTypes), std::end(kTypes), known))
        chosen += "." + chosenSuffix();
    const std::string path = chosen.toStdString();
    const auto text = [](const QString& translated) { return translated.toStdString(); };
    const SolvedCaptionTexts captions {
        .unknownImage = text(DialogText(translator_, LangSection::Finish, "L_UnknownImage", "Unknown image")),
        .assembledFrom = text(DialogText(translator_, LangSection::Finish, "L_AssembledFrom", "Assembled from %d pieces")),
        .withBorder = text(DialogText(translator_, LangSection::Finish, "L_WithBorder", "with border")),
        .withRotation = text(DialogText(translator_, LangSection::Finish, "L_WithRotation", "with rotation"))};
    if (Result<> saved = SaveSolvedImage(path, session_->State(), session_->InfoText(), captions); !saved)
        Tell(FormatText(Text("MS_CantSaveImage", "The picture could not be saved:$D%s"), {translator_.Detail(saved.error())}),
             MessageIcon::Error);
}

void MainWindow::ShowInfo()
{
    const FILE_NAMES& names = session_->Names();
    const GameState& state = session_->State();
    const PuzzleProgress progress = session_->HowFarSolved();
    const Descriptor& d = state.descriptor;
    PuzzleInfo info {.jigsawName = names.sJigName,
                     .savedGameName = names.sSolve.empty() ? std::string() : QFileInfo(QString::fromStdString(names.sSolve)).fileName().toStdString(),
                     .pieces = d.TotalTileNum,
                     .unsolved = progress.unsolved,
                     .percent = progress.percent,
                     .shapeStyle = d.ShapeStyle,
                     .borderStyle = d.BorderStyle,
                     .rotate = d.Rotate == 1,
                     .thumbnail = PixImage(session_->StoredThumbnail()),
                     .text = session_->InfoText(),
                     .playTime = PlayTimeText(session_->PlayedSeconds()),
                     .bestTime = {}};
    if (const std::optional<int64_t> best = session_->BestTime())
        info.bestTime = PlayTimeText(*best);
    session_->SetBusy(true);
    InfoDialog dialog(info, translator_, this);
    dialog.exec();
    session_->SetBusy(false);
}

void MainWindow::ShowCredits()
{
    CreditsDialog credits(translator_, this);
    credits.exec();
}

}  // namespace kirvo
