// When the autosave timer's tick writes the game.
#pragma once

namespace kirvo {

struct AutosaveSituation {
    bool puzzleLoaded = false;
    bool enabled = false;         // AutoSave_bEnabled
    bool pending = false;         // changed since the last save of any kind
    bool busy = false;            // an event, save or question is being handled
    bool dragging = false;        // a mouse button is held over the field
    bool saveInProgress = false;  // the save temp file exists
    double minutesSinceLast = 0;
    int intervalMinutes = 0;      // AutoSave_iIntervalMin
};

bool AutosaveDue(const AutosaveSituation& situation);

}  // namespace kirvo
