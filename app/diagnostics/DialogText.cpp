#include "diagnostics/DialogText.h"

namespace kirvo {

QString DialogText(LangSection section, const char* key, const char* english)
{
    const std::string text = LangTextBr(section, key);
    return QString::fromStdString(text.empty() || text == key ? english : text);
}

}  // namespace kirvo
