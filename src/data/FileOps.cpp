#include "FileOps.h"

#include "FileFaults.h"
#include "PosixIo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringList>

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

// The kinds of file the program keeps in its folder: record files and lists (.dat, .lst),
// backups (.bak, .sav, .old) and print settings (.cfg).
bool isProgramFileName(const QString& name)
{
    static const QStringList extensions = {
        QStringLiteral(".dat"), QStringLiteral(".lst"), QStringLiteral(".bak"),
        QStringLiteral(".sav"), QStringLiteral(".old"), QStringLiteral(".cfg"),
    };
    return std::any_of(extensions.begin(), extensions.end(), [&name](const QString& e) {
        return name.endsWith(e, Qt::CaseInsensitive) && name.size() > e.size();
    });
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

// A replacement's content, complete and on the disk, waiting beside the file it replaces.
struct Prepared
{
    QString name;      // as the caller named the file, for messages and the seam
    QString path;      // the file really replaced (a link's target)
    QString temporary; // empty when nothing was prepared
    bool existed = false;
};

// Writes the content fill(fd) produces to a temporary file beside the named one and pushes
// it to the disk; the named file is not touched. On failure no temporary is left.
FileResult prepare(const QString& name, const std::function<int(int)>& fill, Prepared& out)
{
    const QString what = QStringLiteral("Writing");
    if (const int fault = FileFaults::errorFor(FileStep::Open, name))
        return io::failure(what, name, fault);
    out.name = name;
    out.path = replacedPath(name);
    struct stat old;
    out.existed = ::stat(QFile::encodeName(out.path).constData(), &old) == 0;
    if (!out.existed && errno != ENOENT)
        return io::failure(what, name, errno);
    if (out.existed && !S_ISREG(old.st_mode))
        return io::failure(what, name, io::kNotRegularFile);
    if (out.existed && ::access(QFile::encodeName(out.path).constData(), W_OK) != 0)
        return io::failure(what, name, errno);

    int fd = -1;
    if (const int error = createTemporary(out.path, out.temporary, fd)) {
        out.temporary.clear();
        return io::failure(what, name, error);
    }
    if (out.existed)
        ::fchmod(fd, old.st_mode & 07777);
    int error = fill(fd);
    // Checked explicitly: a full disk often shows only when the data is pushed out.
    if (error == 0)
        error = io::syncToDisk(fd, name);
    const int closed = ::close(fd); // released even when close reports an error
    if (error == 0 && closed != 0)
        error = errno;
    if (error != 0) {
        ::unlink(QFile::encodeName(out.temporary).constData());
        out.temporary.clear();
        return io::failure(what, name, error);
    }
    return FileResult::success();
}

void discard(Prepared& prepared)
{
    if (!prepared.temporary.isEmpty())
        ::unlink(QFile::encodeName(prepared.temporary).constData());
    prepared.temporary.clear();
}

// Puts a prepared replacement in its file's place; on failure the file is as it was and
// the temporary is gone. With durable, the rename is pushed to the disk before returning.
FileResult moveIntoPlace(Prepared& prepared, bool durable = true)
{
    int error = FileFaults::errorFor(FileStep::Rename, prepared.name);
    if (error == 0 &&
        ::rename(QFile::encodeName(prepared.temporary).constData(), QFile::encodeName(prepared.path).constData()) != 0)
        error = errno;
    if (error != 0) {
        discard(prepared);
        return io::failure(QStringLiteral("Writing"), prepared.name, error);
    }
    prepared.temporary.clear();
    if (durable)
        syncFolderOf(prepared.path);
    return FileResult::success();
}

// Replaces the named file by a temporary one beside it that fill(fd) writes.
FileResult replaceWith(const QString& name, const std::function<int(int)>& fill)
{
    Prepared prepared;
    if (const FileResult made = prepare(name, fill, prepared); !made)
        return made;
    return moveIntoPlace(prepared);
}

int writeAll(int fd, const QByteArray& content, const QString& name)
{
    return io::writeAt(fd, content.constData(), content.size(), 0, name);
}

} // namespace

