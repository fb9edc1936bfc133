#include "QtDesktop.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>

namespace ui {

bool QtDesktop::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

bool QtDesktop::startProgram(const QString& program)
{
    // By its path, so that a program of the same name elsewhere on the PATH is never the one
    // started; it runs on after Pantrix ends.
    return QProcess::startDetached(QDir::current().absoluteFilePath(program), {}, QDir::currentPath());
}

} // namespace ui
