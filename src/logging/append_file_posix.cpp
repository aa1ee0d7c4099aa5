#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "logging/append_file.h"

namespace tidemark {
namespace {

// The failures a user can fix by closing or unlocking the file.
bool meansInUse(int error) {
    return error == EACCES || error == EPERM || error == EROFS || error == EBUSY || error == ETXTBSY;
}

AppendResult failure(int error) {
    return {meansInUse(error) ? AppendResult::Status::InUse : AppendResult::Status::Failed, std::strerror(error)};
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool isHidden(const std::string& path) {
    const auto slash = path.find_last_of('/');
    const std::string_view name = std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
    return !name.empty() && name.front() == '.';
}

}  // namespace

AppendResult appendToFile(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return failure(errno);
    const bool written = writeAll(fd, bytes);
    const int writeError = errno;
    if (::close(fd) != 0 && written) return failure(errno);
    return written ? AppendResult{} : failure(writeError);
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && !isHidden(path);
}

}  // namespace tidemark
