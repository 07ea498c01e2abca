// Options choices: everything the Options dialog edits, as one plain value filled from the
// settings, changed by the dialog and applied by the session when the player presses OK.
//
// The three play actions (turning clockwise, counter-clockwise, sending to the other window) are
// each given one of seven mouse choices. The play schemas "Standard" and "Simple" are complete
// sets of those assignments and the two play switches; anything else is "Other".
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "settings/Settings.h"

namespace kirvo {

// One choice of the assignment lists: a mouse button (0 left, 1 right) with a modifier set
// (1 Shift, 2 Alt, 4 Ctrl); the caption is the English text and the translation key's number.
struct MouseChoice {
    const char* caption;
    uint8_t button;
    uint8_t shift;
};

inline constexpr std::array<MouseChoice, 7> kMouseChoices = {{
    {"Left + Alt", 0, 2},
    {"Left + Ctrl", 0, 4},
    {"Left + Shift", 0, 1},
    {"Right", 1, 0},
    {"Right + Alt", 1, 2},
    {"Right + Ctrl", 1, 4},
    {"Right + Shift", 1, 1},
}};
inline constexpr int kNoMouseChoice = -1;  // the stored pair is none of the seven

// The play actions, in the order of the dialog's lists.
enum PlayAction : int { kRotateClockwise, kRotateCounterClockwise, kMoveToOtherWindow };
inline constexpr int kPlayActionCount = 3;

enum class PlaySchema { Standard, Simple, Other };

// The "Download" page's protocol versions; "TLS v1_2" is the default.
inline constexpr std::array<const char*, 7> kSecureMethods = {"SSL v2",  "SSL v23",  "SSL v3",  "TLS v1",
                                                              "TLS v1_1", "TLS v1_2", "TLS v1_3"};

struct OptionsChoices {
    bool autoSave = true;
    int autoSaveMinutes = 10;
    bool sound = true;
    // Index into kMouseChoices for each PlayAction, or kNoMouseChoice.
    std::array<int, kPlayActionCount> assignments {kNoMouseChoice, kNoMouseChoice, kNoMouseChoice};
    bool singleWindow = false;
    bool clickToDrag = false;
    int stuckKoef = 12;
    int embossStyle = 1;  // 0 None, 1 Paper, 2 Cardboard, 3 Fat Card
    int woodStyle = 2;    // 0 None, 1 Wood, 2 Shadows
    uint32_t woodColor = 0x49687A;
    bool showJoin = true;
    std::string language;  // the pending language: file name without folder and extension
    std::string downloadServer;
    bool useSecure = false;
    int secureMethod = 5;  // index into kSecureMethods
    std::string thumbnailsPath;  // the hidden test panel
    std::string siteJigsawsFolder;

    bool operator==(const OptionsChoices&) const = default;
};

// The dialog's state for the settings: emboss 0 to 2 as they are and any other value Fat Card;
// wood 0 and 1 as they are and any other value Shadows; a stored mouse pair that is none of the
// seven choices gives kNoMouseChoice.
OptionsChoices FillOptions(const Settings& settings);

// The schema whose assignments and switches the choices hold; Other also when an action has no
// choice.
PlaySchema RecogniseSchema(const OptionsChoices& choices);
// Standard and Simple set the assignments and both switches; Other changes nothing.
void ChooseSchema(OptionsChoices& choices, PlaySchema schema);

// What keeps OK from closing the dialog.
enum class OptionsProblem { None, KeysClash, MissingLanguage };

// Two actions may not share a mouse choice (an action without one clashes with nothing), and the
// pending language's file must be in the language folder.
OptionsProblem CheckOptions(const OptionsChoices& choices, const std::string& languageFolder);

}  // namespace kirvo
