#include "support/file_system_limits.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <utility>

#include "platform/windows/append_file_windows.h"
#include "platform/windows/windows_text.h"

namespace tidemark::testing {
namespace fs = std::filesystem;

namespace {

std::uintmax_t sizeLimit = 0;

// WriteFile, but never past the limit: what does not fit is refused as a full
// disk refuses it, after the part that fits was written.
bool writeWithinLimit(void* file, const char* data, unsigned long size, unsigned long& written) {
    written = 0;
    LARGE_INTEGER length{};
    if (!GetFileSizeEx(static_cast<HANDLE>(file), &length)) return false;
    const auto now = static_cast<std::uintmax_t>(length.QuadPart);
    const auto room = static_cast<unsigned long>(std::min<std::uintmax_t>(size, now < sizeLimit ? sizeLimit - now : 0));
    DWORD count = 0;
    if (room > 0 && !WriteFile(static_cast<HANDLE>(file), data, room, &count, nullptr)) return false;
    written = count;
    if (room == size) return true;
    SetLastError(ERROR_DISK_FULL);
    return false;
}

HANDLE openForReading(const fs::path& path, DWORD sharing) {
    return CreateFileW(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

struct FileSizeLimit::Saved {
    windows_files::WriteCall call = nullptr;
};

FileSizeLimit::FileSizeLimit(std::uintmax_t bytes) : saved_(std::make_unique<Saved>()) {
    sizeLimit = bytes;
    saved_->call = std::exchange(windows_files::writeCall(), writeWithinLimit);
}

FileSizeLimit::~FileSizeLimit() { windows_files::writeCall() = saved_->call; }

std::string FileSizeLimit::reason() { return systemMessage(ERROR_DISK_FULL); }

ReadOnlyFolder::ReadOnlyFolder(const fs::path& folder) : folder_(folder) {
    for (const auto& entry : fs::directory_iterator(folder_))
        SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_READONLY);
}

ReadOnlyFolder::~ReadOnlyFolder() {
    for (const auto& entry : fs::directory_iterator(folder_))
        SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Asked of the system, through another route than the writer's: can this
// process open one of the read-only files for writing?
bool ReadOnlyFolder::enforced() const {
    for (const auto& entry : fs::directory_iterator(folder_)) {
        if (!entry.is_regular_file()) continue;
        const HANDLE file = CreateFileW(entry.path().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return true;
        CloseHandle(file);
        return false;
    }
    return false;
}

bool ReadOnlyFolder::keepsNewFilesOut() const { return false; }
std::vector<std::string> ReadOnlyFolder::reasons() const { return {systemMessage(ERROR_ACCESS_DENIED)}; }

FileHeldOpen::FileHeldOpen(const fs::path& folder, bool letsWritersIn) {
    path_ = folder / (letsWritersIn ? "viewed.xls" : "open in Excel.xls");
    std::ofstream(path_) << "seen";
    const DWORD sharing = letsWritersIn ? FILE_SHARE_READ | FILE_SHARE_WRITE : FILE_SHARE_READ;
    handle_ = reinterpret_cast<std::intptr_t>(openForReading(path_, sharing));
}

FileHeldOpen::~FileHeldOpen() { CloseHandle(reinterpret_cast<HANDLE>(handle_)); }

NotRegularFiles::NotRegularFiles(const fs::path& folder, const fs::path&) {
    fs::create_directory(folder / "folder.xls");
    targets_ = {{"a folder", folder / "folder.xls"},
                {"a pipe nobody serves", L"\\\\.\\pipe\\tidemark-nobody-serves"},
                {"a device", L"NUL"}};
}

std::vector<fs::path> makeFilesOutOfSight(const fs::path& folder) {
    const std::pair<const char*, DWORD> files[] = {{"hidden.bmp", FILE_ATTRIBUTE_HIDDEN},
                                                   {"system.bmp", FILE_ATTRIBUTE_SYSTEM}};
    std::vector<fs::path> made;
    for (const auto& [name, attribute] : files) {
        std::ofstream(folder / name) << "x";
        SetFileAttributesW((folder / name).c_str(), attribute);
        made.push_back(folder / name);
    }
    return made;
}

bool namesMayHoldWildcards() { return false; }

std::string noSuchFolderReason() { return systemMessage(ERROR_PATH_NOT_FOUND); }

}  // namespace tidemark::testing
