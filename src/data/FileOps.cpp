#include "FileOps.h"

#include "FileFaults.h"
#include "PosixIo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace data {

namespace {

const QString kTemporaryMark = QStringLiteral(".pantrix-");
constexpr int kTemporarySuffix = 6;

// The file a replacement really writes: the target of a link (even a dangling one), so that
// a link a user made stays a link.
QString replacedPath(const QString& name)
{
    const QFileInfo info(name);
    if (!info.isSymLink())
        return name;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? info.symLinkTarget() : target;
}

QString temporarySuffix()
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < kTemporarySuffix; ++i)
        suffix += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
    return suffix;
}

// Creates a fresh temporary file beside path. The mode given is filtered by the umask, as
// for any new file.
int createTemporary(const QString& path, QString& temporary, int& fd)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path + kTemporaryMark + temporarySuffix();
        fd = ::open(QFile::encodeName(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return 0;
        if (errno != EEXIST && errno != EINTR)
            return errno;
    }
    return EEXIST;
}

// Makes the rename itself durable; a failure here loses nothing that is not already safe.
void syncFolderOf(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Fills the temporary file, flushes it and renames it into place: 0 or an error number.
int fillAndMove(int& fd, const QString& temporary, const QString& path, const QString& name,
                const std::function<int(int)>& fill)
{
    if (const int error = fill(fd))
        return error;
    if (const int fault = FileFaults::errorFor(FileStep::Flush, name))
        return fault;
    // Checked explicitly: a full disk often shows only when the data is pushed out.
    if (::fsync(fd) != 0)
        return errno;
    const int closed = ::close(fd);
    fd = -1; // released even when close reports an error
    if (closed != 0)
        return errno;
    if (const int fault = FileFaults::errorFor(FileStep::Rename, name))
        return fault;
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0)
        return errno;
    return 0;
}

// Replaces the named file by a temporary one beside it that fill(fd) writes.
FileResult replaceWith(const QString& name, const std::function<int(int)>& fill)
{
    const QString what = QStringLiteral("Writing");
    if (const int fault = FileFaults::errorFor(FileStep::Open, name))
        return io::failure(what, name, fault);
    const QString path = replacedPath(name);
    struct stat old;
    const bool exists = ::stat(QFile::encodeName(path).constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return io::failure(what, name, errno);
    if (exists && !S_ISREG(old.st_mode))
        return io::failure(what, name, io::kNotRegularFile);
    if (exists && ::access(QFile::encodeName(path).constData(), W_OK) != 0)
        return io::failure(what, name, errno);

    QString temporary;
    int fd = -1;
    if (const int error = createTemporary(path, temporary, fd))
        return io::failure(what, name, error);
    if (exists)
        ::fchmod(fd, old.st_mode & 07777);
    if (const int error = fillAndMove(fd, temporary, path, name, fill)) {
        io::closeQuietly(fd);
        ::unlink(QFile::encodeName(temporary).constData());
        return io::failure(what, name, error);
    }
    syncFolderOf(path);
    return FileResult::success();
}

} // namespace

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
    return replaceWith(name, [&](int fd) { return io::writeAt(fd, content.constData(), content.size(), 0, name); });
}

FileResult tooLarge(const QString& name, qint64 length, qint64 largest)
{
    return FileResult::failure(
        QStringLiteral("Reading"), name,
        QStringLiteral("the file is larger than it can be (%1 bytes; at most %2)").arg(length).arg(largest));
}

FileBytes readFileBytes(const QString& name, qint64 largest)
{
    FileBytes out;
    int fd = -1;
    if (const int error = io::openRegular(name, O_RDONLY, fd)) {
        if (error != ENOENT)
            out.result = io::failure(QStringLiteral("Reading"), name, error);
        return out;
    }
    const qint64 length = io::lengthOf(fd);
    if (length > largest) {
        io::closeQuietly(fd);
        out.result = tooLarge(name, length, largest);
        return out;
    }
    out.bytes.resize(qMax<qint64>(length, 0));
    qint64 got = 0;
    if (const int error = io::readAt(fd, out.bytes.data(), out.bytes.size(), 0, got)) {
        out.bytes.clear();
        out.result = io::failure(QStringLiteral("Reading"), name, error);
    } else {
        out.bytes.truncate(got);
    }
    io::closeQuietly(fd);
    return out;
}

