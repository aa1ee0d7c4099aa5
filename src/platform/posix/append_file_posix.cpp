#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "platform/append_file.h"

namespace tidemark {
namespace {

// Only a file some other program holds busy is "in use"; a read-only file or
// folder is a different problem, reported with the system's reason.
bool meansInUse(int error) { return error == EBUSY || error == ETXTBSY; }

AppendResult failure(int error) {
    if (error == ELOOP) return {AppendResult::Status::Failed, "it is a symbolic link"};
    return {meansInUse(error) ? AppendResult::Status::InUse : AppendResult::Status::Failed, std::strerror(error)};
}

// The error of the first write that failed; 0 when all bytes were written.
int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return errno;
        if (written == 0) return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

bool isHidden(const std::string& path) {
    const auto slash = path.find_last_of('/');
    const std::string_view name = std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
    return !name.empty() && name.front() == '.';
}

// True when the file's last byte is not a line feed; an unreadable file counts as ended.
bool lastLineUnended(int fd, off_t size) {
    char last = '\n';
    return size > 0 && ::pread(fd, &last, 1, size - 1) == 1 && last != '\n';
}

AppendResult appendToRegularFile(int fd, std::string_view bytes, LineStart start) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return failure(errno);
    if (!S_ISREG(info.st_mode)) return {AppendResult::Status::Failed, "it is not a regular file"};
    std::string ended;
    if (start == LineStart::OnANewLine && lastLineUnended(fd, info.st_size)) {
        ended = "\r\n" + std::string(bytes);
        bytes = ended;
    }
    const int writeError = writeAll(fd, bytes);
    if (writeError == 0) return {};
    // A cut-off line would later read as a false reading: take back our part.
    [[maybe_unused]] const int cut = ::ftruncate(fd, info.st_size);
    return failure(writeError);
}

}  // namespace

AppendResult appendToFile(const std::string& path, std::string_view bytes, LineStart start) {
    // Non-blocking, so a pipe with no reader fails at once instead of hanging.
    // Read access only to look at the last byte, and only where granted.
    constexpr int kFlags = O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    int fd = start == LineStart::OnANewLine ? ::open(path.c_str(), O_RDWR | kFlags, 0644) : -1;
    if (fd < 0) fd = ::open(path.c_str(), O_WRONLY | kFlags, 0644);
    if (fd < 0) return failure(errno);
    AppendResult result = appendToRegularFile(fd, bytes, start);
    if (::close(fd) != 0 && result.ok()) result = failure(errno);
    return result;
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && !isHidden(path);
}

}  // namespace tidemark
