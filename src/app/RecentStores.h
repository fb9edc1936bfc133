#pragma once

#include <QObject>
#include <QStringList>

class QMenu;

namespace app {

// File › "Open recent": the stores last made current, newest first, kept in the user's
// settings across runs. Choosing one is announced; opening it is the window's work.
class RecentStores : public QObject
{
    Q_OBJECT

public:
    static constexpr int kKept = 6;

    RecentStores(QMenu* menu, QObject* parent);

    // Puts the store's list file first (by its absolute path), dropping an older mention
    // and the oldest beyond kKept.
    void add(const QString& listFile);
    void remove(const QString& path);
    QStringList paths() const { return paths_; }

signals:
    void chosen(const QString& path);

private:
    void keep(const QStringList& paths);

    QMenu* menu_;
    QStringList paths_;
};

} // namespace app
