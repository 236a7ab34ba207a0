#pragma once
// Reads everything written into a named pipe, in a thread of its own, until the writer closes
// it. The read end is open before the writer comes, and a writer that never comes makes the
// test fail after the wait instead of hanging it.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

class PipeReader {
public:
    explicit PipeReader(const std::string& path,
                        std::chrono::milliseconds wait = std::chrono::seconds(30))
        : descriptor_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)),
          thread_([this, wait] { read(wait); }) {}
    ~PipeReader() { finish(); }
    PipeReader(const PipeReader&) = delete;
    PipeReader& operator=(const PipeReader&) = delete;

    // Waits for the writer to close the pipe; everything it wrote.
    const std::string& finish() {
        if (thread_.joinable()) thread_.join();
        if (descriptor_ >= 0) ::close(descriptor_);
        descriptor_ = -1;
        return bytes_;
    }

private:
    void read(std::chrono::milliseconds wait) {
        if (descriptor_ < 0) return;
        const auto deadline = std::chrono::steady_clock::now() + wait;
        char buffer[65536];
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd ready{descriptor_, POLLIN, 0};
            if (::poll(&ready, 1, 100) <= 0) continue;
            const ssize_t count = ::read(descriptor_, buffer, sizeof buffer);
            if (count > 0) {
                bytes_.append(buffer, static_cast<std::size_t>(count));
            } else if (count == 0 && (ready.revents & POLLHUP) != 0) {
                return;  // a writer came and closed the pipe
            }
        }
    }

    int descriptor_;
    std::string bytes_;
    std::thread thread_;
};
