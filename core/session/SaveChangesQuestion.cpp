#include "session/SaveChangesQuestion.h"

#include "base/Folders.h"

namespace kirvo {

Proceed AskSaveChanges(bool changed, FILE_NAMES& names, const Translator& translator, const MessageSink& messages,
                       SaveChangesHost& host)
{
    if (!changed)
        return Proceed::GoOn;
    std::string question = translator.Text(LangSection::MainForm, "Q_SaveChanges");
    switch (Tell(messages, question, MessageButtons::YesNoCancel, MessageIcon::Question)) {
    case MessageAnswer::No: return Proceed::GoOn;
    case MessageAnswer::Yes: break;
    default: return Proceed::Stop;
    }
    if (SameNameIgnoringCase(names.sSolve, names.autosaveFile))
        names.sSolve.clear();
    if (names.sSolve.empty()) {
        std::optional<std::string> chosen = host.ChooseSaveName();
        if (!chosen)
            return Proceed::Stop;
        names.sSolve = *chosen;
    }
    return host.SaveGame(names.sSolve) ? Proceed::GoOn : Proceed::Stop;
}

}  // namespace kirvo