// What the callers were doing when a file failed them, in the failure message's words.
[[maybe_unused]] const char* const kFileActions[] = {
    QT_TRANSLATE_NOOP("data", "Opening"), QT_TRANSLATE_NOOP("data", "Reading"), QT_TRANSLATE_NOOP("data", "Writing"),
    QT_TRANSLATE_NOOP("data", "Deleting"), QT_TRANSLATE_NOOP("data", "Moving")};

FileResult FileResult::failure(const QString& what, const QString& fileName, const QString& reason)
{
    return {QCoreApplication::translate("data", "%1 %2 failed: %3")
                .arg(QCoreApplication::translate("data", what.toUtf8().constData()), fileName, reason)};
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
    return replaceWith(name, [&](int fd) { return writeAll(fd, content, name); });
}

FileResult replaceFilesTogether(const QString& first, const QByteArray& firstContent, const QString& second,
                                const QByteArray& secondContent)
{
    // Both new contents and a copy of the first file as it is are on the disk before
    // either file changes; the copy puts the first back when the second cannot follow.
    Prepared newFirst;
    Prepared newSecond;
    Prepared oldFirst;
    FileResult result = prepare(
        first, [&](int fd) { return writeAll(fd, firstContent, first); }, newFirst);
    if (result)
        result = prepare(
            second, [&](int fd) { return writeAll(fd, secondContent, second); }, newSecond);
    if (result && newFirst.existed) {
        int source = -1;
        if (const int error = io::openRegular(newFirst.path, O_RDONLY, source)) {
            result = io::failure(QStringLiteral("Reading"), first, error);
        } else {
            const qint64 length = qMax<qint64>(io::lengthOf(source), 0);
            result = prepare(
                first, [&](int fd) { return io::copyAll(source, fd, length, first); }, oldFirst);
            io::closeQuietly(source);
        }
    }
    // The two renames follow each other directly; the folders are pushed to the disk after.
    if (result)
        result = moveIntoPlace(newFirst, false);
    if (result) {
        result = moveIntoPlace(newSecond, false);
        if (!result) {
            const bool putBack = newFirst.existed ? ::rename(QFile::encodeName(oldFirst.temporary).constData(),
                                                             QFile::encodeName(newFirst.path).constData()) == 0
                                                  : ::unlink(QFile::encodeName(newFirst.path).constData()) == 0;
            if (putBack) {
                oldFirst.temporary.clear();
            } else {
                result.error += QCoreApplication::translate("data", "; %1 could not be put back as it was: %2")
                                    .arg(first, io::reason(errno));
            }
        }
    }
    discard(newFirst);
    discard(newSecond);
    discard(oldFirst);
    syncFolderOf(newFirst.path);
    if (QFileInfo(newSecond.path).absolutePath() != QFileInfo(newFirst.path).absolutePath())
        syncFolderOf(newSecond.path);
    return result;
}

FileResult tooLarge(const QString& name, qint64 length, qint64 largest)
{
    return FileResult::failure(
        QStringLiteral("Reading"), name,
        QCoreApplication::translate("data", "the file is larger than it can be (%1 bytes; at most %2)")
            .arg(length)
            .arg(largest));
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
    // Checked explicitly: a full disk often shows only when the data is pushed out.
    if (error == 0)
        error = io::syncToDisk(fd, target);
    if (fd >= 0 && ::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        ::unlink(QFile::encodeName(temporary).constData());
        return io::failure(QStringLiteral("Writing"), target, error);
    }
    Prepared prepared;
    prepared.name = target;
    prepared.path = replacedPath(target);
    prepared.temporary = temporary;
    return moveIntoPlace(prepared);
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
        // Ours only when it is named after one of the program's files and that file is there:
        // every file the program replaces exists by then (opened, or written empty first).
        const QString own = entry.left(entry.size() - kTemporaryMark.size() - kTemporarySuffix);
        struct stat info;
        if (!isProgramFileName(own) || ::lstat(QFile::encodeName(folder.filePath(own)).constData(), &info) != 0 ||
            !S_ISREG(info.st_mode))
            continue;
        // Only plain files: a link or anything else by such a name is not ours.
        const QByteArray path = QFile::encodeName(folder.filePath(entry));
        if (::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode) && ::unlink(path.constData()) == 0)
            ++removed;
    }
    return removed;
}

} // namespace data
