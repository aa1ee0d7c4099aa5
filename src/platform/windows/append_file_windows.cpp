// The append-only writer and the file test on Windows. Paths arrive as UTF-8
// and go to the wide calls, so names such as Jörg.xls work in any code page;
// bytes are written as they are, with no text-mode line ends added.
#include "platform/windows/append_file_windows.h"

#include <windows.h>

#include <algorithm>

#include "platform/append_file.h"
#include "platform/windows/windows_text.h"

namespace tidemark {
namespace {

// Other programs may read the log while it is written (a spreadsheet viewing
// it, another instance appending), so both stay shared.
constexpr DWORD kShared = FILE_SHARE_READ | FILE_SHARE_WRITE;

// Only a file some other program holds busy is "in use"; a read-only file,
// folder or disk is a different problem, reported with the system's reason.
bool meansInUse(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION; }

AppendResult failure(DWORD error) {
    return {meansInUse(error) ? AppendResult::Status::InUse : AppendResult::Status::Failed, systemMessage(error)};
}

AppendResult refusal(const char* reason) { return {AppendResult::Status::Failed, reason}; }

// Why something with these attributes is no regular file; null when it is one.
const char* notARegularFile(DWORD attributes) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return "it is a folder";
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return "it is a link";
    if (attributes & FILE_ATTRIBUTE_DEVICE) return "it is a device";
    return nullptr;
}

bool writeFile(void* file, const char* data, unsigned long size, unsigned long& written) {
    DWORD count = 0;
    const BOOL ok = WriteFile(static_cast<HANDLE>(file), data, size, &count, nullptr);
    written = count;
    return ok != FALSE;
}

// The error of the first write that failed; ERROR_SUCCESS when all bytes were written.
DWORD writeAll(HANDLE file, std::string_view bytes) {
    constexpr std::size_t kLargestWrite = 1u << 30;
    while (!bytes.empty()) {
        const auto size = static_cast<unsigned long>(std::min(bytes.size(), kLargestWrite));
        unsigned long written = 0;
        if (!windows_files::writeCall()(file, bytes.data(), size, written)) return GetLastError();
        if (written == 0) return ERROR_WRITE_FAULT;
        bytes.remove_prefix(std::min<std::size_t>(written, bytes.size()));
    }
    return ERROR_SUCCESS;
}

// An append-only handle may not shorten its file, so a second handle, opened
// from the first (the same file, even if it was renamed meanwhile), does.
void cutBack(HANDLE file, LARGE_INTEGER size) {
    const HANDLE writer = ReOpenFile(file, FILE_WRITE_DATA, kShared, 0);
    if (writer == INVALID_HANDLE_VALUE) return;
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile = size;
    SetFileInformationByHandle(writer, FileEndOfFileInfo, &end, sizeof end);
    CloseHandle(writer);
}

// True when the file's last byte is not a line feed; an unreadable file counts as ended.
bool lastLineUnended(HANDLE file, LARGE_INTEGER size) {
    if (size.QuadPart <= 0) return false;
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(size.QuadPart - 1);
    at.OffsetHigh = static_cast<DWORD>((size.QuadPart - 1) >> 32);
    char last = '\n';
    DWORD read = 0;
    return ReadFile(file, &last, 1, &read, &at) && read == 1 && last != '\n';
}

AppendResult appendToRegularFile(HANDLE file, std::string_view bytes, LineStart start) {
    if (GetFileType(file) != FILE_TYPE_DISK) return refusal("it is not a regular file");
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info)) return failure(GetLastError());
    if (const char* reason = notARegularFile(info.dwFileAttributes)) return refusal(reason);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size)) return failure(GetLastError());
    std::string ended;
    if (start == LineStart::OnANewLine && lastLineUnended(file, size)) {
        ended = "\r\n" + std::string(bytes);
        bytes = ended;
    }
    const DWORD error = writeAll(file, bytes);
    if (error == ERROR_SUCCESS) return {};
    // A cut-off line would later read as a false reading: take back our part.
    cutBack(file, size);
    return failure(error);
}

// The last part of a path, after the last slash of either kind.
std::string_view fileName(std::string_view path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

namespace windows_files {

WriteCall& writeCall() {
    static WriteCall call = writeFile;
    return call;
}

}  // namespace windows_files

AppendResult appendToFile(const std::string& path, std::string_view bytes, LineStart start) {
    const std::optional<std::wstring> name = wideFromUtf8(path);
    if (!name) return failure(ERROR_NO_UNICODE_TRANSLATION);
    // Append-only access: each write lands at the end, whoever else appends;
    // read access only to look at the last byte, and only where granted. A
    // link is opened as itself, never followed, and then refused.
    const auto open = [&name](DWORD access) {
        return CreateFileW(name->c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | access, kShared, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    };
    HANDLE file = start == LineStart::OnANewLine ? open(FILE_READ_DATA) : INVALID_HANDLE_VALUE;
    if (file == INVALID_HANDLE_VALUE) file = open(0);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        // A folder cannot be opened as a file at all: say so, not "access denied".
        const DWORD attributes = GetFileAttributesW(name->c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES)
            if (const char* reason = notARegularFile(attributes)) return refusal(reason);
        return failure(error);
    }
    AppendResult result = appendToRegularFile(file, bytes, start);
    if (!CloseHandle(file) && result.ok()) result = failure(GetLastError());
    return result;
}

bool FileExists(const std::string& path) {
    // No Windows name holds a wildcard; the file-finding calls would take one
    // as a pattern and find some other file.
    if (fileName(path).find_first_of("*?") != std::string_view::npos) return false;
    const std::optional<std::wstring> name = wideFromUtf8(path);
    if (!name) return false;
    const DWORD attributes = GetFileAttributesW(name->c_str());
    constexpr DWORD kNotNormal =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotNormal) == 0;
}

}  // namespace tidemark
