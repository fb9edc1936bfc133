#include "HelpTexts.h"

namespace help {

QStringList helpRows(HelpSection section)
{
    if (section == HelpSection::MergeFiles)
        return {
            QStringLiteral("EXPORTING / IMPORTING THE MASTER LIST"),
            QString(),
            QStringLiteral("If you are comfortable handling files, you may wish to make use of this function."),
            QString(),
            QStringLiteral("THE PROBLEM:  As a convenience, you may sometimes use Pantrix at the office, for"),
            QStringLiteral("instance, and buy groceries on the way home.  You may sometimes find yourself"),
            QStringLiteral("ADDING new foods to the Product List at one location or the other, thereby needing"),
            QStringLiteral("to Update the list at the other location."),
            QString(),
            QStringLiteral("THE SOLUTION: Export the Product List.  This creates a .mrg file from the"),
            QStringLiteral("current data file.  Bring or send this file home and save it to the pantrix directory."),
            QStringLiteral("When Pantrix sees a matching '.mrg' file in the directory, it will enable Import"),
            QStringLiteral("on the menu, which will bring in any new items to the local Product List.  Pantrix"),
            QStringLiteral("will then delete the .mrg file."),
        };
    return {
        QStringLiteral("HOW TO USE THE CUSTOM LIST FEATURE...."),
        QString(),
        QStringLiteral("Create and save custom Product Lists (for recipes or any"),
        QStringLiteral("purpose whatsoever) for future use in creating a Shopping List."),
        QString(),
        QStringLiteral("To create a custom list...."),
        QStringLiteral("Select the required items on the Product List, then \"CREATE...\""),
        QStringLiteral("from the pull-down custom list menu.  Give your list a name"),
        QStringLiteral("and it will be saved for your use later on."),
        QString(),
        QStringLiteral("To import a custom list to the Shopping List...."),
        QStringLiteral("Use \"GET...\" to retrieve a custom list.  Click on the desired"),
        QStringLiteral("list name to view and select products for your Shopping List."),
        QStringLiteral("Any item found to be on the Shopping List already will not "),
        QStringLiteral("be duplicated."),
        QString(),
        QStringLiteral("The current shopping list may also be saved as a custom list."),
        QString(),
        QStringLiteral("\"DELETE...\" will remove a custom list from the file."),
        QStringLiteral("\"ADD...\" will place selected products on an existing custom list."),
        QStringLiteral("\"EDIT...\" will allow you to remove products from a custom list."),
    };
}

double helpFontSize(HelpSection section)
{
    return section == HelpSection::MergeFiles ? 9.0 : 0.0;
}

ui::PrintDocument helpPrintout(const QStringList& rows)
{
    ui::PrintDocument document(QStringLiteral("Help"));
    for (int i = 0; i < 3; ++i)
        document.endLine();
    for (const QString& row : rows)
        document.line(row);
    return document;
}

} // namespace help
