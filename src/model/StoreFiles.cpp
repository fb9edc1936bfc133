#include "model/StoreFiles.h"

#include "data/FileOps.h"
#include "data/RecordFile.h"
#include "data/Records.h"

#include <QDir>
#include <QFileInfo>

namespace model {

using namespace data;

namespace {

QString samePlace(const QString& name)
{
    return QFileInfo(name).absoluteFilePath();
}

} // namespace

bool isSameFile(const QString& a, const QString& b)
{
    return samePlace(a).compare(samePlace(b), Qt::CaseInsensitive) == 0;
}

QString storeBaseName(const QString& fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.indexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

QString storeStem(const QString& fileName)
{
    const qsizetype slash = fileName.lastIndexOf(u'/');
    const qsizetype dot = fileName.indexOf(u'.', slash + 1);
    return dot < 0 ? fileName : fileName.left(dot);
}

QString ownProductFile(const QString& listFile)
{
    if (listFile == kDefaultList)
        return kDefaultProducts;
    return storeStem(listFile) + QStringLiteral(".dat");
}

QString mergeFileFor(const QString& productFile)
{
    return storeStem(productFile) + QStringLiteral(".mrg");
}

QString prepareFirstLoad(QStringList* errors)
{
    auto note = [errors](const FileResult& r) {
        if (!r.ok() && errors)
            errors->append(r.error);
    };
    FileResult opened;
    if (probeRecordCount<ProductRecord>(kDefaultProducts, &opened) > 0)
        note(copyFile(kDefaultProducts, kStartupBackup));
    note(opened);

    if (probeRecordCount<ShoppingItemRecord>(kLegacyList, &opened) > 0) {
        const FileResult copied = copyFile(kLegacyList, kDefaultList);
        note(copied);
        if (copied)
            note(deleteFile(kLegacyList));
        return kDefaultList;
    }
    note(opened);

    RecordFile<ListNameRecord> names;
    note(names.open(kNameFile));
    const QString remembered = rememberedListFrom(names.readAllBytes());
    return remembered.isEmpty() ? kDefaultList : remembered;
}

QByteArray rememberedListBytes(const QString& listFile)
{
    const QFileInfo info(listFile);
    const bool inWorkingFolder = info.absoluteDir() == QDir(QDir::currentPath());
    const QString name = inWorkingFolder ? info.fileName() : info.absoluteFilePath();

    QByteArray bytes;
    qsizetype from = 0;
    do {
        ListNameRecord record;
        record.set(ListNameRecord::listname, QStringView(name).mid(from, ListNameRecord::Length));
        bytes.append(record.bytes.data(), ListNameRecord::Length);
        from += ListNameRecord::Length;
    } while (from < name.size());
    return bytes;
}

QString rememberedListFrom(const QByteArray& bytes)
{
    QString name;
    for (const ListNameRecord& record : recordsFromBytes<ListNameRecord>(bytes))
        name += record.get(ListNameRecord::listname);
    return trimBlanks(name);
}

FileResult rememberList(const QString& listFile)
{
    return replaceFileSafely(kNameFile, rememberedListBytes(listFile));
}

bool storeIsEliminable(int productCount, int itemCount, const QString& listFile)
{
    // Compared as files, not as text, so the default list reached through a full path
    // is never offered for elimination.
    return productCount == 0 && itemCount == 0 && !isSameFile(listFile, kDefaultList);
}

FileResult eliminateStore(const QString& listFile, const QString& productFile)
{
    FileResult result = deleteFile(listFile);
    for (const QString& products : {productFile, ownProductFile(listFile)}) {
        if (result && !isSameFile(products, kDefaultProducts) && fileLength(products) < ProductRecord::Length)
            result = deleteFile(products);
    }
    if (result)
        result = deleteFile(kNameFile);
    return result;
}

bool probeMergeFile(const QString& mergeFile)
{
    const int count = probeRecordCount<ProductRecord>(mergeFile);
    // The probe's own empty file goes again; one that cannot be removed does no harm.
    if (count == 0)
        (void)deleteFile(mergeFile);
    return count > 0;
}

} // namespace model
