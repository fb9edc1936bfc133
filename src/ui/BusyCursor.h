#pragma once

#include <QApplication>
#include <QCursor>

#include <chrono>
#include <future>

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

// Runs work with the hour-glass on a second thread, so that the windows keep painting
// meanwhile; what the user types or clicks waits until it is done. The work may touch only
// what it was given: whatever else runs meanwhile (a file seen changed) may change the rest.
template<class Work> auto whileBusy(Work work)
{
    const BusyCursor busy;
    auto done = std::async(std::launch::async, std::move(work));
    while (done.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return done.get();
}

} // namespace ui
