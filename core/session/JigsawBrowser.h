// JigsawBrowser: what the Open/Save jigsaw dialog knows and decides, without the dialog.
//
// In open mode it lists the player's jigsaws and saved games, previews the selected one and, for a
// jigsaw, holds the choices of its settings page — piece size, shapes, border, mixing, rotation,
// fit to screen — which go into the pending descriptor the next game is started from and into the
// player's standing choices. In save mode it lists the saved games and takes a name. It deletes
// files, with the questions that go first, and keeps the run-long cache of list thumbnails.
//
// The dialog calls one operation per thing the player does and then shows what the browser now
// holds; questions and messages go to the message sink, already translated.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/Descriptor.h"
#include "game/FileNames.h"
#include "game/GameState.h"
#include "playfield/PlayWindow.h"
#include "raster/PixelBuffer.h"
#include "session/MessageSink.h"
#include "session/ThumbnailCache.h"
#include "settings/Settings.h"
#include "settings/Translation.h"

namespace kirvo {

enum class BrowserMode { Open = 1, Save = 2 };
enum class BrowserPage { Jigsaws, SavedGames, Settings };
enum class SelectionKind { Nothing = 0, Jigsaw = 1, SavedGame = 2 };

// What the settings page shows: the standing choices for a jigsaw, the stored ones for a saved game.
struct PageChoices {
    int level = 5;
    bool rotate = false;
    bool fitToScreen = false;
    int border = 0;
    int shape = 0;
    int spread = 0;
};

// One list of the dialog: captions are file names without extension, in folder order.
struct BrowserList {
    std::vector<std::string> items;
    int selected = -1;
};

// What the preview of the settings page shows.
enum class PreviewState { Hidden, Picture, Invalid };

class JigsawBrowser {
public:
    // The browser works on the session's own game: its files, its changed flag, the pending
    // descriptor a new game starts from, the standing choices and the game's stored thumbnail.
    JigsawBrowser(FILE_NAMES& names, GameState& state, Descriptor& pending, NewGameDefaults& defaults,
                  const TPixelBuffer& storedThumbnail, const Translator& translator, MessageSink messages);

    // --- Showing the dialog ---
    // Fills the lists and selects the preselected file when they hold it, else (open mode) the
    // first jigsaw. fitArea is the room a picture fitted to the screen may take.
    void Activate(BrowserMode mode, const std::string& preselected, WindowSize fitArea);
    // Lists the folders again. The preselected file is selected when listed; otherwise, in open
    // mode, the first jigsaw.
    void FillLists();
    // The player turned to a page.
    void ChangePage(BrowserPage page);
    // A click on an item (or a key moving to it): its name goes into the name box and it is
    // previewed. index -1 clears that list's selection.
    void ClickItem(BrowserPage list, int index);
    // The name box as the player typed it.
    void SetFileNameBox(std::string text) { fileNameBox_ = std::move(text); }
    // Previews the file named by the box in the current folder; whether it may be started. With
    // enable, OK follows the answer.
    bool SelectEntry(bool enable);
    // OK, Enter or a double click. True when the dialog closes with SelectedPath() chosen;
    // false when it stays (the settings page was shown, or a message or question stopped it).
    bool Ok();

    // --- Deleting ---
    void DeleteSelected(BrowserPage list);
    void DeleteAll(BrowserPage list);

    // --- The settings page ---
    void ChooseShape(int shape);
    void ChooseBorder(int border);
    void ChooseMix(int spread);
    void ToggleRotation();
    void ToggleFitToScreen();
    void ChooseLevel(int level);

    // --- The seed box, shown and hidden by Ctrl-clicks on the button bar ---
    void ToggleSeedBox() { seedShown_ = !seedShown_; }
    void SetSeedText(std::string text) { seedText_ = std::move(text); }
    // The seed the next game is cut from: the box's text while the box is shown.
    std::optional<std::string> SeedForNewGame() const;

