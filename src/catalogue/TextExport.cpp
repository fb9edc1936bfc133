#include "TextExport.h"

#include "data/FileOps.h"
#include "model/ListViews.h"
#include "ui/BusyCursor.h"
#include "ui/Dialogs.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

namespace catalogue {

QString askExportName(ui::Dialogs& dialogs, const QString& prompt, const QString& defaultAnswer,
                      const std::function<ExportName(const QString&)>& rule, const QString& refusal)
{
    for (;;) {
        const ExportName name = rule(dialogs.input(prompt, ui::Title::application(), defaultAnswer));
        switch (name.outcome) {
        case ExportName::Outcome::Cancelled:
            return {};
        case ExportName::Outcome::Accepted:
            return name.fileName;
        case ExportName::Outcome::Refused:
            dialogs.tell(refusal);
            break;
        }
    }
}

void writeTextExport(ui::Dialogs& dialogs, const QString& question, const QString& fileName, const QStringList& lines)
{
    if (dialogs.ask(question, ui::Title::own(QCoreApplication::translate("catalogue::TextExport", "Export ascii")),
                    ui::Buttons::OkCancel, ui::Icon::Exclamation) != ui::Answer::Ok)
        return;
    data::FileResult written;
    {
        const ui::BusyCursor busy;
        written = data::replaceFileSafely(fileName, textFileBytes(lines));
    }
    dialogs.reportFailure(written);
}

TextExport::TextExport(ui::Dialogs& dialogs, model::ListViews& views, QObject* parent)
    : QObject(parent)
    , dialogs_(dialogs)
    , views_(views)
{
}

void TextExport::exportShoppingList()
{
    const QStringList rows = views_.shoppingRows();
    if (rows.isEmpty()) {
        dialogs_.tell(tr("Nothing to save"), ui::Title::none());
        return;
    }
    const QString name =
        askExportName(dialogs_,
                      // The folder named is the one the file really goes to.
                      tr("Enter a name for this list file.\r\n"
                         "   (Note: enter a full path if you wish to place the file somewhere other than %1)")
                          .arg(QDir::toNativeSeparators(QDir::currentPath())),
                      QString(), listExportName, tr("Do not enter an extension"));
    if (name.isEmpty())
        return;
    writeTextExport(dialogs_, tr("This will create the text file ") + name, name,
                    shoppingListExportLines(rows, views_.shoppingTotal(), QDate::currentDate()));
}

void TextExport::copyShoppingList()
{
    const QStringList rows = views_.shoppingRows();
    if (rows.isEmpty())
        return;
    const QStringList lines = shoppingListExportLines(rows, views_.shoppingTotal(), QDate::currentDate());
    QGuiApplication::clipboard()->setText(lines.join(u'\n') + u'\n');
}

} // namespace catalogue
