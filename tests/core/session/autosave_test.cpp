#include "session/Autosave.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

TEST(Autosave, DueOnlyWhenEveryConditionHolds)
{
    const AutosaveSituation due {.puzzleLoaded = true, .enabled = true, .pending = true, .minutesSinceLast = 10,
                                 .intervalMinutes = 10};
    EXPECT_TRUE(AutosaveDue(due));

    struct Case {
        const char* what;
        void (*spoil)(AutosaveSituation&);
    };
    const Case cases[] = {
        {"no puzzle", [](AutosaveSituation& s) { s.puzzleLoaded = false; }},
        {"switched off", [](AutosaveSituation& s) { s.enabled = false; }},
        {"nothing changed", [](AutosaveSituation& s) { s.pending = false; }},
        {"busy", [](AutosaveSituation& s) { s.busy = true; }},
        {"dragging", [](AutosaveSituation& s) { s.dragging = true; }},
        {"a save is writing", [](AutosaveSituation& s) { s.saveInProgress = true; }},
        {"too soon", [](AutosaveSituation& s) { s.minutesSinceLast = 9.99; }},
    };
    for (const Case& c : cases) {
        AutosaveSituation s = due;
        c.spoil(s);
        EXPECT_FALSE(AutosaveDue(s)) << c.what;
    }
}

}  // namespace
}  // namespace kirvo
