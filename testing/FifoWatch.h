#pragma once
// A FIFO made by a test, and whether anyone opened it for reading. A reader that opens it
// would wait for a writer for good; the watch opens the FIFO for writing whenever a reader
// waits and closes it at once, so the reader sees its end and the test goes on to fail
// instead of hanging.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QString>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>

class FifoWatch {
public:
    explicit FifoWatch(const QString& path) : path_(path.toStdString()) {
        made_ = ::mkfifo(path_.c_str(), 0600) == 0;
        if (made_) watcher_ = std::thread([this] { watch(); });
    }
    ~FifoWatch() {
        stop_ = true;
        if (watcher_.joinable()) watcher_.join();
        if (made_) ::unlink(path_.c_str());
    }
    FifoWatch(const FifoWatch&) = delete;
    FifoWatch& operator=(const FifoWatch&) = delete;

    bool made() const { return made_; }
    bool opened() const { return opened_; }
    // The FIFO is still there as a FIFO (nobody replaced it with a file).
    bool stillAFifo() const {
        struct stat info {};
        return ::lstat(path_.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
    }

private:
    void watch() {
        while (!stop_) {
            // Without a reader this fails at once (ENXIO).
            const int writer = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0) {
                opened_ = true;
                ::close(writer);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    std::string path_;
    bool made_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<bool> opened_{false};
    std::thread watcher_;
};
