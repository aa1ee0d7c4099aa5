#include "logging/append_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace tidemark {
namespace {

namespace fs = std::filesystem;

class AppendFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("append-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    static std::string contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    fs::path folder;
};

TEST_F(AppendFile, AppendsWithoutTouchingWhatIsThere) {
    const std::string path = (folder / "day.xls").string();
    ASSERT_TRUE(appendToFile(path, "a\r\n").ok());
    ASSERT_TRUE(appendToFile(path, "b\t").ok());
    EXPECT_EQ(contents(path), "a\r\nb\t");
}

TEST_F(AppendFile, RunningProgramCountsAsInUse) {
    // The kernel refuses writes to an executable that is running: this test's own.
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    const auto size = fs::file_size(self);
    const AppendResult result = appendToFile(self, "x");
    EXPECT_EQ(result.status, AppendResult::Status::InUse);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(fs::file_size(self), size);
}

TEST_F(AppendFile, ReadOnlyFileCountsAsInUse) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes read-only files";
    const fs::path path = folder / "locked.xls";
    std::ofstream(path) << "kept";
    fs::permissions(path, fs::perms::owner_read);
    EXPECT_EQ(appendToFile(path.string(), "x").status, AppendResult::Status::InUse);
    EXPECT_EQ(contents(path), "kept");
}

TEST_F(AppendFile, OtherFailuresCarryTheSystemsReason) {
    const AppendResult missing = appendToFile((folder / "gone" / "day.xls").string(), "x");
    EXPECT_EQ(missing.status, AppendResult::Status::Failed);
    EXPECT_EQ(missing.reason, std::strerror(ENOENT));
    EXPECT_EQ(appendToFile(folder.string(), "x").status, AppendResult::Status::Failed) << "a folder";
    if (fs::exists("/dev/full")) {
        EXPECT_EQ(appendToFile("/dev/full", "x").status, AppendResult::Status::Failed) << "disk full";
    }
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
