#include "TextExport.h"

#include "data/FileOps.h"
#include "ui/BusyCursor.h"
#include "ui/Dialogs.h"
#include "ui_pantrix1.h"

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
    if (dialogs.ask(question, ui::Title::own(QStringLiteral("Export ascii")), ui::Buttons::OkCancel,
                    ui::Icon::Exclamation) != ui::Answer::Ok)
        return;
    data::FileResult written;
    {
        const ui::BusyCursor busy;
        written = data::replaceFileSafely(fileName, textFileBytes(lines));
    }
    dialogs.reportFailure(written);
}

TextExport::TextExport(Ui::pantrix1& form, ui::Dialogs& dialogs, QObject* parent)
    : QObject(parent)
    , form_(form)
    , dialogs_(dialogs)
{
    connect(form_.printtext, &QAction::triggered, this, &TextExport::exportShoppingList);
    connect(form_.printtextcmd, &QToolButton::clicked, this, &TextExport::exportShoppingList);
}

void TextExport::exportShoppingList()
{
    if (form_.List2->count() == 0) {
        dialogs_.tell(QStringLiteral("Nothing to save"), ui::Title::none());
        return;
    }
    const QString name = askExportName(
        dialogs_,
        QStringLiteral("Enter a name for this list file.\r\n"
                       "   (Note: enter a full path if you wish to place the file somewhere other than c:\\pantrix)"),
        QString(), listExportName, QStringLiteral("Do not enter an extension"));
    if (name.isEmpty())
        return;
    QStringList rows;
    for (int i = 0; i < form_.List2->count(); ++i)
        rows.append(form_.List2->item(i)->text());
    writeTextExport(dialogs_, QStringLiteral("This will create the text file ") + name, name,
                    shoppingListExportLines(rows, form_.tabtxt->text(), QDate::currentDate()));
}

} // namespace catalogue
