#include "diagnostics/StyleNames.h"

#include "diagnostics/DialogText.h"

namespace kirvo {

namespace {

struct StyleName {
    const char* key;
    const char* english;
};

constexpr StyleName kShapeNames[] = {
    {"Shapes0", "Classic knobs"},      {"Shapes1", "Even knobs"},         {"Shapes2", "Fancy knobs"},
    {"Shapes3", "With picture pieces"}, {"Shapes4", "Grid, simple knobs"}, {"Shapes5", "Grid, mixed knobs"},
    {"Shapes6", "Grid, varied knobs"},
};
constexpr StyleName kBorderNames[] = {{"Borders0", "Without frame"}, {"Borders1", "With frame"}};

template <size_t N>
QString StyleText(const Translator& translator, const StyleName (&names)[N], int style)
{
    if (style < 0 || style >= int(N))
        return {};
    return DialogText(translator, LangSection::LoadSave, names[style].key, names[style].english);
}

}  // namespace

QString ShapeStyleText(const Translator& translator, int style) { return StyleText(translator, kShapeNames, style); }

QString BorderStyleText(const Translator& translator, int style) { return StyleText(translator, kBorderNames, style); }

}  // namespace kirvo
