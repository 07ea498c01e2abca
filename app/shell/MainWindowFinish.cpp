// What the window does with the session's outcomes: repaints, sounds, the join animation, the find
// highlight, the finish with the solved picture; and the information window and the credits.
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>

#include "base/TextFormat.h"
#include "diagnostics/CreditsDialog.h"
#include "diagnostics/FinishDialog.h"
#include "diagnostics/InfoDialog.h"
#include "playfield/Completion.h"
#include "playfield/SolvedImageFile.h"
#include "raster/PixelImage.h"
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
        fieldWidget_->repaint(changed.left, changed.top, changed.width, changed.height);
}

void MainWindow::ApplyOutcome(const SessionOutcome& outcome)
{
    switch (outcome.cursor) {
    case PlayCursor::Unchanged: break;
    case PlayCursor::Normal: fieldWidget_->unsetCursor(); break;
    case PlayCursor::HandScroll: fieldWidget_->setCursor(dragCursors_[1]); break;
    case PlayCursor::Sizing: fieldWidget_->setCursor(SizingShape(outcome.sizing)); break;
    }
    if (outcome.mainWindowSize && !fullScreen_)
        resize(outcome.mainWindowSize->width, outcome.mainWindowSize->height);
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
    if (finish.exec() == QDialog::Accepted)
        SaveSolvedImageAs();
}

void MainWindow::SaveSolvedImageAs()
{
    const FILE_NAMES& names = session_->Names();
    QFileDialog dialog(this, QString::fromStdString(Text("SD_SaveImage", "Save Solved Image")),
                       QString::fromStdString(names.picturesFolder + names.sJigName + ".bmp"), "Bitmap (*.bmp)");
    dialog.setObjectName("SD_SaveImage");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("bmp");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const std::string path = dialog.selectedFiles().front().toStdString();
    if (Result<> saved = SaveSolvedImage(path, session_->State(), session_->InfoText()); !saved)
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
                     .text = session_->InfoText()};
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
