#pragma once

#include <QObject>
#include <QString>

#include <optional>

namespace model {
class ListViews;
struct SharedState;
} // namespace model
namespace ui {
class Dialogs;
}

namespace catalogue {

struct CategoryRename
{
    QString oldName; // the box's text, trimmed
    QString newName; // the answer with its words capitalized
};

// Asks for the new name of the category a box shows and for the confirmation. Nothing
// when the user cancels, answers nothing or gives the old name unchanged.
std::optional<CategoryRename> askCategoryRename(ui::Dialogs& dialogs, const QString& boxText);

// The main window's category commands: "Rename category" and "C > T".
class CategoryCommands : public QObject
{
    Q_OBJECT

public:
    CategoryCommands(model::SharedState& state, ui::Dialogs& dialogs, model::ListViews& views,
                     QObject* parent = nullptr);

    // Renames the category shown in the category box in every product and in the
    // Shopping List, then refills the box and the lists, still showing that category.
    void RenameCategory();
    // Saves the category box's entries (All left out) as a text file.
    void exportCategories();

private:
    model::SharedState& state_;
    ui::Dialogs& dialogs_;
    model::ListViews& views_;
};

} // namespace catalogue
