// What Qt draws by itself — the buttons and labels of its standard dialogs — in the game's
// language: Qt's own translation for the language's locale (the "locale" entry of its language
// file), from the translations the system keeps for Qt.
#pragma once

#include <QTranslator>

#include "settings/Translation.h"

namespace kirvo {

class QtLanguage {
public:
    // Installs Qt's translation for the translator's language, or none for English or a locale
    // Qt has no translation for.
    void Follow(const Translator& translator);

private:
    QTranslator translator_;
    bool installed_ = false;
};

}  // namespace kirvo
