#include "OutputFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "FileSizeLimit.h"
#include "PipeReader.h"

namespace {

namespace fs = std::filesystem;

class OutputFileTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "output-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string path(const std::string& name) const { return (folder / name).string(); }

    static void put(const std::string& file, const std::string& text) {
        std::ofstream(file, std::ios::binary) << text;
    }
    static std::string contents(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static struct stat status(const std::string& file) {
        struct stat result {};
        ::lstat(file.c_str(), &result);
        return result;
    }
    // Everything in the folder but the names given: leftovers of temporary files.
    std::vector<std::string> othersThan(std::initializer_list<std::string> names) const {
        std::vector<std::string> others;
        for (const auto& entry : fs::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            if (std::find(names.begin(), names.end(), name) == names.end()) others.push_back(name);
        }
        return others;
    }

    fs::path folder;
};

using Names = std::vector<std::string>;

TEST_F(OutputFileTest, ANewFileOrARegularFileIsReplacedWholeWithItsModeKept) {
    const std::string fresh = path("new.asc");
    ASSERT_EQ(tolmar::writeWholeFile(fresh, "first"), "");
    EXPECT_EQ(contents(fresh), "first");
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(status(fresh).st_mode & 0777, 0666 & ~mask);

    const std::string old = path("old.asc");
    put(old, "the old contents");
    ASSERT_EQ(::chmod(old.c_str(), 0604), 0);
    const ino_t before = status(old).st_ino;
    tolmar::OutputFile file(old);
    EXPECT_FALSE(file.direct());
    ASSERT_TRUE(file.write("new "));
    // Nothing shows under the target's name until the commit.
    EXPECT_EQ(contents(old), "the old contents");
    ASSERT_TRUE(file.write("contents"));
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(contents(old), "new contents");
    EXPECT_EQ(status(old).st_mode & 07777, 0604u);
    EXPECT_NE(status(old).st_ino, before);  // renamed over, not rewritten in place
    EXPECT_EQ(othersThan({"new.asc", "old.asc"}), Names());
}

TEST_F(OutputFileTest, AFailedWriteGivesTheSystemsReasonAndLeavesTheOldFile) {
    const std::string old = path("grid.asc");
    put(old, "the old contents");
    {
        const FileSizeLimit limit(1000);
        tolmar::OutputFile file(old);
        EXPECT_FALSE(file.write(std::string(5000, 'x')));
        EXPECT_EQ(errno, EFBIG);
        EXPECT_FALSE(file.commit());
        EXPECT_EQ(file.error(), EFBIG);
        EXPECT_EQ(file.reason(), std::strerror(EFBIG));
    }
    EXPECT_EQ(contents(old), "the old contents");
    EXPECT_EQ(othersThan({"grid.asc"}), Names());

    // A folder that is not there, and a folder in the target's place.
    EXPECT_EQ(tolmar::writeWholeFile(path("missing/grid.asc"), "x"), std::strerror(ENOENT));
    EXPECT_EQ(errno, ENOENT);
    fs::create_directory(folder / "sub");
    put(path("sub/inside"), "kept");
    EXPECT_EQ(tolmar::writeWholeFile(path("sub"), "x"), std::strerror(EISDIR));
    EXPECT_EQ(contents(path("sub/inside")), "kept");

    // A file given up on leaves nothing behind.
    {
        tolmar::OutputFile file(path("abandoned.asc"));
        file.write("half");
    }
    EXPECT_FALSE(fs::exists(folder / "abandoned.asc"));
    EXPECT_EQ(othersThan({"grid.asc", "sub"}), Names());
}

TEST_F(OutputFileTest, AFileTheUserMayNotWriteStaysAsItIs) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
    const std::string locked = path("locked.asc");
    put(locked, "read only");
    ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
    EXPECT_EQ(tolmar::writeWholeFile(locked, "x"), std::strerror(EACCES));
    EXPECT_EQ(contents(locked), "read only");
}

TEST_F(OutputFileTest, ALinkStaysALinkAndTheFileItPointsAtIsReplaced) {
    fs::create_directory(folder / "data");
    const std::string real = path("data/grid.asc");
    put(real, "old");
    ASSERT_EQ(::chmod(real.c_str(), 0600), 0);
    // A chain of two links, the first relative.
    fs::create_symlink("data/grid.asc", folder / "second");
    fs::create_symlink("second", folder / "first");
    ASSERT_EQ(tolmar::writeWholeFile(path("first"), "new"), "");
    EXPECT_TRUE(fs::is_symlink(folder / "first"));
    EXPECT_TRUE(fs::is_symlink(folder / "second"));
    EXPECT_EQ(contents(real), "new");
    EXPECT_EQ(status(real).st_mode & 07777, 0600u);
    EXPECT_EQ(othersThan({"data", "first", "second"}), Names());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "data"), fs::directory_iterator()), 1);

    // A link to a file not there yet makes that file.
    fs::create_symlink("data/later.asc", folder / "dangling");
    ASSERT_EQ(tolmar::writeWholeFile(path("dangling"), "made"), "");
    EXPECT_TRUE(fs::is_symlink(folder / "dangling"));
    EXPECT_EQ(contents(path("data/later.asc")), "made");

    // A link to a folder is refused like the folder.
    fs::create_directory_symlink("data", folder / "to-folder");
    EXPECT_EQ(tolmar::writeWholeFile(path("to-folder"), "x"), std::strerror(EISDIR));
    EXPECT_TRUE(fs::is_symlink(folder / "to-folder"));
}

