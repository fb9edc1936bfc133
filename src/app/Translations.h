#pragma once

#include <QLocale>
#include <QTranslator>

namespace app {

// Qt's own texts (standard buttons, file chooser, print dialog) and Pantrix's in the language
// of the locale, installed in the application for as long as the object lives. A language
// without a catalogue leaves the texts in English.
class Translations
{
public:
    explicit Translations(const QLocale& locale = QLocale::system());
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Whether Pantrix's own catalogue for the language was found.
    bool programTranslated() const { return programTranslated_; }

private:
    // A translator takes itself out of the application when it is destroyed.
    QTranslator qt_;
    QTranslator program_;
    bool programTranslated_ = false;
};

} // namespace app
