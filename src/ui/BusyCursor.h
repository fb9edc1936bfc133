#pragma once

#include <QApplication>
#include <QCursor>

namespace ui {

// The hour-glass for the lifetime of the object: long file work shows it, and it is
// restored on every way out.
class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace ui
