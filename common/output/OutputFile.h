#pragma once
// One file the suite writes, reaching its target as OutputTarget decides: a new or regular
// file is replaced whole only when everything was written (a temporary file in the target's
// folder, flushed to disk, checked and renamed over it), a pipe or character device is written
// into, a folder or block device is refused. Plain C++ on the system's calls, so that the
// Kelvra library can use it as well as the programs.
#include <cstddef>
#include <string>
#include <string_view>

#include "OutputTarget.h"

namespace tolmar {

class OutputFile {
public:
    // Opens the target for writing (a pipe waits up to `pipeWaitMilliseconds` for a reader).
    // A failure is remembered: write() and commit() then fail with its reason.
    explicit OutputFile(const std::string& target, int pipeWaitMilliseconds = 10000);
    ~OutputFile();  // an uncommitted temporary file is removed
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Appends the bytes. After the first failure nothing more is written.
    bool write(std::string_view bytes);

    // Makes the written bytes the target's content: flushes them to disk, checks the size and
    // renames the temporary file over the target; a special file is just closed. False when
    // any step failed, and then an existing regular target is as it was.
    bool commit();

    // Gives up: a temporary file is removed, the target stays as it was.
    void discard();

    bool failed() const { return error_ != 0; }
    // The system's error number of the first failure, 0 while none. Every call that fails
    // also leaves it in errno.
    int error() const { return error_; }
    // Why writing failed, in words.
    std::string reason() const;
    const std::string& target() const { return target_; }
    // True when the target is a special file written into directly.
    bool direct() const { return plan_.way == OutputTarget::Way::Direct; }

private:
    void openTemporary();
    void openDirect(int pipeWaitMilliseconds);
    bool fail(int error);
    bool writeSome(const char*& data, std::size_t& size);

    std::string target_;
    OutputTarget plan_;
    std::string temporary_;
    int descriptor_ = -1;
    int error_ = 0;
    std::string reason_;  // set where the system's text would not say enough
    unsigned long long written_ = 0;
    bool committed_ = false;
};

// Writes `bytes` as the whole content of `target` through OutputFile. Returns an empty text
// on success, otherwise the reason; errno then holds the system's error number.
std::string writeWholeFile(const std::string& target, std::string_view bytes);

}  // namespace tolmar
