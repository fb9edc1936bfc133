#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace app {

// Tells when the store's files change on disk while the program runs (a sync tool, another
// copy of the program on another computer), so that the views are rebuilt before the next
// command takes a row for a record. The program's own writes are told too; whoever listens
// compares what it shows with the files.
class DataFileWatcher : public QObject
{
    Q_OBJECT

public:
    explicit DataFileWatcher(QObject* parent = nullptr);

    // Watches these files of the working folder from now on, instead of those before.
    void watch(const QStringList& files);

signals:
    // One of the files changed, was replaced or went away; told once for a burst of changes.
    void changed();

private:
    // A file replaced by a rename is no longer watched: its new self is.
    void rearm();

    QFileSystemWatcher watcher_;
    QStringList files_;
    QTimer burst_;
};

} // namespace app
