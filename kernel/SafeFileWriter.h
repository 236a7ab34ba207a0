#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvra {

// Writes a file under a temporary name in the target's folder and renames it over the target
// only when everything was written, so that an existing target is either replaced whole or
// left as it was. A symbolic link as target is followed: the file it points at is replaced.
class SafeFileWriter {
  public:
    static constexpr std::size_t kChunkBytes = std::size_t{1} << 20;

    explicit SafeFileWriter(const std::string& target);
    ~SafeFileWriter();  // removes the temporary file unless committed
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // Appends data; a failure is remembered and makes commit() fail.
    void write(std::string_view data);

    // Flushes the data to disk and renames the file over the target. Returns false, leaving
    // the target untouched, when any step failed.
    bool commit();

  private:
    void discard();

    std::string target_;
    std::string temporary_;
    int descriptor_ = -1;
    bool failed_ = false;
};

}  // namespace kelvra
