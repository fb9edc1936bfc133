#include "StoreRules.h"

#include "data/Cp1252.h"
#include "data/FileOps.h"
#include "data/Records.h"
#include "model/StoreFiles.h"

namespace stores {

bool hasListExtension(const QString& fileName)
{
    return fileName.endsWith(QLatin1String("lst"), Qt::CaseInsensitive);
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
        return {};
    return QStringLiteral("\"%1\" cannot be used as a file name.  Leave out / \\ : * ? \" < > | and \"..\", "
                          "then try again.")
        .arg(trimmedName);
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
