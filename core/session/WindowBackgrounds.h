// The backgrounds of the sides and pockets: a colour each, or one of the eight background
// pictures, kept in the background record a saved game carries and in the windows themselves.
//
// Only one background picture is loaded at a time, so at most one picture code may be in use: a
// check after every open keeps the first one found by window number and makes the others grey. A
// picture file that is missing or cannot be read silently gives the default grey. The picture is
// loaded at the size the largest field needs, so a compose only copies rows of it.
#pragma once

#include <cstdint>
#include <string>

#include "files/SavedGame.h"
#include "playfield/FieldImage.h"
#include "playfield/PlayWindow.h"

namespace kirvo {

// Reserved values 0; every window and the background for all windows grey.
BackgroundRecord DefaultBackgroundRecord();

// Where the backgrounds live and what loading a picture needs.
struct WindowBackgrounds {
    PlayWindows& windows;
    BackgroundRecord& record;
    BackgroundPicture& picture;
    const std::string& folder;  // the background pictures folder
    WindowSize largestField;    // the largest field the main window can show
};

// The file of a picture code: folder + name + "-1600.jpg".
std::string BackgroundPictureFile(const std::string& folder, uint32_t code);
// Makes the code's picture the loaded one, resampled to the larger of the virtual field and the
// largest field on each axis; nothing to do when it already is. On failure nothing stays loaded.
bool LoadBackgroundPicture(const WindowBackgrounds& backgrounds, uint32_t code);
// The window and its record entry take the value; a picture code that cannot be loaded becomes
// the default grey.
void SetWindowBackground(const WindowBackgrounds& backgrounds, int window, uint32_t value);
// After every open: the first picture code found by window number stays and every other picture
// code becomes grey, as does the kept one when its picture cannot be loaded; then every window
// takes its record entry.
void CheckBackgrounds(const WindowBackgrounds& backgrounds);

}  // namespace kirvo
