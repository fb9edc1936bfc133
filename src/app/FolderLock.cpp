#include "FolderLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QSysInfo>

namespace app {

FolderLock::FolderLock(const QString& folder)
    : folder_(QDir(folder).absolutePath())
    , lock_(QDir(folder_).filePath(kFileName))
{
    // A lock is stale only when the Pantrix that made it has ended, never by its age: a
    // program left open for days still holds its folder.
    lock_.setStaleLockTime(0);
}

FolderLock::Outcome FolderLock::acquire()
{
    if (lock_.tryLock())
        return Outcome::Locked;
    return lock_.error() == QLockFile::LockFailedError ? Outcome::Busy : Outcome::NotLockable;
}

QString FolderLock::busyMessage() const
{
    const QString folder = QDir::toNativeSeparators(folder_);
    qint64 pid = 0;
    QString host;
    QString program;
    if (lock_.getLockInfo(&pid, &host, &program) && !host.isEmpty() && host != QSysInfo::machineHostName()) {
        // A lock from another computer sharing the folder cannot be seen to be stale from here.
        return QCoreApplication::translate(
                   "app::FolderLock",
                   "Pantrix on the computer %1 is already working on the folder %2.\r\n\r\nClose it there "
                   "first. If it is no longer running, delete the file %3 in that folder.")
            .arg(host, folder, kFileName);
    }
    return QCoreApplication::translate(
               "app::FolderLock",
               "Pantrix is already working on the folder %1.\r\n\r\nUse the Pantrix window that is open, "
               "or close it and start again.")
        .arg(folder);
}

} // namespace app
