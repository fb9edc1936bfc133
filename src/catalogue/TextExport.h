#pragma once

#include "TextExportRules.h"

#include <QObject>

#include <functional>

namespace model {
class ListViews;
}
namespace ui {
class Dialogs;
}

namespace catalogue {

// Asks for the name of a text file until the rule accepts it (a refused name is answered
// with the refusal text and asked for again). Empty when the user gave up.
QString askExportName(ui::Dialogs& dialogs, const QString& prompt, const QString& defaultAnswer,
                      const std::function<ExportName(const QString&)>& rule, const QString& refusal);
// Asks the question (OK/Cancel) and on OK writes the lines to the file; a file that cannot
// be written is reported with its name.
void writeTextExport(ui::Dialogs& dialogs, const QString& question, const QString& fileName, const QStringList& lines);

// Saving the Shopping List as a text file, from the File menu and the "Text" button, and
// copying it as that text.
class TextExport : public QObject
{
    Q_OBJECT

public:
    TextExport(ui::Dialogs& dialogs, model::ListViews& views, QObject* parent = nullptr);

    void exportShoppingList();
    // The same lines as the text file, put on the clipboard.
    void copyShoppingList();

private:
    ui::Dialogs& dialogs_;
    model::ListViews& views_;
};

} // namespace catalogue
