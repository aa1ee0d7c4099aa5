// Starting programs through the Windows shell, as the Services, System Info
// and Open buttons do there.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/windows/shell_start_windows.h"
#include "platform/windows/windows_text.h"

namespace tidemark {
namespace {
namespace fs = std::filesystem;

// How the system's own splitter reads a command line made of these arguments.
std::vector<std::string> splitBySystem(const std::string& arguments) {
    const std::wstring line = L"program.exe " + wideFromUtf8(arguments).value_or(L"");
    int count = 0;
    wchar_t** parts = CommandLineToArgvW(line.c_str(), &count);
    std::vector<std::string> split;
    for (int i = 1; i < count; ++i) split.push_back(utf8FromWide(parts[i]));
    LocalFree(parts);
    return split;
}

TEST(WindowsShell, ArgumentsSplitBackUnchanged) {
    const std::vector<std::vector<std::string>> rows = {
        {"plain"},
        {"C:\\Users\\Jo Smith\\TideMark"},
        {""},
        {"ends in a backslash\\"},
        {"say \"hi\"", "a\\\"b"},
        {"two\\\\ back\\\\slashes\\\\"},
        {"Jörg", "tab\there"},
    };
    for (const auto& arguments : rows) {
        const std::string line = windowsArguments(arguments);
        SCOPED_TRACE(line);
        EXPECT_EQ(splitBySystem(line), arguments);
    }
}

fs::path thisProgram() {
    wchar_t path[MAX_PATH * 4]{};
    GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    return path;
}

TEST(WindowsShell, StartsAProgramWithItsArguments) {
    // This test program, started again to write its report into a folder
    // whose name has a space: the report appears only if the path arrived whole.
    const fs::path folder = fs::temp_directory_path() / "shell start";
    fs::create_directories(folder);
    const fs::path report = folder / "report.xml";
    fs::remove(report);
    const int answer = shellStart(utf8FromWide(thisProgram().wstring()),
                                  {"--gtest_filter=NoSuchTest", "--gtest_output=xml:" + utf8FromWide(report.wstring())});
    EXPECT_GT(answer, 32);
    for (int i = 0; i < 200 && !fs::exists(report); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(fs::exists(report)) << "the started program did not get its arguments";
}

TEST(WindowsShell, AnswersWhatStoodInTheWay) {
    const fs::path folder = fs::temp_directory_path() / "shell answers";
    fs::create_directories(folder);
    const fs::path unknownKind = folder / "reading.tidemark-no-such-kind";
    std::ofstream(unknownKind) << "x";
    EXPECT_EQ(shellStart(utf8FromWide((folder / "missing.exe").wstring()), {}), ERROR_FILE_NOT_FOUND)
        << "below 10, so the button tries its second program";
    EXPECT_EQ(shellStart(utf8FromWide(unknownKind.wstring()), {}), SE_ERR_NOASSOC)
        << "31, so the button does not";
}

}  // namespace
}  // namespace tidemark