TEST_F(OutputFileTest, APipeIsWrittenIntoAndStaysAPipe) {
    const std::string pipe = path("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    PipeReader reader(pipe);
    const std::string text(300000, 'g');  // more than the pipe holds at once
    EXPECT_EQ(tolmar::writeWholeFile(pipe, text), "");
    EXPECT_EQ(reader.finish(), text);
    EXPECT_TRUE(S_ISFIFO(status(pipe).st_mode));

    // Nobody reads: refused after the wait, the pipe left alone.
    {
        tolmar::OutputFile file(pipe, 50);
        EXPECT_TRUE(file.failed());
        EXPECT_EQ(file.reason(), "no program reads from the pipe");
        EXPECT_EQ(tolmar::outputFailureReason(pipe, file.error()), file.reason());
    }
    EXPECT_TRUE(S_ISFIFO(status(pipe).st_mode));

    // The reader leaves: the write fails instead of the signal ending the process.
    const int readEnd = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(readEnd, 0);
    tolmar::OutputFile file(pipe, 50);
    ASSERT_FALSE(file.failed());
    ::close(readEnd);
    EXPECT_FALSE(file.write("lost"));
    EXPECT_EQ(file.error(), EPIPE);
    EXPECT_FALSE(file.commit());
    EXPECT_TRUE(S_ISFIFO(status(pipe).st_mode));
    EXPECT_EQ(othersThan({"pipe"}), Names());
}

TEST_F(OutputFileTest, CharacterDevicesAreWrittenIntoAndNeverReplaced) {
    // The system's own null device needs no privilege.
    ASSERT_EQ(tolmar::writeWholeFile("/dev/null", "gone"), "");
    EXPECT_TRUE(S_ISCHR(status("/dev/null").st_mode));

    if (::geteuid() != 0) GTEST_SKIP() << "making device nodes needs root";
    const std::string null = path("null");
    const std::string full = path("full");
    ASSERT_EQ(::mknod(null.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    ASSERT_EQ(::mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)), 0);
    tolmar::OutputFile file(null);
    EXPECT_TRUE(file.direct());
    EXPECT_TRUE(file.write(std::string(100000, 'x')));
    EXPECT_TRUE(file.commit());
    EXPECT_TRUE(S_ISCHR(status(null).st_mode));
    EXPECT_EQ(status(null).st_rdev, makedev(1, 3));

    EXPECT_EQ(tolmar::writeWholeFile(full, "a grid"), std::strerror(ENOSPC));
    EXPECT_EQ(errno, ENOSPC);
    EXPECT_TRUE(S_ISCHR(status(full).st_mode));
    EXPECT_EQ(status(full).st_rdev, makedev(1, 7));

    // Through a link, too.
    fs::create_symlink("null", folder / "link");
    EXPECT_EQ(tolmar::writeWholeFile(path("link"), "x"), "");
    EXPECT_TRUE(fs::is_symlink(folder / "link"));
    EXPECT_TRUE(S_ISCHR(status(null).st_mode));
    EXPECT_EQ(othersThan({"null", "full", "link"}), Names());
}

TEST_F(OutputFileTest, BlockDevicesAndSocketsAreRefusedWithWhatTheyAre) {
    const std::string socketPath = path("socket");
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    tolmar::OutputFile toSocket(socketPath);
    EXPECT_TRUE(toSocket.failed());
    EXPECT_EQ(toSocket.reason(), "it is a socket");
    EXPECT_EQ(tolmar::outputFailureReason(socketPath, toSocket.error()), "it is a socket");
    EXPECT_TRUE(S_ISSOCK(status(socketPath).st_mode));
    ::close(listening);

    if (::geteuid() != 0) GTEST_SKIP() << "making device nodes needs root";
    const std::string block = path("block");
    ASSERT_EQ(::mknod(block.c_str(), S_IFBLK | 0600, makedev(7, 200)), 0);
    EXPECT_EQ(tolmar::writeWholeFile(block, "x"), "it is a block device");
    EXPECT_TRUE(S_ISBLK(status(block).st_mode));
    EXPECT_EQ(tolmar::outputFailureReason(block, ENOTSUP), "it is a block device");
    EXPECT_EQ(tolmar::outputFailureReason(path("missing/x"), ENOENT), std::strerror(ENOENT));
}

}  // namespace
