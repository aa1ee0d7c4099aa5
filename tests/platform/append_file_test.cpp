#include "platform/append_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/fake_system_root.h"
#include "support/file_system_limits.h"

namespace tidemark {
namespace {

namespace fs = std::filesystem;
using testing::FileSizeLimit;
using testing::ReadOnlyFolder;

class AppendFile : public ::testing::Test {
protected:
    static std::string contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    testing::FakeSystemRoot root;  // a fresh temporary folder
    fs::path folder = root.path();
};

TEST_F(AppendFile, RunningProgramCountsAsInUse) {
    // The kernel refuses writes to an executable that is running: this test's own.
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    const auto size = fs::file_size(self);
    const AppendResult result = appendToFile(self, "x");
    EXPECT_EQ(result.status, AppendResult::Status::InUse);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(fs::file_size(self), size);
}

TEST_F(AppendFile, ReadOnlyFileOrFolderGivesTheSystemsReasonNotInUse) {
    const fs::path path = folder / "locked.xls";
    std::ofstream(path) << "kept";
    ReadOnlyFolder readOnly(folder);
    for (const fs::path& target : {path, folder / "new.xls"}) {
        SCOPED_TRACE(target.filename().string());
        const AppendResult result = appendToFile(target.string(), "x");
        EXPECT_EQ(result.status, AppendResult::Status::Failed);
        EXPECT_TRUE(result.reason == std::strerror(EROFS) || result.reason == std::strerror(EACCES)) << result.reason;
    }
    EXPECT_EQ(contents(path), "kept");
}

TEST_F(AppendFile, AppendsOnlyAndTakesBackAWriteCutShortByAFullDisk) {
    const fs::path path = folder / "day.xls";
    ASSERT_TRUE(appendToFile(path.string(), "23\t61\r\n").ok());
    {
        FileSizeLimit roomForThreeBytes(fs::file_size(path) + 3);
        const AppendResult result = appendToFile(path.string(), "50\t47\r\n");
        EXPECT_EQ(result.status, AppendResult::Status::Failed);
        EXPECT_EQ(result.reason, std::strerror(EFBIG));
        EXPECT_EQ(contents(path), "23\t61\r\n") << "no cut-off reading stays behind";
    }
    ASSERT_TRUE(appendToFile(path.string(), "51\t5\r\n").ok());
    EXPECT_EQ(contents(path), "23\t61\r\n51\t5\r\n");
}

TEST_F(AppendFile, OnlyARegularFileIsWrittenAndNothingIsWaitedOn) {
    const fs::path outside = folder / "outside.xls";
    std::ofstream(outside) << "theirs";
    fs::create_directory(folder / "Log");
    fs::create_directory(folder / "Log" / "folder.xls");
    fs::create_symlink(outside, folder / "Log" / "link.xls");
    ASSERT_EQ(::mkfifo((folder / "Log" / "lonely.xls").c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo((folder / "Log" / "read.xls").c_str(), 0644), 0);
    const int reader = ::open((folder / "Log" / "read.xls").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    for (const char* name : {"folder.xls", "link.xls", "lonely.xls", "read.xls"}) {
        SCOPED_TRACE(name);
        const AppendResult result = appendToFile((folder / "Log" / name).string(), "x");
        EXPECT_EQ(result.status, AppendResult::Status::Failed);
        EXPECT_FALSE(result.reason.empty());
    }
    EXPECT_EQ(appendToFile("/dev/null", "x").status, AppendResult::Status::Failed) << "a device";
    EXPECT_EQ(appendToFile((folder / "gone" / "day.xls").string(), "x").reason, std::strerror(ENOENT));
    ::close(reader);
    EXPECT_EQ(contents(outside), "theirs") << "a link is not followed out of the folder";
}

TEST_F(AppendFile, FileExistsMeansThisExactNormalFile) {
    std::ofstream(folder / "a.bmp") << "x";
    std::ofstream(folder / ".hidden.bmp") << "x";
    fs::create_directory(folder / "dir.bmp");
    EXPECT_TRUE(FileExists((folder / "a.bmp").string()));
    EXPECT_FALSE(FileExists((folder / "*.bmp").string())) << "a wildcard is no pattern";
    EXPECT_FALSE(FileExists((folder / "dir.bmp").string()));
    EXPECT_FALSE(FileExists((folder / ".hidden.bmp").string()));
    EXPECT_FALSE(FileExists((folder / "b.bmp").string()));
    std::ofstream(folder / "*.bmp") << "x";
    EXPECT_TRUE(FileExists((folder / "*.bmp").string())) << "on Linux * is a legal name";
}

}  // namespace
}  // namespace tidemark
