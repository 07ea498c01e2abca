#include "session/JigsawBrowser.h"

#include <algorithm>
#include <filesystem>

#include "base/Folders.h"
#include "base/ListFile.h"
#include "base/TextFormat.h"
#include "cutting/PieceSizeTable.h"
#include "files/GameExtras.h"
#include "files/JigsawFile.h"
#include "files/SavedGameFile.h"
#include "session/JigsawChoices.h"
#include "session/ListThumbnail.h"

namespace kirvo {

namespace {

namespace fs = std::filesystem;

std::string FileNameOf(const std::string& path) { return fs::path(path).filename().string(); }
std::string StemOf(const std::string& path) { return fs::path(path).stem().string(); }

std::vector<std::string> Captions(const std::string& folder, const std::string& extension)
{
    std::vector<std::string> captions = ListFilesByExtension(folder, extension);
    for (std::string& caption : captions)
        caption.resize(caption.size() - extension.size());
    return captions;
}

}  // namespace

JigsawBrowser::JigsawBrowser(FILE_NAMES& names, GameState& state, Descriptor& pending, NewGameDefaults& defaults,
                             const TPixelBuffer& storedThumbnail, const Translator& translator, MessageSink messages)
    : names_(names),
      state_(state),
      pending_(pending),
      defaults_(defaults),
      storedThumbnail_(storedThumbnail),
      translator_(translator),
      messages_(std::move(messages))
{
}

void JigsawBrowser::Activate(BrowserMode mode, const std::string& preselected, WindowSize fitArea)
{
    mode_ = mode;
    fitArea_ = fitArea;
    selection_ = SelectionKind::Nothing;
    selectedPath_ = FileExists(preselected) ? preselected : std::string();
    fileNameBox_ = FileNameOf(selectedPath_);
    if (mode_ == BrowserMode::Save)
        page_ = BrowserPage::SavedGames;
    else if (selectedPath_.empty())
        page_ = BrowserPage::Jigsaws;
    else if (HasSavedGameExtension(selectedPath_))
        page_ = BrowserPage::SavedGames;
    else
        page_ = names_.puzzleLoaded ? BrowserPage::Settings : BrowserPage::Jigsaws;

    FillLists();
    if (mode_ == BrowserMode::Open) {
        SelectEntry(true);
        return;
    }
    // Save mode: the game in play, under the name it was last saved or started with.
    fileNameBox_ = StemOf(names_.sSolve.empty() ? names_.sJig : names_.sSolve);
    pieceCount_ = state_.descriptor.TotalTileNum;
    PixFromBitmap(previewPicture_, storedThumbnail_);
    previewMarked_ = true;
    previewName_.clear();
    preview_ = PreviewState::Picture;
    pieceSizeShown_ = true;
    choicesEnabled_ = false;
    okEnabled_ = true;
}

void JigsawBrowser::FillLists()
{
    jigsaws_ = {};
    games_ = {};
    focusedList_.reset();
    if (mode_ == BrowserMode::Open)
        jigsaws_.items = Captions(names_.personalJigsawsFolder, names_.jigsawExtension);
    games_.items = Captions(names_.savedGamesFolder, names_.savedGameExtension);

    bool found = false;
    if (!selectedPath_.empty()) {
        const BrowserPage list = HasSavedGameExtension(selectedPath_) ? BrowserPage::SavedGames : BrowserPage::Jigsaws;
        const std::string fileName = FileNameOf(selectedPath_);
        BrowserList& items = ListOf(list);
        for (size_t i = 0; i < items.items.size() && !found; ++i) {
            if (SameNameIgnoringCase(items.items[i] + Extension(list), fileName)) {
                items.selected = int(i);
                found = true;
            }
        }
        if (found) {
            if (PageShown(list) && page_ == list)
                focusedList_ = list;
            selectedPath_.clear();
        }
    }
    if (mode_ == BrowserMode::Open && !found) {
        page_ = BrowserPage::Jigsaws;
        jigsaws_.selected = jigsaws_.items.empty() ? -1 : 0;
        fileNameBox_ = jigsaws_.items.empty() ? std::string() : jigsaws_.items.front() + names_.jigsawExtension;
    }
}

void JigsawBrowser::ChangePage(BrowserPage page)
{
    if (PageShown(page))
        page_ = page;
}

void JigsawBrowser::ClickItem(BrowserPage list, int index)
{
    BrowserList& items = ListOf(list);
    if (index < 0 || index >= int(items.items.size())) {
        items.selected = -1;
        return;
    }
    items.selected = index;
    ListOf(list == BrowserPage::Jigsaws ? BrowserPage::SavedGames : BrowserPage::Jigsaws).selected = -1;
    if (mode_ == BrowserMode::Save) {
        // Only the name matters here: the preview is not shown while saving.
        fileNameBox_ = items.items[size_t(index)];
        return;
    }
    fileNameBox_ = items.items[size_t(index)] + Extension(list);
    SelectEntry(true);
}

const std::string& JigsawBrowser::CurrentFolder() const
{
    // The name box says which folder it names, whatever page is in front: a saved game chosen on
    // its page is still found after a look at the settings page.
    if (mode_ == BrowserMode::Save || HasSavedGameExtension(std::string(Trimmed(fileNameBox_))))
        return names_.savedGamesFolder;
    return names_.personalJigsawsFolder;
}

bool JigsawBrowser::SelectEntry(bool enable)
{
    if (enable)
        okEnabled_ = false;
    selection_ = SelectionKind::Nothing;
    previewName_.clear();
    previewMarked_ = false;
    fileNameBox_ = FileNameOf(std::string(Trimmed(fileNameBox_)));

    const std::string path = CurrentFolder() + fileNameBox_;
    bool result = false;
    if (fileNameBox_.empty() || !FileExists(path)) {
        ClearPreview(PreviewState::Hidden);
    } else if ((HasJigsawExtension(path) && SelectJigsawFile(path))
               || (HasSavedGameExtension(path) && SelectSavedGame(path))) {
        result = ApplyLevel();
        previewName_ = StemOf(fileNameBox_);
    } else {
        ClearPreview(PreviewState::Invalid);
    }
    if (enable)
        okEnabled_ = result;
    return result;
}

bool JigsawBrowser::SelectJigsawFile(const std::string& path)
{
    Result<TPixelBuffer> preview = kirvo::SelectJigsawFile(path, defaults_, fitArea_, pending_);
    if (!preview)
        return false;
    previewPicture_ = std::move(preview.value());
    selection_ = SelectionKind::Jigsaw;
    ShowChoices(pending_);
    preview_ = PreviewState::Picture;
    pieceSizeShown_ = true;
    choicesEnabled_ = true;
    return true;
}

bool JigsawBrowser::SelectSavedGame(const std::string& path)
{
    Result<SavedGame> read = ReadSavedGame(path, SavedGameReadMode::Select);
    if (!read)
        return false;
    names_.storedJigsawName = read.value().jigsawName;
    pending_ = read.value().descriptor;
    previewPicture_ = std::move(read.value().thumbnail);
    previewMarked_ = true;
    selection_ = SelectionKind::SavedGame;
    ShowChoices(pending_);
    preview_ = PreviewState::Picture;
    pieceSizeShown_ = true;
    choicesEnabled_ = false;
    return true;
}

void JigsawBrowser::ClearPreview(PreviewState state)
{
    preview_ = state;
    PixFree(previewPicture_);
    pieceSizeShown_ = false;
    choicesEnabled_ = false;
}

void JigsawBrowser::ShowChoices(const Descriptor& descriptor)
{
    choices_ = {.level = descriptor.Level,
                .rotate = descriptor.Rotate != 0,
                .fitToScreen = descriptor.FitToScreen != 0,
                .border = descriptor.BorderStyle,
                .shape = descriptor.ShapeStyle,
                .spread = descriptor.SpreadOut};
}

bool JigsawBrowser::ApplyLevel()
{
    // A saved game keeps the pieces it was cut into; only a jigsaw is measured again.
    const bool allowed = selection_ != SelectionKind::Jigsaw || ApplyChosenLevel(pending_);
    // The player plays the frame too: a jigsaw's count has it once cut, a saved game's has it.
    const bool frameToCome = selection_ == SelectionKind::Jigsaw && IsBorderPuzzle(pending_);
    pieceCount_ = pending_.TotalTileNum + (frameToCome ? 1 : 0);
    return allowed;
}

bool JigsawBrowser::TakeChoice()
{
    // The slider also moves when a saved game's choices are shown: those must not become the
    // player's standing choices.
    return selection_ != SelectionKind::SavedGame;
}

void JigsawBrowser::ChooseShape(int shape)
{
    choices_.shape = shape;
    if (!TakeChoice())
        return;
    pending_.ShapeStyle = uint8_t(shape);
    defaults_.ShapeStyle = shape;
    okEnabled_ = ApplyLevel();
}

void JigsawBrowser::ChooseBorder(int border)
{
    choices_.border = border;
    if (!TakeChoice())
        return;
    pending_.BorderStyle = uint8_t(border);
    defaults_.BorderStyle = border;
    okEnabled_ = ApplyLevel();
}

void JigsawBrowser::ChooseMix(int spread)
{
    choices_.spread = spread;
    if (!TakeChoice())
        return;
    pending_.SpreadOut = uint8_t(spread);
    defaults_.SpreadOut = spread;
}

void JigsawBrowser::ToggleRotation()
{
    choices_.rotate = !choices_.rotate;
    if (!TakeChoice())
        return;
    pending_.Rotate = choices_.rotate ? 1 : 0;
    defaults_.Rotate = choices_.rotate;
}

void JigsawBrowser::ToggleFitToScreen()
{
    choices_.fitToScreen = !choices_.fitToScreen;
    if (!TakeChoice())
        return;
    pending_.FitToScreen = choices_.fitToScreen ? 1 : 0;
    defaults_.FitToScreen = choices_.fitToScreen;
    okEnabled_ = ApplyLevel();
}

void JigsawBrowser::ChooseLevel(int level)
{
    choices_.level = std::clamp(level, 0, kLevelCount - 1);
    if (!TakeChoice())
        return;
    pending_.Level = choices_.level;
    defaults_.Level = choices_.level;
    okEnabled_ = ApplyLevel();
}

std::optional<std::string> JigsawBrowser::SeedForNewGame() const
{
    if (!seedShown_)
        return std::nullopt;
    return std::string(Trimmed(seedText_));
}

const char* JigsawBrowser::OkCaptionKey() const
{
    if (mode_ == BrowserMode::Save)
        return "B_Save";
    if (page_ == BrowserPage::Jigsaws && !HasSavedGameExtension(std::string(Trimmed(fileNameBox_))))
        return "B_Next";
    return "B_Open";
}

bool JigsawBrowser::Ok()
{
    std::string box(Trimmed(fileNameBox_));
    if (box.empty())
        return false;
    if (mode_ == BrowserMode::Open && page_ != BrowserPage::Settings && !HasSavedGameExtension(box)) {
        page_ = BrowserPage::Settings;  // the player sees the choices and presses OK again
        return false;
    }

    if (mode_ == BrowserMode::Save) {
        // A folder part typed before a backslash is dropped; the saved-game extension is added.
        box = std::string(Trimmed(box.substr(box.find_last_of('\\') + 1)));
        if (HasSavedGameExtension(box))
            box.resize(box.size() - names_.savedGameExtension.size());
        fileNameBox_ = box;
        if (box.empty()) {
            Tell(messages_, translator_.TextOr(LangSection::LoadSave, "MS_EnterFileName", "Please enter a name for the saved game."),
                 MessageButtons::Ok, MessageIcon::Warning);
            return false;
        }
        if (box.find_first_of("\\/?") != std::string::npos || box == "." || box == "..") {
            Tell(messages_, translator_.TextOr(LangSection::LoadSave, "MS_InvalidFileName", "A file name must not contain \\, / or ?."),
                 MessageButtons::Ok, MessageIcon::Warning);
            return false;
        }
        const std::string path = names_.savedGamesFolder + box + names_.savedGameExtension;
        if (FileExists(path)
            && !Ask(translator_.TextOr(LangSection::LoadSave, "Q_OverwriteFile", "%s already exists.$DDo you want to replace it?"),
                    box, MessageButtons::OkCancel))
            return false;
        selectedPath_ = path;
        return true;
    }

    fileNameBox_ = box;
    const std::string path = CurrentFolder() + FileNameOf(box);
    SelectEntry(true);
    if (!FileExists(path)) {
        TellFile(translator_.TextOr(LangSection::LoadSave, "MS_CantFindFile", "The file %s cannot be found."), box);
        return false;
    }
    if (!okEnabled_)
        return false;
    seedText_ = std::string(Trimmed(seedText_));
    selectedPath_ = path;
    return true;
}

void JigsawBrowser::DeleteSelected(BrowserPage list)
{
    BrowserList& items = ListOf(list);
    if (items.selected < 0 || items.selected >= int(items.items.size()))
        return;
    const std::string caption = items.items[size_t(items.selected)];
    const std::string fileName = caption + Extension(list);
    if (list == BrowserPage::Jigsaws && IsDistributedJigsaw(names_.distributedJigsaws, fileName)) {
        TellFile(translator_.TextOr(LangSection::LoadSave, "MS_CantDeleteFile", "The file %s cannot be deleted."), caption);
        return;
    }
    const std::string path = Folder(list) + fileName;
    if (!FileExists(path)
        || !Ask(translator_.TextOr(LangSection::LoadSave, "Q_DeleteFile", "Do you really want to delete %s?"), caption,
                MessageButtons::OkCancel))
        return;
    const int index = items.selected;
    if (DeleteListedFile(list, path) && mode_ == BrowserMode::Open)
        SelectAfterDelete(list, index);
}

void JigsawBrowser::DeleteAll(BrowserPage list)
{
    const std::string question =
        list == BrowserPage::Jigsaws
            ? translator_.TextOr(LangSection::LoadSave, "Q_DelAllJigs",
                                 "Do you really want to delete all your jigsaws?$DThe jigsaws that came with the game are kept.")
            : translator_.TextOr(LangSection::LoadSave, "Q_DelAllGames", "Do you really want to delete all saved games?");
    if (Tell(messages_, question, MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::Yes)
        return;
    for (const std::string& fileName : ListFilesByExtension(Folder(list), Extension(list))) {
        if (list == BrowserPage::Jigsaws && IsDistributedJigsaw(names_.distributedJigsaws, fileName))
            continue;
        if (!DeleteListedFile(list, Folder(list) + fileName))
            break;
    }
    if (list == BrowserPage::Jigsaws && mode_ == BrowserMode::Open)
        SelectAfterDelete(list, std::max(jigsaws_.selected, 0));
}

void JigsawBrowser::SelectAfterDelete(BrowserPage list, int index)
{
    BrowserList& items = ListOf(list);
    if (items.items.empty()) {
        items.selected = -1;
        fileNameBox_.clear();
    } else {
        items.selected = std::min(index, int(items.items.size()) - 1);
        fileNameBox_ = items.items[size_t(items.selected)] + Extension(list);
    }
    SelectEntry(true);
}

bool JigsawBrowser::DeleteListedFile(BrowserPage list, const std::string& path)
{
    if (!FileExists(path))
        return true;
    const std::string fileName = FileNameOf(path);
    std::error_code error;
    if (!fs::remove(path, error) || error) {
        TellFile(translator_.TextOr(LangSection::LoadSave, "MS_CantDeleteFile", "The file %s cannot be deleted."), fileName);
        return false;
    }
    fs::remove(GameExtrasPath(path), error);  // what was kept beside a saved game goes with it
    BrowserList& items = ListOf(list);
    const std::string caption = StemOf(path);
    auto found = std::find(items.items.begin(), items.items.end(), caption);
    if (found != items.items.end()) {
        const int index = int(found - items.items.begin());
        items.items.erase(found);
        if (items.selected == index)
            items.selected = -1;
        else if (items.selected > index)
            --items.selected;
    }
    thumbnails_.Forget(fileName);
    if (SameNameIgnoringCase(path, names_.sSolve)) {
        // The game in play no longer has a saved game: the next save asks for a name.
        names_.sSolve.clear();
        state_.changed = true;
    }
    return true;
}

bool JigsawBrowser::Ask(const std::string& format, const std::string& argument, MessageButtons buttons) const
{
    const MessageAnswer answer = Tell(messages_, FormatText(format, {argument}), buttons, MessageIcon::Question);
    return answer == MessageAnswer::Ok || answer == MessageAnswer::Yes;
}

void JigsawBrowser::TellFile(const std::string& format, const std::string& name) const
{
    Tell(messages_, FormatText(format, {name}), MessageButtons::Ok, MessageIcon::Warning);
}

const std::string& JigsawBrowser::Extension(BrowserPage list) const
{
    return list == BrowserPage::SavedGames ? names_.savedGameExtension : names_.jigsawExtension;
}

const std::string& JigsawBrowser::Folder(BrowserPage list) const
{
    return list == BrowserPage::SavedGames ? names_.savedGamesFolder : names_.personalJigsawsFolder;
}

std::vector<std::pair<std::string, std::string>> JigsawBrowser::MissingThumbnails() const
{
    std::vector<std::pair<std::string, std::string>> missing;
    for (BrowserPage list : {BrowserPage::Jigsaws, BrowserPage::SavedGames}) {
        for (const std::string& caption : List(list).items) {
            std::string fileName = caption + Extension(list);
            if (!thumbnails_.Has(fileName))
                missing.emplace_back(Folder(list) + fileName, std::move(fileName));
        }
    }
    return missing;
}

void JigsawBrowser::RefreshThumbnail(const std::string& path)
{
    const std::string fileName = FileNameOf(path);
    if (thumbnails_.Has(fileName))
        thumbnails_.Refresh(fileName, RenderListThumbnail(storedThumbnail_, saveIcon_.width > 0 ? &saveIcon_ : nullptr));
}

}  // namespace kirvo
