#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace app {

Translations::Translations(const QLocale& locale)
{
    // Qt's catalogues come with the system's Qt (qt6-translations-l10n); Pantrix's own is
    // built into the program, so that it is found wherever the program runs from.
    if (qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
    programTranslated_ =
        program_.load(locale, QStringLiteral("pantrix"), QStringLiteral("_"), QStringLiteral(":/i18n"));
    if (programTranslated_)
        QCoreApplication::installTranslator(&program_);
}

} // namespace app
