#pragma once

#include <sys/resource.h>

#include <csignal>

// While it lives, a write that would take a file past the given size fails as on a full
// disk (EFBIG). Unlike a read-only file this fails for root as well.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
        : previous_(std::signal(SIGXFSZ, [](int) {})) // caught: the default would end the process
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    void (*previous_)(int);
    rlimit old_{};
};
