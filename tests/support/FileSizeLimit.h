#pragma once

#include <sys/resource.h>

#include <csignal>

// While it lives, a write that would take any file past the given size fails, as it would
// on a full disk. Unlike a read-only file this fails for root as well.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        // Caught rather than left to its default, which ends the process; the write then
        // fails with EFBIG.
        previous_ = std::signal(SIGXFSZ, [](int) {});
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};
