// The end of a puzzle and what is told about it: the sounds of play, the finish with the solved
// picture, the information window and the credits.
#include <QFileDialog>
#include <QFileInfo>

#include "base/TextFormat.h"
#include "diagnostics/CreditsDialog.h"
#include "diagnostics/FinishDialog.h"
#include "diagnostics/InfoDialog.h"
#include "playfield/Completion.h"
#include "playfield/SolvedImageFile.h"
#include "raster/PixelImage.h"
#include "session/MessageBox.h"
#include "shell/MainWindow.h"
#include "shell/SoundPlayer.h"

namespace kirvo {

void MainWindow::PlaySound(const char* fileName)
{
    if (settings_.CB_SoundPlay)
        sounds_->Play(fileName);
}

void MainWindow::Finish()
{
    RefreshCommands();
    RedrawField();
    PlaySound("win.wav");
    FinishDialog finish(this);
    if (finish.exec() == QDialog::Accepted)
        SaveSolvedImageAs();
}

void MainWindow::SaveSolvedImageAs()
{
    QFileDialog dialog(this, QString::fromStdString(Text("SD_SaveImage", "Save Solved Image")),
                       QString::fromStdString(names_.picturesFolder + names_.sJigName + ".bmp"), "Bitmap (*.bmp)");
    dialog.setObjectName("SD_SaveImage");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("bmp");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const std::string path = dialog.selectedFiles().front().toStdString();
    if (Result<> saved = SaveSolvedImage(path, state_, infoText_); !saved)
        MsgBox(FormatText(Text("MS_CantSaveImage", "The picture could not be saved:$D%s"), {saved.error()}),
               MessageButtons::Ok, MessageIcon::Error);
}

void MainWindow::ShowInfo()
{
    const PuzzleProgress progress = Progress(state_, names_.puzzleLoaded);
    const Descriptor& d = state_.descriptor;
    PuzzleInfo info {.jigsawName = names_.sJigName,
                     .savedGameName = names_.sSolve.empty() ? std::string() : QFileInfo(QString::fromStdString(names_.sSolve)).fileName().toStdString(),
                     .pieces = d.TotalTileNum,
                     .unsolved = progress.unsolved,
                     .percent = progress.percent,
                     .shapeStyle = d.ShapeStyle,
                     .borderStyle = d.BorderStyle,
                     .rotate = d.Rotate == 1,
                     .thumbnail = PixImage(storedThumb_),
                     .text = infoText_};
    state_.busy = true;
    InfoDialog dialog(info, this);
    dialog.exec();
    state_.busy = false;
}

void MainWindow::ShowCredits()
{
    CreditsDialog credits(this);
    credits.exec();
}

}  // namespace kirvo
