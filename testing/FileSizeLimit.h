#pragma once
// Limits the size of the files this process may write, for one test: a write
// beyond the limit fails with EFBIG ("File too large") instead of raising SIGXFSZ.
#include <sys/resource.h>

#include <QString>
#include <cerrno>
#include <csignal>
#include <cstring>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // The system's text for a write beyond the limit.
    static QString reason() { return QString::fromLocal8Bit(std::strerror(EFBIG)); }

private:
    rlimit old_{};
    void (*previousHandler_)(int) = nullptr;
};
