#include "session/OptionsChoices.h"

#include "base/Folders.h"
#include "settings/LanguageFile.h"

namespace kirvo {

namespace {

// A schema as the dialog shows it: a mouse choice for each action and the two play switches.
struct SchemaKeys {
    std::array<int, kPlayActionCount> assignments;
    bool singleWindow;
    bool clickToDrag;
};

// Standard: Right + Ctrl, Left + Ctrl, Right, both switches off (the settings' defaults).
constexpr SchemaKeys kStandard {{5, 1, 3}, false, false};
// Simple: Right, Right + Ctrl, Left + Ctrl, both switches on.
constexpr SchemaKeys kSimple {{3, 5, 1}, true, true};

int MouseChoiceOf(uint8_t button, uint8_t shift)
{
    for (int i = 0; i < int(kMouseChoices.size()); ++i)
        if (kMouseChoices[size_t(i)].button == button && kMouseChoices[size_t(i)].shift == shift)
            return i;
    return kNoMouseChoice;
}

bool Holds(const OptionsChoices& choices, const SchemaKeys& schema)
{
    return choices.assignments == schema.assignments && choices.singleWindow == schema.singleWindow
        && choices.clickToDrag == schema.clickToDrag;
}

}  // namespace

OptionsChoices FillOptions(const Settings& settings)
{
    const MouseBindings& keys = settings.PlayKeys;
    return {
        .autoSave = settings.AutoSave_bEnabled,
        .autoSaveMinutes = settings.AutoSave_iIntervalMin,
        .sound = settings.CB_SoundPlay,
        .assignments = {MouseChoiceOf(keys.RotCW_Button, keys.RotCW_Shift),
                        MouseChoiceOf(keys.RotCCW_Button, keys.RotCCW_Shift),
                        MouseChoiceOf(keys.MoveOW_Button, keys.MoveOW_Shift)},
        .singleWindow = keys.bSingleWin,
        .clickToDrag = keys.bClickToDrag,
        .stuckKoef = settings.iStuckKoef,
        .embossStyle = settings.EmbossStyle >= 0 && settings.EmbossStyle <= 2 ? settings.EmbossStyle : 3,
        .woodStyle = settings.WoodStyle == 0 || settings.WoodStyle == 1 ? settings.WoodStyle : 2,
        .woodColor = settings.WoodColor,
        .showJoin = settings.CB_VisualShowJoin,
        .language = settings.sCurLang,
        .downloadServer = settings.sDnSrc,
        .useSecure = settings.bUseSecure,
        .secureMethod = settings.iSecureMethodInd,
        .thumbnailsPath = settings.thumbnailsPath,
        .siteJigsawsFolder = settings.siteJigsawsFolder,
    };
}

PlaySchema RecogniseSchema(const OptionsChoices& choices)
{
    if (Holds(choices, kStandard))
        return PlaySchema::Standard;
    if (Holds(choices, kSimple))
        return PlaySchema::Simple;
    return PlaySchema::Other;
}

void ChooseSchema(OptionsChoices& choices, PlaySchema schema)
{
    if (schema == PlaySchema::Other)
        return;
    const SchemaKeys& keys = schema == PlaySchema::Standard ? kStandard : kSimple;
    choices.assignments = keys.assignments;
    choices.singleWindow = keys.singleWindow;
    choices.clickToDrag = keys.clickToDrag;
}

OptionsProblem CheckOptions(const OptionsChoices& choices, const std::string& languageFolder)
{
    const std::array<int, kPlayActionCount>& a = choices.assignments;
    for (int i = 0; i < kPlayActionCount; ++i)
        for (int j = i + 1; j < kPlayActionCount; ++j)
            if (a[size_t(i)] != kNoMouseChoice && a[size_t(i)] == a[size_t(j)])
                return OptionsProblem::KeysClash;
    if (!FileExists(LangFilePath(languageFolder, choices.language)))
        return OptionsProblem::MissingLanguage;
    return OptionsProblem::None;
}

}  // namespace kirvo
