#include "session/Autosave.h"

namespace kirvo {

bool AutosaveDue(const AutosaveSituation& s)
{
    // A drag lasts over many events; between them the busy flag is clear, so it is checked apart.
    return s.puzzleLoaded && s.enabled && s.pending && !s.busy && !s.dragging && !s.saveInProgress
        && s.minutesSinceLast >= s.intervalMinutes;
}

}  // namespace kirvo