    // --- What the dialog shows ---
    BrowserMode Mode() const { return mode_; }
    BrowserPage ActivePage() const { return page_; }
    bool PageShown(BrowserPage page) const { return mode_ == BrowserMode::Open || page == BrowserPage::SavedGames; }
    const BrowserList& List(BrowserPage list) const { return list == BrowserPage::Jigsaws ? jigsaws_ : games_; }
    // The list that had the preselected file, to take the focus; nothing when it was not found.
    std::optional<BrowserPage> FocusedList() const { return focusedList_; }
    const std::string& FileNameBox() const { return fileNameBox_; }
    const std::string& SelectedPath() const { return selectedPath_; }
    // The folder the name box is taken in: the Saved Games folder on its page, else the jigsaws.
    const std::string& CurrentFolder() const;
    SelectionKind Selection() const { return selection_; }
    PreviewState Preview() const { return preview_; }
    const TPixelBuffer& PreviewPicture() const { return previewPicture_; }
    bool PreviewIsSavedGame() const { return previewMarked_; }
    const std::string& PreviewName() const { return previewName_; }
    bool PieceSizeShown() const { return pieceSizeShown_; }
    bool ChoicesEnabled() const { return choicesEnabled_; }
    const PageChoices& Choices() const { return choices_; }
    int PieceCount() const { return pieceCount_; }
    // The tile size the sample piece is drawn at: the chosen level's.
    int SampleTileSize() const { return pending_.TileS; }
    bool OkEnabled() const { return okEnabled_; }
    // "B_Next", "B_Open" or "B_Save" in the "Load/Save Form" section.
    const char* OkCaptionKey() const;
    bool ExtraShown() const { return mode_ == BrowserMode::Open; }
    bool SeedShown() const { return seedShown_; }
    const std::string& SeedText() const { return seedText_; }

    // --- The list thumbnails ---
    ThumbnailCache& Thumbnails() { return thumbnails_; }
    const ThumbnailCache& Thumbnails() const { return thumbnails_; }
    // The icon that marks a saved game on its thumbnails.
    void SetSaveIcon(TPixelBuffer icon) { saveIcon_ = std::move(icon); }
    const TPixelBuffer& SaveIcon() const { return saveIcon_; }
    // Full path and cache name of every listed file without a thumbnail yet: jigsaws first.
    std::vector<std::pair<std::string, std::string>> MissingThumbnails() const;
    // A save rewrote the file: its list thumbnail shows the game's stored thumbnail again.
    void RefreshThumbnail(const std::string& path);

private:
    bool SelectJigsawFile(const std::string& path);
    bool SelectSavedGame(const std::string& path);
    void ShowChoices(const Descriptor& descriptor);
    bool ApplyLevel();
    // Records a choice in both descriptors unless a saved game is selected; whether it did.
    bool TakeChoice();
    void ClearPreview(PreviewState state);
    void SelectItemNamed(BrowserPage list, const std::string& fileName);
    void SelectAfterDelete(BrowserPage list, int index);
    // The file is gone from the folder, the list and the cache; false, with the player told, when
    // it could not be deleted.
    bool DeleteListedFile(BrowserPage list, const std::string& path);
    // The translated format filled in with the argument; true for OK or Yes.
    bool Ask(const std::string& format, const std::string& argument, MessageButtons buttons) const;
    void TellFile(const std::string& format, const std::string& name) const;
    const std::string& Extension(BrowserPage list) const;
    const std::string& Folder(BrowserPage list) const;
    BrowserList& ListOf(BrowserPage list) { return list == BrowserPage::Jigsaws ? jigsaws_ : games_; }

    FILE_NAMES& names_;
    GameState& state_;
    Descriptor& pending_;
    NewGameDefaults& defaults_;
    const TPixelBuffer& storedThumbnail_;
    const Translator& translator_;
    MessageSink messages_;

    BrowserMode mode_ = BrowserMode::Open;
    BrowserPage page_ = BrowserPage::Jigsaws;
    BrowserList jigsaws_;
    BrowserList games_;
    std::optional<BrowserPage> focusedList_;
    std::string fileNameBox_;   // E_FileName: the selected file's name with extension
    std::string selectedPath_;  // the preselection, then the file chosen on OK
    WindowSize fitArea_;
    SelectionKind selection_ = SelectionKind::Nothing;
    PreviewState preview_ = PreviewState::Hidden;
    TPixelBuffer previewPicture_;  // the selected entry's preview at its own size
    bool previewMarked_ = false;   // the preview is a saved game's
    std::string previewName_;
    bool pieceSizeShown_ = false;
    bool choicesEnabled_ = false;
    PageChoices choices_;
    int pieceCount_ = 0;
    bool okEnabled_ = false;
    bool seedShown_ = false;
    std::string seedText_;  // kept between showings
    ThumbnailCache thumbnails_;
    TPixelBuffer saveIcon_;
};

}  // namespace kirvo
