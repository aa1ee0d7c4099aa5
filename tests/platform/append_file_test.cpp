#include "platform/append_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/fake_system_root.h"
#include "support/file_system_limits.h"
#ifdef _WIN32
#include <windows.h>

#include <memory>
#include <utility>

#include "platform/windows/append_file_windows.h"
#include "platform/windows/windows_text.h"
#else
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#endif

namespace tidemark {
namespace {

namespace fs = std::filesystem;

// The system's words for the refusals, and a full disk: Windows gives a test
// process no file-size limit of its own, so there the file writer's write
// call is swapped for one that writes three bytes and finds the disk full.
#ifdef _WIN32
const std::string kDiskFull = systemMessage(ERROR_DISK_FULL), kNoSuchFolder = systemMessage(ERROR_PATH_NOT_FOUND);
const std::vector<std::string> kReadOnly{systemMessage(ERROR_ACCESS_DENIED)};
struct RoomForThreeBytes {
    explicit RoomForThreeBytes(const fs::path&) {}
    ~RoomForThreeBytes() { windows_files::writeCall() = saved; }
    windows_files::WriteCall saved = std::exchange(
        windows_files::writeCall(), [](void* file, const char* data, unsigned long, unsigned long& written) {
            WriteFile(file, data, 3, &written, nullptr);
            SetLastError(ERROR_DISK_FULL);
            return false;
        });
};
#else
const std::string kDiskFull = std::strerror(EFBIG), kNoSuchFolder = std::strerror(ENOENT);
const std::vector<std::string> kReadOnly{std::strerror(EROFS), std::strerror(EACCES)};
struct RoomForThreeBytes : testing::FileSizeLimit {
    explicit RoomForThreeBytes(const fs::path& file) : FileSizeLimit(fs::file_size(file) + 3) {}
};
#endif

std::string contents(const fs::path& path) {
    return (std::ostringstream() << std::ifstream(path, std::ios::binary).rdbuf()).str();
}
// The program names files in UTF-8 on every system.
std::string utf8(const fs::path& path) { return reinterpret_cast<const char*>(path.u8string().c_str()); }

struct AppendFile : ::testing::Test {
    testing::FakeSystemRoot root;  // a fresh temporary folder
    fs::path folder = root.path;
};

// Only a file another program holds busy is "in use"; every other refusal
// gives the system's reason, and nothing in the way is changed or waited on.
TEST_F(AppendFile, RefusalsGiveTheSystemsReasonAndOnlyABusyFileIsInUse) {
    fs::create_directories(folder / "locked");
    std::ofstream(folder / "locked" / "day.xls") << "kept";
    std::ofstream(folder / "outside.xls") << "theirs";
    std::ofstream(folder / "viewed.xls") << "seen";
    std::ifstream viewer(folder / "viewed.xls");  // shares writing on every system
#ifdef _WIN32
    const fs::path busy = folder / "open in Excel.xls", pipe = L"\\\\.\\pipe\\tidemark-none";
    std::ofstream(busy) << "seen";
    const std::unique_ptr<void, decltype(&CloseHandle)> excel(
        CreateFileW(busy.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr), CloseHandle);
#else
    const fs::path busy = fs::read_symlink("/proc/self/exe"), pipe = folder / "pipe.xls";
    ::mkfifo(pipe.c_str(), 0644);  // without a reader: opening it could wait forever
    fs::create_symlink(folder / "outside.xls", folder / "link.xls");
#endif
    const testing::ReadOnlyFolder readOnly(folder / "locked");
    using Status = AppendResult::Status;
    const std::tuple<const char*, fs::path, Status, std::vector<std::string>> rows[] = {
        {"held by a program that keeps writers out", busy, Status::InUse, {}},
        {"open in a viewer that lets writers in", folder / "viewed.xls", Status::Written, {}},
        {"a read-only file", folder / "locked" / "day.xls", Status::Failed, kReadOnly},
        {"in a folder that does not exist", folder / "gone" / "day.xls", Status::Failed, {kNoSuchFolder}},
        {"a pipe nobody reads", pipe, Status::Failed, {}},
#ifndef _WIN32
        {"a symbolic link", folder / "link.xls", Status::Failed, {}},
#endif
    };
    for (const auto& [name, path, status, reasons] : rows) {
        SCOPED_TRACE(name);
        if (reasons == kReadOnly && !readOnly.enforced()) continue;  // this process may write there all the same
        const AppendResult result = appendToFile(utf8(path), "x");
        EXPECT_EQ(result.status, status);
        EXPECT_EQ(result.reason.empty(), result.ok());
        EXPECT_TRUE(reasons.empty() || std::count(reasons.begin(), reasons.end(), result.reason)) << result.reason;
    }
    EXPECT_EQ(contents(folder / "viewed.xls"), "seenx");
    EXPECT_EQ(contents(folder / "locked" / "day.xls"), "kept");
    EXPECT_EQ(contents(folder / "outside.xls"), "theirs") << "a link is not followed";
}

// A name outside ASCII, as a user profile may have, names the file itself;
// a wildcard in a name is never a pattern that finds some other file.
TEST_F(AppendFile, AppendsBytesAsTheyAreAndTakesBackAWriteCutShortByAFullDisk) {
    const fs::path path = folder / u8"Jörg.xls";
    ASSERT_TRUE(appendToFile(utf8(path), "23\t61\r\n").ok());
    {
        const RoomForThreeBytes roomForThreeBytes(path);
        const AppendResult result = appendToFile(utf8(path), "50\t47\r\n");
        EXPECT_EQ(result.status, AppendResult::Status::Failed);
        EXPECT_EQ(result.reason, kDiskFull);
        EXPECT_EQ(contents(path), "23\t61\r\n") << "no cut-off reading stays behind";
    }
    ASSERT_TRUE(appendToFile(utf8(path), "51\t5\r\n").ok());
    EXPECT_EQ(contents(path), "23\t61\r\n51\t5\r\n") << "CR LF stays CR LF";
    for (const char* bytes : {"Stop>09:05:07\t", "52\t6\r\n", "53\t6\r\n"})
        ASSERT_TRUE(appendToFile(utf8(path), bytes, LineStart::OnANewLine).ok());
    EXPECT_EQ(contents(path), "23\t61\r\n51\t5\r\nStop>09:05:07\t\r\n52\t6\r\n53\t6\r\n")
        << "a line left open is ended first, an ended one is not";
    EXPECT_TRUE(FileExists(utf8(path)));
    for (const fs::path& other : {folder, folder / "gone.xls", folder / "*.xls"})
        EXPECT_FALSE(FileExists(utf8(other))) << other;
}

}  // namespace
}  // namespace tidemark
