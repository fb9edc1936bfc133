#include "CategoryCommands.h"

#include "CategoryRules.h"
#include "ProductRules.h"
#include "TextExport.h"
#include "data/FixedField.h"
#include "model/ListViews.h"
#include "model/SharedState.h"
#include "ui/Dialogs.h"

#include <QCoreApplication>

namespace catalogue {

std::optional<CategoryRename> askCategoryRename(ui::Dialogs& dialogs, const QString& boxText)
{
    const QString oldName = data::trimBlanks(boxText);
    const QString answer =
        dialogs.input(QCoreApplication::translate("catalogue::CategoryCommands", "Type a name to replace ") + boxText,
                      ui::Title::application(), boxText);
    if (answer.isEmpty() || answer == oldName)
        return std::nullopt;
    const QString newName = CapitalizeWords(answer);
    if (dialogs.ask(QCoreApplication::translate("catalogue::CategoryCommands", "Change all %1 records to %2?")
                        .arg(oldName, newName),
                    ui::Title::own(QCoreApplication::translate("catalogue::CategoryCommands", "Confirm...")),
                    ui::Buttons::OkCancel, ui::Icon::Question) != ui::Answer::Ok)
        return std::nullopt;
    return CategoryRename{oldName, newName};
}

CategoryCommands::CategoryCommands(model::SharedState& state, ui::Dialogs& dialogs, model::ListViews& views,
                                   QObject* parent)
    : QObject(parent)
    , state_(state)
    , dialogs_(dialogs)
    , views_(views)
{
}

void CategoryCommands::RenameCategory()
{
    // Offered only while one category is shown (never for All).
    if (state_.CategoryFilter.isAll())
        return;
    const std::optional<CategoryRename> rename = askCategoryRename(dialogs_, state_.CategoryFilter.category());
    if (!rename)
        return;
    const data::FileResult renamed = renameCategory(state_, rename->oldName, rename->newName);
    // The category being viewed stays in view under its new name, so that the box, the list
    // and its caption agree; the Shopping List shows the new name in category order.
    if (state_.CategoryFilter.category().compare(rename->oldName, Qt::CaseInsensitive) == 0)
        state_.CategoryFilter = model::CategoryFilter::only(data::trimBlanks(rename->newName));
    views_.RebuildCategories();
    views_.RebuildProductList();
    views_.RebuildShoppingList();
    if (dialogs_.reportFailure(renamed))
        return;
    dialogs_.tell(tr("Category changed"), ui::Title::none());
}

void CategoryCommands::exportCategories()
{
    const QStringList box = views_.categories();
    if (box.isEmpty()) {
        dialogs_.tell(tr("Nothing to save"), ui::Title::none());
        return;
    }
    const QString name = askExportName(dialogs_, tr("Enter a name for this list file"), QStringLiteral(".txt"),
                                       categoryExportName, tr("Bad file Name"));
    if (name.isEmpty())
        return;
    QStringList categories;
    for (qsizetype i = 1; i < box.size(); ++i)
        categories.append(box[i]);
    writeTextExport(dialogs_, tr("This will create a text file named %1 in your Pantrix folder.").arg(name), name,
                    categoryExportLines(categories, QDate::currentDate()));
}

} // namespace catalogue
