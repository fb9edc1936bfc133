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
    ~BusyCursor()
    {
        QApplication::restoreOverrideCursor();
        longWorkEnded() = true;
    }
    // Set when long work has ended; whoever gives the memory it freed back clears it.
    static bool& longWorkEnded()
    {
        static bool ended = false;
        return ended;
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace ui
