#include "shell/MainWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include <fstream>
#include <iterator>
#include <vector>

#include "shell/PlatformFolders.h"
#include "files/Folders.h"
#include "shell/FolderSetup.h"

namespace kirvo {

namespace {

constexpr QRgb kFieldGrey = 0x989898;

}  // namespace

MainWindow::MainWindow()
{
    SetUpFolders(names_, QCoreApplication::applicationDirPath().toStdString(), PlatformUserFolders());
    LoadKnobAtlasFile();

    setObjectName("TF_Main");
    setWindowTitle(kApplicationTitle);
    setMinimumSize(500, 500);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());

    field_ = new QWidget(this);
    field_->setObjectName("P_Field");
    field_->setAutoFillBackground(true);
    QPalette palette = field_->palette();
    palette.setColor(QPalette::Window, QColor(kFieldGrey));
    field_->setPalette(palette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field_);
}

MainWindow::~MainWindow()
{
    running_ = false;
    CleanUpFiles(names_);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    state_.busy = true;
    if (AskSaveChanges(state_.changed, names_, *this) == Proceed::Stop) {
        state_.busy = false;
        event->ignore();
        return;
    }
    SaveSettings();
    event->accept();
}

bool MainWindow::SaveGame(const std::string&)
{
    // Games cannot be written yet; refusing keeps the puzzle rather than losing it.
    return false;
}

std::optional<std::string> MainWindow::ChooseSaveName()
{
    QString name = QFileDialog::getSaveFileName(this, kApplicationTitle, QString::fromStdString(names_.savedGamesFolder),
                                                "*" + QString::fromStdString(names_.savedGameExtension));
    if (name.isEmpty())
        return std::nullopt;
    return name.toStdString();
}

void MainWindow::LoadKnobAtlasFile()
{
    std::ifstream file(names_.programFolder + "knob-atlas.png", std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (Result<KnobAtlas> atlas = LoadKnobAtlas(bytes))
        knobAtlas_ = std::move(atlas.value());
}

void MainWindow::SaveSettings()
{
    // The settings file marks every later start as not the first; it holds no settings yet.
    if (!FileExists(names_.settingsFile))
        std::ofstream(names_.settingsFile);
}

}  // namespace kirvo
