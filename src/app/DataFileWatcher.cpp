#include "DataFileWatcher.h"

#include <QDir>
#include <QFileInfo>

namespace app {

DataFileWatcher::DataFileWatcher(QObject* parent)
    : QObject(parent)
{
    burst_.setSingleShot(true);
    burst_.setInterval(0);
    connect(&burst_, &QTimer::timeout, this, [this] {
        rearm();
        emit changed();
    });
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &burst_, qOverload<>(&QTimer::start));
    // A file written elsewhere and renamed over this one, or removed and made again, shows
    // in its folder.
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &burst_, qOverload<>(&QTimer::start));
}

void DataFileWatcher::watch(const QStringList& files)
{
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty())
        watcher_.removePaths(watcher_.directories());
    files_.clear();
    QStringList folders;
    for (const QString& file : files) {
        const QFileInfo info(QDir::current(), file);
        files_.append(info.absoluteFilePath());
        if (!folders.contains(info.absolutePath()))
            folders.append(info.absolutePath());
    }
    if (!folders.isEmpty())
        watcher_.addPaths(folders);
    rearm();
}

void DataFileWatcher::rearm()
{
    const QStringList watched = watcher_.files();
    for (const QString& file : files_) {
        if (!watched.contains(file) && QFileInfo::exists(file))
            watcher_.addPath(file);
    }
}

} // namespace app