FileResult copyFile(const QString& from, const QString& to, qint64 largest)
{
    // The bytes go from file to file without passing through the program's memory: a
    // backup of a large product file costs no copy of it here.
    int source = -1;
    if (const int error = io::openRegular(from, O_RDONLY, source)) {
        if (error != ENOENT)
            return io::failure(QStringLiteral("Reading"), from, error);
        return replaceFileSafely(to, {}); // as an empty file reads
    }
    const qint64 length = qMax<qint64>(io::lengthOf(source), 0);
    if (length > largest) {
        io::closeQuietly(source);
        return tooLarge(from, length, largest);
    }
    const FileResult copied = replaceWith(to, [&](int fd) { return io::copyAll(source, fd, length, to); });
    io::closeQuietly(source);
    return copied;
}

Temporary createTemporaryBeside(const QString& target)
{
    Temporary out;
    if (const int fault = FileFaults::errorFor(FileStep::Open, target)) {
        out.result = io::failure(QStringLiteral("Writing"), target, fault);
        return out;
    }
    int fd = -1;
    if (const int error = createTemporary(replacedPath(target), out.name, fd)) {
        out.name.clear();
        out.result = io::failure(QStringLiteral("Writing"), target, error);
        return out;
    }
    io::closeQuietly(fd);
    return out;
}

FileResult moveTemporaryInPlace(const QString& temporary, const QString& target)
{
    int fd = -1;
    int error = io::openRegular(temporary, O_WRONLY, fd);
    if (error == 0)
        error = fillAndMove(fd, temporary, replacedPath(target), target, [](int) { return 0; });
    if (error != 0) {
        io::closeQuietly(fd);
        ::unlink(QFile::encodeName(temporary).constData());
        return io::failure(QStringLiteral("Writing"), target, error);
    }
    syncFolderOf(replacedPath(target));
    return FileResult::success();
}

bool sameContents(const QString& first, const QString& second)
{
    int a = -1;
    int b = -1;
    if (io::openRegular(first, O_RDONLY, a) != 0)
        return false;
    bool same = io::openRegular(second, O_RDONLY, b) == 0 && io::lengthOf(a) == io::lengthOf(b);
    const qint64 length = io::lengthOf(a);
    std::vector<char> pieces(2 * 64 * 1024);
    char* const pa = pieces.data();
    char* const pb = pa + 64 * 1024;
    for (qint64 offset = 0; same && offset < length; offset += 64 * 1024) {
        const qint64 wanted = std::min<qint64>(64 * 1024, length - offset);
        qint64 gotA = 0;
        qint64 gotB = 0;
        same = io::readAt(a, pa, wanted, offset, gotA) == 0 && io::readAt(b, pb, wanted, offset, gotB) == 0 &&
               gotA == wanted && gotB == wanted && std::memcmp(pa, pb, size_t(wanted)) == 0;
    }
    io::closeQuietly(a);
    if (b >= 0)
        io::closeQuietly(b);
    return same;
}

bool isSafeReplaceTemporary(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^.+\\.pantrix-[A-Za-z0-9]{%1}$").arg(kTemporarySuffix));
    return pattern.match(fileName).hasMatch();
}

int removeStaleTemporaries()
{
    int removed = 0;
    const QDir folder = QDir::current();
    for (const QString& entry : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!isSafeReplaceTemporary(entry))
            continue;
        // Only plain files: a link or anything else by such a name is not ours.
        struct stat info;
        const QByteArray path = QFile::encodeName(folder.filePath(entry));
        if (::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode) && ::unlink(path.constData()) == 0)
            ++removed;
    }
    return removed;
}

} // namespace data
