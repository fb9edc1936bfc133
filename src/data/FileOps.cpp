#include "FileOps.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace data {

FileResult FileResult::failure(const QString& what, const QString& fileName, const QString& reason)
{
    return {QStringLiteral("%1 %2 failed: %3").arg(what, fileName, reason)};
}

bool fileExists(const QString& name)
{
    return QFileInfo::exists(name);
}

qint64 fileLength(const QString& name)
{
    const QFileInfo info(name);
    return info.exists() ? info.size() : 0;
}

FileResult deleteFile(const QString& name)
{
    QFile file(name);
    if (!file.exists() || file.remove())
        return FileResult::success();
    return FileResult::failure(QStringLiteral("Deleting"), name, file.errorString());
}

FileResult replaceFileSafely(const QString& name, const QByteArray& content)
{
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        return FileResult::failure(QStringLiteral("Writing"), name, file.errorString());
    if (file.write(content) != content.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return FileResult::failure(QStringLiteral("Writing"), name, reason);
    }
    // commit() flushes, syncs to disk and renames over the old file.
    if (!file.commit())
        return FileResult::failure(QStringLiteral("Writing"), name, file.errorString());
    return FileResult::success();
}

QByteArray readFileBytes(const QString& name, QString* error)
{
    QFile file(name);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = FileResult::failure(QStringLiteral("Reading"), name, file.errorString()).error;
        return {};
    }
    return file.readAll();
}

FileResult copyFile(const QString& from, const QString& to)
{
    QString error;
    const QByteArray content = readFileBytes(from, &error);
    if (!error.isEmpty())
        return {error};
    return replaceFileSafely(to, content);
}

void setArchiveAttribute(const QString&) {}

} // namespace data
