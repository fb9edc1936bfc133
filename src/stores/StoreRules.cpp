#include "StoreRules.h"

#include "data/Cp1252.h"
#include "data/FileOps.h"
#include "data/Records.h"
#include "model/StoreFiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace stores {

bool hasListExtension(const QString& fileName)
{
    return fileName.endsWith(QLatin1String("lst"), Qt::CaseInsensitive);
}

QString storeNameProblem(const QString& trimmedName)
{
    const QString refused =
        QCoreApplication::translate("stores", "\"%1\" cannot be used as a file name.  ").arg(trimmedName);
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    bool unfit = trimmedName.contains(QLatin1String(".."));
    for (QChar c : trimmedName)
        unfit = unfit || c.category() == QChar::Other_Control || forbidden.contains(c);
    if (unfit)
        return refused +
               QCoreApplication::translate("stores", "Leave out / \\ : * ? \" < > | and \"..\", then try again.");
    // A character the code page lacks would be remembered as another one.
    QString lacking;
    for (const char32_t code : trimmedName.toUcs4()) {
        const QString c = QString::fromUcs4(&code, 1);
        if (data::cp1252::decode(data::cp1252::encode(c)) != c && !lacking.contains(c))
            lacking += c;
    }
    if (!lacking.isEmpty())
        return refused + QCoreApplication::translate(
                             "stores", "The list files cannot keep %1.  Use other letters, then try again.")
                             .arg(lacking.toUcs4().size() == 1
                                      ? lacking
                                      : QCoreApplication::translate("stores", "the characters ") + lacking);
    if (trimmedName.startsWith(u'.'))
        return refused + QCoreApplication::translate(
                             "stores", "A name starting with \".\" makes a hidden file.  Choose another name.");
    if (model::isOwnFileName(trimmedName))
        return QCoreApplication::translate(
                   "stores", "\"%1\" would take the name of one of the program's own files.  Choose another name.")
            .arg(trimmedName);
    return {};
}

QString openedListProblem(const QString& chosenPath)
{
    const QString fileName = QFileInfo(chosenPath).fileName();
    // The default list is the one own file that is a store; reached through the chooser its
    // products are grocery.dat as always.
    if (!model::isOwnFileName(fileName) || fileName.compare(model::kDefaultList, Qt::CaseInsensitive) == 0)
        return {};
    if (fileName.startsWith(u'.'))
        return QCoreApplication::translate("stores", "\"%1\" is a hidden file, not a shopping list.").arg(fileName);
    return QCoreApplication::translate("stores", "\"%1\" is one of the program's own files, not a shopping list.")
        .arg(fileName);
}

QString newListFile(const QString& trimmedName)
{
    return trimmedName + QStringLiteral(".lst");
}

QString newProductFile(const QString& listFile)
{
    return model::storeStem(listFile) + QStringLiteral(".dat");
}

bool listHoldsRecords(const QString& listFile)
{
    return data::fileLength(listFile) >= data::ShoppingItemRecord::Length;
}

} // namespace stores
