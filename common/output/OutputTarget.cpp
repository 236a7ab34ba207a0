#include "OutputTarget.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace tolmar {
namespace {

constexpr int MaximumLinkHops = 40;

OutputTarget refused(int error, std::string reason) {
    OutputTarget target;
    target.way = OutputTarget::Way::Refuse;
    target.error = error;
    target.reason = std::move(reason);
    return target;
}

OutputTarget refusedWithSystemReason(int error) { return refused(error, systemReason(error)); }

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return {};
    return path.substr(0, slash + 1);
}

// The name a chain of links ends in when its last target does not exist yet.
OutputTarget danglingLinkTarget(const std::string& link) {
    std::string path = link;
    for (int hop = 0; hop < MaximumLinkHops; ++hop) {
        struct stat status;
        if (::lstat(path.c_str(), &status) != 0) {
            if (errno != ENOENT) return refusedWithSystemReason(errno);
            OutputTarget target;
            target.way = OutputTarget::Way::Replace;
            target.path = path;
            return target;
        }
        if (!S_ISLNK(status.st_mode)) {
            // Appeared meanwhile: decide again from what it is now.
            return inspectOutputTarget(path);
        }
        std::string pointed(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), pointed.data(), pointed.size());
        if (length < 0) return refusedWithSystemReason(errno);
        pointed.resize(static_cast<std::size_t>(length));
        path = pointed.starts_with('/') ? pointed : folderOf(path) + pointed;
    }
    return refusedWithSystemReason(ELOOP);
}

}  // namespace

std::string systemReason(int error) {
    char buffer[256];
    // The GNU strerror_r returns the text, which need not be in the buffer.
    return ::strerror_r(error, buffer, sizeof buffer);
}

OutputTarget inspectOutputTarget(const std::string& target) {
    if (target.empty()) return refusedWithSystemReason(ENOENT);
    if (target.ends_with('/')) return refusedWithSystemReason(EISDIR);
    struct stat status;
    if (::stat(target.c_str(), &status) != 0) {
        const int error = errno;
        if (error != ENOENT) return refusedWithSystemReason(error);
        struct stat link;
        if (::lstat(target.c_str(), &link) == 0 && S_ISLNK(link.st_mode))
            return danglingLinkTarget(target);
        OutputTarget missing;
        missing.way = OutputTarget::Way::Replace;
        missing.path = target;
        return missing;
    }
    if (S_ISREG(status.st_mode)) {
        // A file not ours to change stays as it is, as it would for a program writing in place.
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            return refusedWithSystemReason(errno);
        OutputTarget file;
        file.way = OutputTarget::Way::Replace;
        file.path = target;
        struct stat link;
        if (::lstat(target.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
            char* resolved = ::realpath(target.c_str(), nullptr);
            if (resolved == nullptr) return refusedWithSystemReason(errno);
            file.path = resolved;
            std::free(resolved);
        }
        file.existing = true;
        file.mode = status.st_mode & 07777;
        file.owner = status.st_uid;
        file.group = status.st_gid;
        return file;
    }
    if (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode)) {
        OutputTarget special;
        special.way = OutputTarget::Way::Direct;
        // Opened by the name given: links into /proc name their target in a way only the
        // system itself can follow.
        special.path = target;
        special.pipe = S_ISFIFO(status.st_mode);
        return special;
    }
    if (S_ISDIR(status.st_mode)) return refusedWithSystemReason(EISDIR);
    if (S_ISBLK(status.st_mode)) return refused(ENOTSUP, "it is a block device");
    if (S_ISSOCK(status.st_mode)) return refused(ENOTSUP, "it is a socket");
    return refused(ENOTSUP, "it is no file that can be written");
}

std::string outputFailureReason(const std::string& target, int error) {
    const OutputTarget inspected = inspectOutputTarget(target);
    if (inspected.way == OutputTarget::Way::Refuse && inspected.error == error)
        return inspected.reason;
    if (inspected.pipe && error == ENXIO) return "no program reads from the pipe";
    return systemReason(error);
}

}  // namespace tolmar
