#include "app/HeapTuning.h"

#include "ui/BusyCursor.h"

#include <QAbstractEventDispatcher>
#include <QThread>

#include <cstdint>
#include <cstdlib> // defines __GLIBC__ where the C library is glibc

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace app {

void tuneHeap()
{
#if defined(__linux__) && defined(__GLIBC__)
    constexpr int kMiB = 1 << 20;
    // Blocks up to 256 MB from the heap, and as much freed at its top kept there (more than
    // the reserve below, which would otherwise be handed back at once).
    mallopt(M_MMAP_THRESHOLD, 256 * kMiB);
    mallopt(M_TRIM_THRESHOLD, 256 * kMiB);
    // Work done on a second thread (a printout built while the window paints) allocates from
    // this one heap too: a heap of its own would keep what it freed at its top, which only the
    // main heap gives back when asked.
    mallopt(M_ARENA_MAX, 1);
    // Grow the heap once by 128 MB of address space (memory is taken only when touched) and
    // advise huge pages over it: later growth would form a region without the advice.
    mallopt(M_TOP_PAD, 128 * kMiB);
    // Called through a volatile pointer: a compiler may drop a malloc whose block is unused.
    void* (*volatile allocate)(std::size_t) = std::malloc;
    void* block = allocate(kMiB);
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const bool grown = block != nullptr;
    std::free(block);
    mallopt(M_TOP_PAD, 128 * 1024); // the library's default again
    constexpr std::uintptr_t hugePage = 2 * kMiB;
    const std::uintptr_t from = (start + hugePage - 1) & ~(hugePage - 1);
    const auto top = reinterpret_cast<std::uintptr_t>(sbrk(0));
    // Only advice: refused, the heap works as before.
    if (grown && top > from)
        static_cast<void>(madvise(reinterpret_cast<void*>(from), top - from, MADV_HUGEPAGE));
#endif
}

void releaseFreedMemory()
{
#if defined(__linux__) && defined(__GLIBC__)
    // Unlike the trimming free() does at the heap's top, this also hands back free pages
    // in the middle of the heap; a few milliseconds for a heap of a hundred megabytes.
    malloc_trim(0);
#endif
}

void giveBackAfterLongWork()
{
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher)
        return;
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher, [] {
        // Only in the main loop: a message box at the end of a command runs a loop of its
        // own while the command still holds its memory.
        if (QThread::currentThread()->loopLevel() != 1 || !ui::BusyCursor::longWorkEnded())
            return;
        ui::BusyCursor::longWorkEnded() = false;
        releaseFreedMemory();
    });
}

} // namespace app
