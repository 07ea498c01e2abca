// TF_Main: the game's one top-level window, holding the play field.
//
// Creating it works out every folder and copies what came with the program (FolderSetup);
// closing it asks whether to save the changes; destroying it frees the puzzle and tidies the
// temporary files.
#pragma once

#include <QWidget>

#include "cutting/KnobAtlas.h"
#include "shell/FileNames.h"
#include "shell/GameState.h"
#include "shell/SaveChangesQuestion.h"

namespace kirvo {

class MainWindow : public QWidget, private SaveChangesHost {
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    const FILE_NAMES& FileNames() const { return names_; }
    // Field input is taken only while running: from start-up until the window goes away.
    void SetRunning(bool running) { running_ = running; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool SaveGame(const std::string& path) override;
    std::optional<std::string> ChooseSaveName() override;
    void SaveSettings();
    void LoadKnobAtlasFile();

    FILE_NAMES names_;
    GameState state_;
    KnobAtlas knobAtlas_;  // empty when the file is missing: every grid knob is then drawn
    QWidget* field_ = nullptr;  // P_Field
    bool running_ = false;
};

}  // namespace kirvo
