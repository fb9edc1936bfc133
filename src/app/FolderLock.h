#pragma once

#include <QLockFile>
#include <QString>

namespace app {

// Keeps a second Pantrix off the folder this one works in: two copies would each keep their
// own view of the files and write over each other's changes. The lock is a file in the
// folder whose name no store or data file can take (the program refuses names that start
// with "."); one left behind by a Pantrix that has ended is taken over.
class FolderLock
{
public:
    enum class Outcome {
        Locked,      // the folder is this run's
        Busy,        // another Pantrix works on it
        NotLockable, // no lock can be made there (a read-only folder): nothing can be written either
    };

    inline static const QString kFileName = QStringLiteral(".pantrix.lock");

    // The folder to lock; the lock is taken by acquire() and held until the object goes.
    explicit FolderLock(const QString& folder);

    Outcome acquire();
    // What the user is told when the folder is busy.
    QString busyMessage() const;

private:
    QString folder_;
    QLockFile lock_;
};

} // namespace app
