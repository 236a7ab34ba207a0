#include "OutputFile.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <thread>

namespace tolmar {
namespace {

// Past this many bytes of the target's name the temporary name takes only the beginning, so
// that it stays within the system's limit for a name.
constexpr std::size_t NameBytesInTemporaryName = 64;
constexpr auto PipeRetryInterval = std::chrono::milliseconds(20);

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string nameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string uniqueSuffix() {
    static std::atomic<unsigned> counter{0};
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    const unsigned long long mixed =
        (static_cast<unsigned long long>(::getpid()) << 32) ^
        (static_cast<unsigned long long>(now) * 0x9E3779B97F4A7C15ULL) ^ counter.fetch_add(1);
    char text[24];
    std::snprintf(text, sizeof text, "%012llx", mixed & 0xFFFFFFFFFFFFULL);
    return text;
}

// A reader that leaves a pipe would end the process through SIGPIPE; while this lives the
// signal stays blocked in this thread, and one raised by our write is taken back, so the write
// fails with EPIPE instead.
class PipeSignalBlock {
public:
    PipeSignalBlock() {
        sigemptyset(&pipeSignal_);
        sigaddset(&pipeSignal_, SIGPIPE);
        sigset_t pending;
        sigemptyset(&pending);
        sigpending(&pending);
        pendingBefore_ = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipeSignal_, &previous_);
    }
    ~PipeSignalBlock() {
        const int error = errno;
        if (!pendingBefore_) {
            const timespec none{};
            while (sigtimedwait(&pipeSignal_, nullptr, &none) == SIGPIPE) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
        errno = error;
    }
    PipeSignalBlock(const PipeSignalBlock&) = delete;
    PipeSignalBlock& operator=(const PipeSignalBlock&) = delete;

private:
    sigset_t pipeSignal_;
    sigset_t previous_;
    bool pendingBefore_ = false;
};

}  // namespace

OutputFile::OutputFile(const std::string& target, int pipeWaitMilliseconds)
    : target_(target), plan_(inspectOutputTarget(target)) {
    switch (plan_.way) {
        case OutputTarget::Way::Refuse:
            reason_ = plan_.reason;
            fail(plan_.error);
            break;
        case OutputTarget::Way::Replace:
            openTemporary();
            break;
        case OutputTarget::Way::Direct:
            openDirect(pipeWaitMilliseconds);
            break;
    }
}

OutputFile::~OutputFile() {
    const int error = errno;
    discard();
    errno = error;
}

void OutputFile::openTemporary() {
    // Hidden, beside the target, so that the rename stays within one file system.
    const std::string base =
        folderOf(plan_.path) + "." + nameOf(plan_.path).substr(0, NameBytesInTemporaryName) + ".";
    // An existing file's mode is set once its owner is; until then only we may read it.
    const mode_t mode = plan_.existing ? 0600 : 0666;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = base + uniqueSuffix();
        descriptor_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (descriptor_ >= 0) {
            temporary_ = name;
            break;
        }
        if (errno != EEXIST && errno != EINTR) break;
    }
    if (descriptor_ < 0) {
        fail(errno);
        return;
    }
    if (plan_.existing) {
        // Only root may give a file away; for others the owner is theirs anyway.
        if (::fchown(descriptor_, plan_.owner, plan_.group) != 0 && errno == EPERM)
            (void)::fchown(descriptor_, static_cast<uid_t>(-1), plan_.group);
        (void)::fchmod(descriptor_, plan_.mode);
    }
}

void OutputFile::openDirect(int pipeWaitMilliseconds) {
    int flags = O_WRONLY | O_CLOEXEC | O_NOCTTY;
    if (!plan_.pipe) {
        do descriptor_ = ::open(plan_.path.c_str(), flags);
        while (descriptor_ < 0 && errno == EINTR);
        if (descriptor_ < 0) fail(errno);
        return;
    }
    // A pipe opens for writing only once something reads it; waiting without limit would hang
    // a window or a script whose reader never comes.
    flags |= O_NONBLOCK;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(pipeWaitMilliseconds);
    for (;;) {
        descriptor_ = ::open(plan_.path.c_str(), flags);
        if (descriptor_ >= 0) break;
        if (errno == EINTR) continue;
        if (errno != ENXIO || std::chrono::steady_clock::now() >= deadline) {
            if (errno == ENXIO) reason_ = "no program reads from the pipe";
            fail(errno);
            return;
        }
        std::this_thread::sleep_for(PipeRetryInterval);
    }
    // From here on a write waits while the reader is busy, as it would for any pipe.
    const int status = ::fcntl(descriptor_, F_GETFL);
    if (status < 0 || ::fcntl(descriptor_, F_SETFL, status & ~O_NONBLOCK) != 0) fail(errno);
}

bool OutputFile::fail(int error) {
    if (error_ == 0) error_ = error != 0 ? error : EIO;
    errno = error_;
    return false;
}

bool OutputFile::writeSome(const char*& data, std::size_t& size) {
    const ssize_t count = ::write(descriptor_, data, size);
    if (count < 0) return errno == EINTR || fail(errno);
    if (count == 0) return fail(EIO);
    data += count;
    size -= static_cast<std::size_t>(count);
    written_ += static_cast<unsigned long long>(count);
    return true;
}

bool OutputFile::write(std::string_view bytes) {
    if (failed()) return fail(error_);
    const char* data = bytes.data();
    std::size_t size = bytes.size();
    if (plan_.pipe) {
        const PipeSignalBlock block;
        while (size > 0)
            if (!writeSome(data, size)) return false;
        return true;
    }
    // A write may take only part of the bytes (a full disk or a file-size limit is met in the
    // middle); the next one then fails with the system's reason.
    while (size > 0)
        if (!writeSome(data, size)) return false;
    return true;
}

bool OutputFile::commit() {
    if (committed_) return true;
    if (failed()) {
        discard();
        return fail(error_);
    }
    if (plan_.way == OutputTarget::Way::Replace) {
        // On disk and complete before it takes the target's name.
        if (::fsync(descriptor_) != 0) {
            fail(errno);
            discard();
            return fail(error_);
        }
        struct stat status;
        if (::fstat(descriptor_, &status) != 0 ||
            static_cast<unsigned long long>(status.st_size) != written_) {
            reason_ = "not every byte reached the file";
            fail(EIO);
            discard();
            return fail(error_);
        }
    }
    const int closed = ::close(descriptor_);
    descriptor_ = -1;
    if (closed != 0 && errno != EINTR) {
        fail(errno);
        discard();
        return fail(error_);
    }
    if (plan_.way == OutputTarget::Way::Replace) {
        if (::rename(temporary_.c_str(), plan_.path.c_str()) != 0) {
            fail(errno);
            discard();
            return fail(error_);
        }
        temporary_.clear();
        // The new name is on disk too.
        const std::string folder = folderOf(plan_.path);
        const int folderDescriptor =
            ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folderDescriptor >= 0) {
            (void)::fsync(folderDescriptor);
            ::close(folderDescriptor);
        }
    }
    committed_ = true;
    return true;
}

void OutputFile::discard() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
    if (!committed_ && error_ == 0) error_ = ECANCELED;
}

std::string OutputFile::reason() const {
    if (!reason_.empty()) return reason_;
    return error_ != 0 ? systemReason(error_) : std::string();
}

std::string writeWholeFile(const std::string& target, std::string_view bytes) {
    OutputFile file(target);
    if (file.write(bytes) && file.commit()) return {};
    const int error = file.error();
    std::string reason = file.reason();
    errno = error;
    return reason;
}

}  // namespace tolmar
