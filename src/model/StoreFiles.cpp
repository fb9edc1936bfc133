#include "model/StoreFiles.h"

#include "data/Cp1252.h"
#include "data/FileOps.h"
#include "data/RecordFile.h"
#include "data/Records.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <sys/stat.h>

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

QString rememberedListProblem(const QString& name)
{
    auto problem = [&name](const QString& why) {
        // Control characters are shown as "?" so that the message stays one line.
        QString shown = name;
        for (QChar& c : shown) {
            if (c.category() == QChar::Other_Control)
                c = u'?';
        }
        return QCoreApplication::translate("model", "%1 names the list \"%2\", %3; %4 is used instead.")
            .arg(kNameFile, shown, why, kDefaultList);
    };
    for (QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return problem(QCoreApplication::translate("model", "which holds control characters"));
    }
    const QString fileName = QFileInfo(name).fileName();
    if (!fileName.endsWith(QLatin1String(".lst"), Qt::CaseInsensitive))
        return problem(QCoreApplication::translate("model", "which is not a .lst file"));
    if (fileName.startsWith(u'.'))
        return problem(QCoreApplication::translate("model", "which is a hidden file"));
    if (isOwnFileName(fileName) && fileName.compare(kDefaultList, Qt::CaseInsensitive) != 0)
        return problem(QCoreApplication::translate("model", "which is one of the program's own files"));
    if (name.split(u'/').contains(QStringLiteral("..")))
        return problem(QCoreApplication::translate("model", "which leads out of its folder"));
    if (name.contains(u'\\'))
        return problem(QCoreApplication::translate("model", "which is a Windows path"));
    if (!name.contains(u'/'))
        return {};
    if (!name.startsWith(u'/'))
        return problem(QCoreApplication::translate("model", "which is in no folder a list was opened from"));
    // A list chosen elsewhere was there when it was chosen; one that is gone is not made again.
    struct stat info;
    if (::stat(QFile::encodeName(name).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return problem(QCoreApplication::translate("model", "which is not there"));
    return {};
}

FileResult backUpProducts()
{
    FileResult opened;
    if (probeRecordCount<ProductRecord>(kDefaultProducts, &opened) == 0)
        return opened;
    // A backup that holds the products already is left as it is: reading both costs far
    // less than writing the copy and waiting for the disk. Products changed since the
    // backup was written are copied without that look.
    const QFileInfo products(kDefaultProducts);
    const QFileInfo backup(kStartupBackup);
    if (products.lastModified() <= backup.lastModified() && products.size() == backup.size() &&
        sameContents(kDefaultProducts, kStartupBackup))
        return FileResult::success();
    return copyFile(kDefaultProducts, kStartupBackup);
}

QString prepareFirstLoad(QStringList* errors)
{
    auto note = [errors](const FileResult& r) {
        if (!r.ok() && errors)
            errors->append(r.error);
    };
    FileResult opened;
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
    if (remembered.isEmpty())
        return kDefaultList;
    if (const QString problem = rememberedListProblem(remembered); !problem.isEmpty()) {
        if (errors)
            errors->append(problem);
        return kDefaultList;
    }
    return remembered;
}

namespace {

// Marks the records after the first as holding a name in UTF-8: no file name has a zero byte.
constexpr char kEncodedMark = '\0';
constexpr qsizetype kRecord = ListNameRecord::Length;

bool fitsCodePage(const QString& name)
{
    return !name.contains(QChar(0)) && cp1252::decode(cp1252::encode(name)) == name;
}

QByteArray paddedToRecords(QByteArray bytes)
{
    const qsizetype whole = (bytes.size() + kRecord - 1) / kRecord * kRecord;
    bytes.append(QByteArray(whole - bytes.size(), ' '));
    return bytes;
}

} // namespace

QByteArray rememberedListBytes(const QString& listFile)
{
    const QFileInfo info(listFile);
    const bool inWorkingFolder = info.absoluteDir() == QDir(QDir::currentPath());
    const QString name = inWorkingFolder ? info.fileName() : info.absoluteFilePath();

    if (!fitsCodePage(name)) {
        ListNameRecord first;
        first.set(ListNameRecord::listname, kDefaultList);
        QByteArray bytes(first.bytes.data(), kRecord);
        bytes.append(kEncodedMark);
        bytes.append(name.toUtf8().toPercentEncoding("/"));
        return paddedToRecords(bytes);
    }

    QByteArray bytes;
    qsizetype from = 0;
    do {
        ListNameRecord record;
        record.set(ListNameRecord::listname, QStringView(name).mid(from, kRecord));
        bytes.append(record.bytes.data(), kRecord);
        from += kRecord;
    } while (from < name.size());
    return bytes;
}

QString rememberedListFrom(const QByteArray& bytes)
{
    const qsizetype whole = bytes.size() / kRecord * kRecord;
    if (whole > kRecord && bytes[kRecord] == kEncodedMark) {
        const QString encoded = cp1252::decode(bytes.constData() + kRecord + 1, whole - kRecord - 1);
        const QString name = QString::fromUtf8(QByteArray::fromPercentEncoding(trimBlanks(encoded).toLatin1()));
        if (!name.isEmpty() && !name.contains(QChar(0)))
            return name;
        // Damaged: what an older edition would read.
        return trimBlanks(cp1252::decode(bytes.constData(), kRecord));
    }
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
    // is never offered for elimination. Only empty files go: a list that holds bytes, if
    // not a whole record, may be any file the user pointed the program at.
    if (productCount != 0 || itemCount != 0 || isSameFile(listFile, kDefaultList) || fileLength(listFile) != 0)
        return false;
    const QString products = ownProductFile(listFile);
    return isSameFile(products, kDefaultProducts) || fileLength(products) == 0;
}

FileResult eliminateStore(const QString& listFile, const QString& productFile)
{
    if (fileLength(listFile) != 0)
        return FileResult::failure(QStringLiteral("Deleting"), listFile,
                                   QCoreApplication::translate("model", "the file is not empty"));
    FileResult result = deleteFile(listFile);
    for (const QString& products : {productFile, ownProductFile(listFile)}) {
        if (result && !isSameFile(products, kDefaultProducts) && fileLength(products) == 0)
            result = deleteFile(products);
    }
    if (result)
        result = deleteFile(kNameFile);
    return result;
}

bool probeMergeFile(const QString& mergeFile)
{
    const int count = probeRecordCount<ProductRecord>(mergeFile);
    // The probe's own empty file goes again; one that cannot be removed does no harm. A
    // file that holds bytes (too few for a record, or too many to be read) is not the
    // probe's and stays.
    if (count == 0 && fileLength(mergeFile) == 0)
        (void)deleteFile(mergeFile);
    return count > 0;
}

} // namespace model
