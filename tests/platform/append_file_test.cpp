#include "platform/append_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/fake_system_root.h"
#include "support/file_system_limits.h"

namespace tidemark {
namespace {

namespace fs = std::filesystem;
using ::testing::Contains;
using testing::FileHeldOpen;
using testing::FileSizeLimit;
using testing::NotRegularFiles;
using testing::ReadOnlyFolder;

class AppendFile : public ::testing::Test {
protected:
    static std::string contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // The program names files in UTF-8 on every system.
    static std::string utf8(const fs::path& path) {
        const std::u8string name = path.u8string();
        return {name.begin(), name.end()};
    }
    static void expectTheSystemsWords(const AppendResult& result) {
        EXPECT_FALSE(result.reason.empty());
        EXPECT_EQ(result.reason.find_first_of("\r\n"), std::string::npos) << "one line in the message box";
    }
    testing::FakeSystemRoot root;  // a fresh temporary folder
    fs::path folder = root.path();
};

TEST_F(AppendFile, OnlyAFileHeldBusyIsInUse) {
    const std::tuple<const char*, bool, AppendResult::Status> rows[] = {
        // lets writers in, result
        {"held by a program that keeps writers out", false, AppendResult::Status::InUse},
        {"open in a viewer that lets writers in", true, AppendResult::Status::Written},
    };
    for (const auto& [name, letsWritersIn, status] : rows) {
        SCOPED_TRACE(name);
        FileHeldOpen held(folder, letsWritersIn);
        const auto size = fs::file_size(held.path());
        const AppendResult result = appendToFile(utf8(held.path()), "x");
        EXPECT_EQ(result.status, status);
        if (!result.ok()) expectTheSystemsWords(result);
        EXPECT_EQ(fs::file_size(held.path()), size + (result.ok() ? 1 : 0));
    }
}

TEST_F(AppendFile, ReadOnlyFileOrFolderGivesTheSystemsReasonNotInUse) {
    const fs::path path = folder / "locked.xls";
    std::ofstream(path) << "kept";
    ReadOnlyFolder readOnly(folder);
    if (!readOnly.enforced()) GTEST_SKIP() << "this process may write read-only files all the same";
    std::vector<fs::path> targets{path};
    if (readOnly.keepsNewFilesOut()) targets.push_back(folder / "new.xls");
    for (const fs::path& target : targets) {
        SCOPED_TRACE(target.filename().string());
        const AppendResult result = appendToFile(utf8(target), "x");
        EXPECT_EQ(result.status, AppendResult::Status::Failed);
        EXPECT_THAT(readOnly.reasons(), Contains(result.reason));
        expectTheSystemsWords(result);
    }
    EXPECT_EQ(contents(path), "kept");
}

// A name outside ASCII, as a user profile may have, names the file itself.
TEST_F(AppendFile, AppendsBytesAsTheyAreAndTakesBackAWriteCutShortByAFullDisk) {
    const fs::path path = folder / u8"Jörg.xls";
    ASSERT_TRUE(appendToFile(utf8(path), "23\t61\r\n").ok());
    {
        FileSizeLimit roomForThreeBytes(fs::file_size(path) + 3);
        const AppendResult result = appendToFile(utf8(path), "50\t47\r\n");
        EXPECT_EQ(result.status, AppendResult::Status::Failed);
        EXPECT_EQ(result.reason, FileSizeLimit::reason());
        EXPECT_EQ(contents(path), "23\t61\r\n") << "no cut-off reading stays behind";
    }
    ASSERT_TRUE(appendToFile(utf8(path), "51\t5\r\n").ok());
    EXPECT_EQ(contents(path), "23\t61\r\n51\t5\r\n") << "CR LF stays CR LF";
    for (const char* bytes : {"Stop>09:05:07\t", "52\t6\r\n", "53\t6\r\n"})
        ASSERT_TRUE(appendToFile(utf8(path), bytes, LineStart::OnANewLine).ok());
    EXPECT_EQ(contents(path), "23\t61\r\n51\t5\r\nStop>09:05:07\t\r\n52\t6\r\n53\t6\r\n")
        << "a line left open is ended first, an ended one is not";
    EXPECT_TRUE(FileExists(utf8(path)));
}

TEST_F(AppendFile, OnlyARegularFileIsWrittenAndNothingIsWaitedOn) {
    const fs::path outside = folder / "outside.xls";
    std::ofstream(outside) << "theirs";
    fs::create_directory(folder / "Log");
    const NotRegularFiles notFiles(folder / "Log", outside);
    for (const auto& [name, path] : notFiles.targets()) {
        SCOPED_TRACE(name);
        const AppendResult result = appendToFile(utf8(path), "x");
        EXPECT_EQ(result.status, AppendResult::Status::Failed);
        expectTheSystemsWords(result);
    }
    EXPECT_EQ(appendToFile(utf8(folder / "gone" / "day.xls"), "x").reason, testing::noSuchFolderReason());
    EXPECT_EQ(contents(outside), "theirs") << "a link is not followed out of the folder";
}

TEST_F(AppendFile, FileExistsMeansThisExactNormalFile) {
    std::ofstream(folder / "a.bmp") << "x";
    fs::create_directory(folder / "dir.bmp");
    EXPECT_TRUE(FileExists(utf8(folder / "a.bmp")));
    EXPECT_FALSE(FileExists(utf8(folder / "*.bmp"))) << "a wildcard is no pattern";
    EXPECT_FALSE(FileExists(utf8(folder / "dir.bmp")));
    EXPECT_FALSE(FileExists(utf8(folder / "b.bmp")));
    for (const fs::path& unseen : testing::makeFilesOutOfSight(folder)) {
        SCOPED_TRACE(unseen.filename().string());
        EXPECT_FALSE(FileExists(utf8(unseen)));
    }
    std::ofstream(folder / "*.bmp") << "x";
    std::error_code noSuchName;
    EXPECT_EQ(fs::exists(folder / "*.bmp", noSuchName), testing::namesMayHoldWildcards());
    EXPECT_EQ(FileExists(utf8(folder / "*.bmp")), testing::namesMayHoldWildcards())
        << "a legal name where there is one";
}

}  // namespace
}  // namespace tidemark
