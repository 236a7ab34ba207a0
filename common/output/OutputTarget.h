#pragma once
// How a file the suite writes reaches its target, decided from what the target is now:
// - missing, or a regular file: written under a temporary name in the target's folder and
//   renamed over it once complete, so an existing file is replaced whole or stays as it was;
// - a symbolic link: followed; the file it finally points at is treated as above, and the link
//   stays a link;
// - a pipe or a character device: written into directly; it is never removed or replaced;
// - a folder, a block device or a socket: refused.
#include <sys/types.h>

#include <string>

namespace tolmar {

struct OutputTarget {
    enum class Way { Replace, Direct, Refuse };
    Way way = Way::Refuse;
    // The file to replace or to open: for a followed link, the file it points at.
    std::string path;
    bool pipe = false;      // Direct: a pipe (waits for a reader; may lose it)
    bool existing = false;  // Replace: a regular file is there; its mode and owner are kept
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
    int error = 0;       // Refuse: the system's error number
    std::string reason;  // Refuse: why, in words
};

OutputTarget inspectOutputTarget(const std::string& target);

// The system's text for an error number.
std::string systemReason(int error);

// Why writing `target` failed with `error`, in words: the system's text, or for a target that
// is never written (a folder, a block device, a socket, a pipe nobody reads) what it is.
std::string outputFailureReason(const std::string& target, int error);

}  // namespace tolmar
