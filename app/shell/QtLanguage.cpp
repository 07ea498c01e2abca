#include "shell/QtLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace kirvo {

void QtLanguage::Follow(const Translator& translator)
{
    if (installed_)
        QCoreApplication::removeTranslator(&translator_);
    installed_ = false;
    const QString locale = QString::fromStdString(translator.Text(LangSection::LanguageInfo, "locale"));
    if (locale.isEmpty() || locale == "locale" || locale == "en")
        return;
    if (translator_.load("qtbase_" + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installed_ = QCoreApplication::installTranslator(&translator_);
}

}  // namespace kirvo
