#include "FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "TableFormatError.h"

namespace {

[[noreturn]] void fail(const std::string& fileName, int error) {
    throw TableFileError("Error: The file " + fileName +
                         " cannot be read: " + std::strerror(error));
}

class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    ~FileDescriptor() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return descriptor_; }

private:
    int descriptor_;
};

}  // namespace

FileBytes::FileBytes(const std::string& fileName) {
    // Only regular files: opening a FIFO would wait for a writer, and a device may never end.
    struct stat status {};
    if (::stat(fileName.c_str(), &status) != 0) fail(fileName, errno);
    if (S_ISDIR(status.st_mode)) fail(fileName, EISDIR);
    if (!S_ISREG(status.st_mode))
        throw TableFileError("Error: The file " + fileName + " is not a regular file");
    const FileDescriptor file(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) fail(fileName, errno);
    if (::fstat(file.get(), &status) != 0) fail(fileName, errno);

    // The size is a hint: a file that grows or shrinks while it is read gives what was read.
    // The buffer is not cleared first; only the bytes read are looked at.
    std::size_t capacity = status.st_size > 0 ? static_cast<std::size_t>(status.st_size) : 0;
    capacity += 1;  // one more byte to see the end of the file in the first pass
    bytes_ = makeLargeBlock<char>(capacity);
    for (;;) {
        if (size_ == capacity) {
            const std::size_t larger = capacity * 2;
            auto grown = makeLargeBlock<char>(larger);
            std::memcpy(grown.get(), bytes_.get(), size_);
            bytes_ = std::move(grown);
            capacity = larger;
        }
        const ssize_t got = ::read(file.get(), bytes_.get() + size_, capacity - size_);
        if (got < 0) {
            if (errno == EINTR) continue;
            fail(fileName, errno);
        }
        if (got == 0) break;
        size_ += static_cast<std::size_t>(got);
    }
}
