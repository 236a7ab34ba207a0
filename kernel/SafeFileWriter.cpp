#include "SafeFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace kelvra {
namespace {

std::string resolve_target(const std::string& target) {
    std::error_code error;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(target, error))) {
        const auto resolved = std::filesystem::canonical(target, error);
        if (!error) return resolved.string();
    }
    return target;
}

}  // namespace

SafeFileWriter::SafeFileWriter(const std::string& target) : target_(resolve_target(target)) {
    static unsigned counter = 0;
    // A short hidden name in the target's folder, so that the rename stays within one file
    // system and the name fits whatever the length of the target's own name.
    const std::filesystem::path folder = std::filesystem::path(target_).parent_path();
    const std::filesystem::path name = ".kelvra-" + std::to_string(::getpid()) + "-";
    const std::string base = (folder.empty() ? name : folder / name).string();
    for (int attempt = 0; attempt < 100 && descriptor_ < 0; ++attempt) {
        temporary_ = base + std::to_string(counter++) + ".tmp";
        descriptor_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor_ < 0 && errno != EEXIST) break;
    }
    if (descriptor_ < 0) {
        failed_ = true;
        temporary_.clear();
        return;
    }
    // A replaced file keeps its permissions; a new one gets those the umask allows.
    struct stat existing;
    if (::stat(target_.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        ::fchmod(descriptor_, existing.st_mode & 07777);
    }
}

SafeFileWriter::~SafeFileWriter() { discard(); }

void SafeFileWriter::write(std::string_view data) {
    while (!failed_ && !data.empty()) {
        const ssize_t written = ::write(descriptor_, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            failed_ = true;
        } else {
            data.remove_prefix(static_cast<std::size_t>(written));
        }
    }
}

bool SafeFileWriter::commit() {
    if (failed_ || ::fsync(descriptor_) != 0) {
        discard();
        return false;
    }
    const int closed = ::close(descriptor_);
    descriptor_ = -1;
    if (closed != 0 || std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        discard();
        return false;
    }
    temporary_.clear();
    return true;
}

void SafeFileWriter::discard() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
    if (!temporary_.empty()) {
        std::remove(temporary_.c_str());
        temporary_.clear();
    }
    failed_ = true;
}

}  // namespace kelvra
