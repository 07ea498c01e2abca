#include "diagnostics/DialogText.h"

namespace kirvo {

QString DialogText(const Translator& translator, LangSection section, const char* key, const char* english)
{
    return QString::fromStdString(translator.TextOr(section, key, english));
}

}  // namespace kirvo
