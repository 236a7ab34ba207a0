#include "StandardOutput.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "OutputTarget.h"

namespace tolmar {

std::string writeStandardOutput(std::string_view bytes) {
    errno = 0;
    if (std::fflush(stdout) != 0) return systemReason(errno != 0 ? errno : EIO);
    while (!bytes.empty()) {
        const ssize_t count = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return systemReason(count < 0 ? errno : EIO);
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return {};
}

std::string closeStandardOutput() {
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    int error = errno;
    // A failure of an earlier write leaves the stream's error mark, but no error number.
    const bool intact = std::ferror(stdout) == 0;
    errno = 0;
    bool closed = std::fclose(stdout) == 0;
    // Started without standard output and wrote nothing to it: nothing was lost.
    if (!closed && errno == EBADF && flushed && intact) closed = true;
    if (error == 0) error = errno;
    if (flushed && intact && closed) return {};
    if (error == 0 || error == EBADF) {
        return intact ? std::string("it could not be closed")
                      : std::string("an earlier write failed");
    }
    return systemReason(error);
}

int finishStandardOutput(const char* program, int exitCode) {
    const std::string failure = closeStandardOutput();
    if (failure.empty()) return exitCode;
    std::fprintf(stderr, "%s: standard output could not be written: %s\n", program,
                 failure.c_str());
    std::fflush(stderr);
    return 1;
}

}  // namespace tolmar
