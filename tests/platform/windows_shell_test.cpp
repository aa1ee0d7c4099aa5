// Starting programs through the Windows shell, as the tool buttons do there.
#include <windows.h>

#include <shellapi.h>  // needs windows.h before it

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

std::string utf8(const fs::path& path) { return utf8FromWide(path.wstring()); }

// This test program, started again to write its report into a folder whose
// name has a space: the report appears only if the path arrived whole.
TEST(WindowsShell, StartsAProgramWithItsArgumentsAndSaysWhatStoodInTheWay) {
    const fs::path folder = fs::temp_directory_path() / "shell start", report = folder / "report.xml";
    fs::create_directories(folder);
    wchar_t self[MAX_PATH * 4]{};
    GetModuleFileNameW(nullptr, self, static_cast<DWORD>(std::size(self)));
    fs::remove(report);
    EXPECT_GT(shellStart(utf8(self), {"--gtest_filter=NoSuchTest", "--gtest_output=xml:" + utf8(report)}), 32);
    // A fresh Wine prefix can take many seconds to start a second program.
    for (int i = 0; i < 1200 && !fs::exists(report); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(fs::exists(report)) << "the started program did not get its arguments";

    std::ofstream(folder / "reading.tidemark-no-such-kind") << "x";
    EXPECT_EQ(shellStart(utf8(folder / "missing.exe"), {}), ERROR_FILE_NOT_FOUND) << "below 10: the fallback is tried";
    EXPECT_EQ(shellStart(utf8(folder / "reading.tidemark-no-such-kind"), {}), SE_ERR_NOASSOC) << "31: it is not";
}

}  // namespace
}  // namespace tidemark
