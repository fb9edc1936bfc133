#include "RecentStores.h"

#include "ui/UserSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace app {

namespace {

const QString kKey = QStringLiteral("recent/stores");

// A store of the working folder is shown by its name, one elsewhere by its whole path.
QString shownName(const QString& path)
{
    const QFileInfo file(path);
    const QString name = file.absoluteDir() == QDir::current() ? file.fileName() : QDir::toNativeSeparators(path);
    return QString(name).replace(u'&', QLatin1String("&&")); // an "&" of the name is no mnemonic
}

} // namespace

RecentStores::RecentStores(QMenu* menu, QObject* parent)
    : QObject(parent)
    , menu_(menu)
{
    keep(ui::UserSettings().value(kKey).toStringList());
}

void RecentStores::add(const QString& listFile)
{
    const QString path = QFileInfo(listFile).absoluteFilePath();
    QStringList paths = paths_;
    paths.removeAll(path);
    paths.prepend(path);
    keep(paths);
}

void RecentStores::remove(const QString& path)
{
    QStringList paths = paths_;
    paths.removeAll(path);
    keep(paths);
}

void RecentStores::keep(const QStringList& paths)
{
    paths_ = paths.mid(0, kKept);
    ui::UserSettings().setValue(kKey, paths_);
    menu_->clear();
    for (qsizetype i = 0; i < paths_.size(); ++i) {
        const QString path = paths_[i];
        QAction* entry = menu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shownName(path)));
        entry->setToolTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    menu_->setEnabled(!paths_.isEmpty());
}

} // namespace app
