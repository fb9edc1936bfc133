#pragma once

namespace app {

// Sets the C library's heap up for large files, first thing in main(). A start with 100k
// products touches tens of megabytes of new memory, and taking them from the kernel a 4 KB
// page at a time cost more than reading and sorting the products (most of all in a virtual
// machine, where each page fault is dearer). So large blocks come from the heap instead of maps of
// their own, the heap keeps what is freed for the next block, and the kernel is asked to
// back the heap with huge pages. Where the C library or the kernel has none of this, or the
// kernel declines, nothing changes but the speed.
void tuneHeap();

// Once the program is back at rest after long work (anything that showed the hour-glass:
// the start, a printout, an import), gives the memory that work freed back to the system,
// so that a large command does not leave the program large. Call once the application
// object exists.
void giveBackAfterLongWork();

// Gives the heap's free memory back to the system now.
void releaseFreedMemory();

} // namespace app
