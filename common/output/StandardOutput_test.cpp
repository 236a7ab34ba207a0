#include "StandardOutput.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// In a child process: standard output goes to `device`, `job` writes, and the exit status is
// what finishing standard output makes of success.
template <typename Job>
[[noreturn]] void runWithOutputTo(const char* device, Job job) {
    const int descriptor = ::open(device, O_WRONLY);
    ::dup2(descriptor, STDOUT_FILENO);
    ::close(descriptor);
    job();
    std::_Exit(tolmar::finishStandardOutput("job", 0));
}

const std::string fullReason =
    std::string("job: standard output could not be written: ") + std::strerror(ENOSPC);

TEST(StandardOutput, AFullDeviceMakesTheJobFailWithTheReason) {
    // Short text waits in the C stream's buffer until the end.
    EXPECT_EXIT(runWithOutputTo("/dev/full", [] { std::fputs("short\n", stdout); }),
                testing::ExitedWithCode(1), fullReason);
    // Long text passes the buffer and fails on the way.
    EXPECT_EXIT(runWithOutputTo("/dev/full",
                                [] {
                                    const std::string text(1 << 20, 'v');
                                    std::fwrite(text.data(), 1, text.size(), stdout);
                                }),
                testing::ExitedWithCode(1), "job: standard output could not be written");
    // Bytes written past the C stream report the reason themselves.
    EXPECT_EXIT(runWithOutputTo("/dev/full",
                                [] {
                                    const std::string reason =
                                        tolmar::writeStandardOutput(std::string(1 << 20, 'v'));
                                    std::_Exit(reason == std::strerror(ENOSPC) ? 4 : 3);
                                }),
                testing::ExitedWithCode(4), "");
}

TEST(StandardOutput, WrittenOutputAndNoOutputAtAllSucceed) {
    EXPECT_EXIT(runWithOutputTo("/dev/null",
                                [] {
                                    std::fputs("text\n", stdout);
                                    if (!tolmar::writeStandardOutput("more\n").empty())
                                        std::_Exit(3);
                                }),
                testing::ExitedWithCode(0), "");
    // Started with standard output closed and nothing written: nothing was lost.
    const auto closedOutput = [] {
        ::close(STDOUT_FILENO);
        std::_Exit(tolmar::finishStandardOutput("job", 0));
    };
    EXPECT_EXIT(closedOutput(), testing::ExitedWithCode(0), "");
    // A job that failed on its own keeps its status.
    const auto failedJob = [] { std::_Exit(tolmar::finishStandardOutput("job", 2)); };
    EXPECT_EXIT(failedJob(), testing::ExitedWithCode(2), "");
}

}  // namespace
