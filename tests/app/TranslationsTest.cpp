#include "app/Translations.h"
#include "support/MainWindowFixture.h"

#include <QMenuBar>

namespace {

QStringList menuTitles(const QMainWindow& window)
{
    QStringList titles;
    for (const QAction* menu : window.menuBar()->actions())
        titles << menu->text();
    return titles;
}

} // namespace

// A German desktop gets the German catalogue built into the program, and Qt's own for the
// standard buttons; without a translator every text is the English one.
TEST_F(MainWindowTest, TextsFollowTheDesktopLanguage)
{
    {
        const app::Translations german(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_TRUE(german.programTranslated());
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja");
        start();
        EXPECT_EQ(menuTitles(*window),
                  (QStringList{"&Datei", "&Import/Export", "&Eigene Listen", "Fil&ter", "&Ausgabenbuch", "&Hilfe"}));
        EXPECT_EQ(text("productlist"), "Produktliste");
        dialogs.ok("Einen Eintrag auswählen!", ui::Title::own("Hinzufügen..."));
        key(Qt::Key_F2);
        window.reset();
    }
    start();
    EXPECT_EQ(menuTitles(*window),
              (QStringList{"&File", "&Import/export", "&Custom lists", "Fil&ters", "&Log", "&Help"}));
}
