#pragma once

namespace app {

// Sets the C library's heap up for large files, first thing in main(). A start with 100k
// products touches tens of megabytes of new memory, and taking them from the kernel a 4 KB
// page at a time cost more than reading and sorting the products (most of all in a virtual
// machine, where each page fault is dearer). So large blocks come from the heap instead of maps of
// their own, the heap keeps what is freed for the next block, and the kernel is asked to
// back the heap with huge pages. Memory a large command freed stays with the program for
// the next one. Where the C library or the kernel has none of this, or the kernel
// declines, nothing changes but the speed.
void tuneHeap();

} // namespace app
