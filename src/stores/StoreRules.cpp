#include "StoreRules.h"

#include "data/Cp1252.h"
#include "data/FileOps.h"
#include "data/Records.h"
#include "model/StoreFiles.h"

#include <QFileInfo>
#include <QStringList>

namespace stores {

bool hasListExtension(const QString& fileName)
{
    return fileName.endsWith(QLatin1String("lst"), Qt::CaseInsensitive);
}

bool isOwnFileName(const QString& fileName)
{
    static const QStringList own = {
        QStringLiteral("grocery"), QStringLiteral("pantrecp"), QStringLiteral("pantlist"),
        QStringLiteral("pantlog"), QStringLiteral("pantnote"), QStringLiteral("pantnotes"),
        QStringLiteral("pantlpt"), QStringLiteral("namefile"), QStringLiteral("justincase"),
    };
    if (fileName.startsWith(u'.'))
        return true;
    const QString base = fileName.left(fileName.indexOf(u'.'));
    return own.contains(base, Qt::CaseInsensitive);
}

QString storeNameProblem(const QString& trimmedName)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    bool unfit = trimmedName.contains(QLatin1String(".."));
    for (QChar c : trimmedName)
        unfit = unfit || c.category() == QChar::Other_Control || forbidden.contains(c);
    // A character the code page lacks would be remembered as another one.
    unfit = unfit || data::cp1252::decode(data::cp1252::encode(trimmedName)) != trimmedName;
    if (!unfit)
        return isOwnFileName(trimmedName) ? QStringLiteral("\"%1\" would take the name of one of the program's own "
                                                           "files.  Choose another name.")
                                                .arg(trimmedName)
                                          : QString();
    return QStringLiteral("\"%1\" cannot be used as a file name.  Leave out / \\ : * ? \" < > | and \"..\", "
                          "then try again.")
        .arg(trimmedName);
}

QString openedListProblem(const QString& chosenPath)
{
    const QString fileName = QFileInfo(chosenPath).fileName();
    // The default list is the one own file that is a store; reached through the chooser its
    // products are grocery.dat as always.
    if (!isOwnFileName(fileName) || fileName.compare(model::kDefaultList, Qt::CaseInsensitive) == 0)
        return {};
    return QStringLiteral("\"%1\" is one of the program's own files, not a shopping list.").arg(fileName);
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
